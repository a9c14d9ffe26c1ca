// The customer search, its window shown, on 100,000 customers whose surnames were typed in no
// surname order (shuffled across the rows, 2 % of them beginning with an accent or an apostrophe:
// ÀLVARO, D'ANGELO, ÉBOLI, ÒRSINI, ÙBERTI), 150,000 appliances, 300,000 maintenances and 50,000
// calls; ten times as many with --grande; the surnames in the rows' order with --ordinato. For
// three sets of criteria and none: the search to its last row read and its first screen, each
// beside the same work through the SQLite C API; the refresh after an edit from the result, and
// the longest the event loop waits meanwhile; how long another workstation's commit waits for
// the search's and the refresh's read; a row change with the whole chain of grids below it; the
// memory of the search with no criteria and of the refresh.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_ricerca_clienti [--grande] [--ordinato]
#include "ambiente_test.h"
#include "cognomi_centro.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "pausa_ciclo.h"
#include "scrittura_altra_postazione.h"
#include "vie_italiane.h"
#include "customers/scheda_cliente.h"
#include "platform/db/connessione.h"
#include "platform/db/ordine_italiano.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/griglia.h"
#include "platform/ui/modale.h"
#include "search/scheda_ricerca.h"
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {
int ripetizioni = 7;
int scala = 1;
bool ordinati = false;

// Rows n = 1..quanti through a recursive sequence; "100000" and "150000" in the values are
// scaled with the archive.
void inserisci(const QString& tabella, const QString& colonne, QString valori, int quanti)
{
    valori.replace(u"100000"_s, QString::number(100000 * scala)).replace(u"150000"_s, QString::number(150000 * scala));
    connessione.esegui(u"WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < %1) "
                       "INSERT INTO %2 (%3) SELECT %4 FROM s"_s.arg(quanti).arg(tabella, colonne, valori));
}

void riempi()
{
    Transazione t(connessione);
    inserisci(u"marche"_s, u"idMarca, sigla_marca, marca"_s, u"n, 'M' || n, 'MARCA' || n"_s, 20);
    inserisci(u"zone"_s, u"idzona, sigla_zona, desc_zona"_s, u"n, 'Z' || n, 'ZONA' || n"_s, 20);
    inserisci(u"tipoProd"_s, u"idTpProd, sigla_tipo_prodotto, tipo_nome"_s, u"n, 'T' || n, 'TIPO' || n"_s, 5);
    inserisci(u"prodotti"_s, u"idModello, modello, cod_marca, cod_tipo_prodotto"_s,
              u"n, 'MODELLO' || n, n % 20 + 1, n % 5 + 1"_s, 200);
    inserisci(u"tecnici"_s, u"idTecn, sigla_tecnico, tecnico"_s, u"n, 'T' || n, 'TECNICO' || n"_s, 10);
    inserisci(u"tipoManutenzioni"_s, u"idTipoMan, sigla_tipo_man"_s, u"n, 'MAN' || n"_s, 3);
    inserisci(u"tipologia_attivita"_s, u"idTipoAttività, at_codice, at_nome"_s, u"n, 'A' || n, 'ATTIVITA' || n"_s, 10);
    inserisci(u"area_int"_s, u"idGruppo, gruppo_nome"_s, u"n, 'GRUPPO' || n"_s, 5);
    inserisci(u"materiali"_s, u"idMat, mat_nome, mat_descrizione, cod_gruppo"_s, u"n, 'MAT' || n, 'DESCR' || n, n % 5 + 1"_s,
              100);
    // The customers' surnames go in after the scaling, which would take their numbers for its own.
    connessione.esegui(u"WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < %1) "
                       "INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, tel_casa, cod_zona) "
                       "SELECT n, %2, 'NOME' || n, 'VIA ' || n, 'CITTA' || (n % 500), '051' || n, n % 20 + 1 FROM s"_s
                           .arg(100000 * scala)
                           .arg(cognomeDiCentro(u"n"_s, 100000 * scala, ordinati)));
    // Appliance n belongs to customer n (and 100,000 + n to customer n as well).
    inserisci(u"prodotti_ai_clienti"_s,
              u"id_pro_cli, cod_cliente, cod_prodotto, cod_tecnico, cod_tipo_abbonamento, sc_abb, data_coll, codice_interno"_s,
              u"n, (n - 1) % 100000 + 1, n % 200 + 1, n % 10 + 1, n % 3, date('2020-01-01', '+' || (n % 2000) || ' days'), "
              "date('2010-01-01', '+' || (n % 4000) || ' days'), 'CI' || n"_s,
              150000 * scala);
    inserisci(u"manutenzioni"_s, u"codProdotto, dataMan, codTipoMan"_s,
              u"(n - 1) % 150000 + 1, date('2015-01-01', '+' || (n * 7 % 3650) || ' days'), n % 3 + 1"_s, 300000 * scala);
    inserisci(u"chiamate"_s, u"idChiamata, cod_cliente, ch_data"_s,
              u"n, (n * 2) % 100000 + 1, date('2018-01-01', '+' || (n % 2000) || ' days')"_s, 50000 * scala);
    inserisci(u"interventi"_s, u"cod_chiamata, cod_tecnico, data_int, cod_stato_int"_s,
              u"n, n % 10 + 1, date('2018-01-02', '+' || (n % 2000) || ' days'), 'ESEGUITO'"_s, 50000 * scala);
    // One appliance row per call, two for the calls whose customer has a second appliance.
    connessione.esegui(u"INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto, lista_richieste) "
                       "SELECT idChiamata, cod_cliente, 'RICHIESTA' FROM chiamate"_s);
    connessione.esegui(u"INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto, lista_richieste) "
                       "SELECT idChiamata, cod_cliente + %1, 'RICHIESTA' FROM chiamate WHERE cod_cliente <= %2"_s
                           .arg(100000 * scala).arg(50000 * scala));
    connessione.esegui(u"INSERT INTO attività_svolte (cod_prodotto, cod_operazione) "
                       "SELECT idProdChiamata, idProdChiamata % 10 + 1 FROM prodotti_in_chiamata"_s);
    connessione.esegui(u"INSERT INTO matAtt (codAtt, codMat) SELECT idAttivita, idAttivita % 100 + 1 FROM attività_svolte "
                       "UNION ALL SELECT idAttivita, (idAttivita + 7) % 100 + 1 FROM attività_svolte"_s);
    t.conferma();
    connessione.esegui(u"ANALYZE"_s);
}

// The process's resident memory, now or at its highest since the mark was last reset, in MB.
double memoria(const char* voce)
{
    QFile f(u"/proc/self/status"_s);
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith(voce))
            return l.mid(int(std::strlen(voce))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void azzeraPicco()
{
    QFile f(u"/proc/self/clear_refs"_s);
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// The result read to its last row, as the window reads it on by itself.
void finoAllUltima(Griglia* g)
{
    while (g->inLettura())
        QCoreApplication::processEvents();
}

// Whether a grid has been painted with its first screen (or its whole result) since the object
// was made.
class Dipinto : public QObject {
public:
    explicit Dipinto(Griglia* g) : g(g) { g->viewport()->installEventFilter(this); }
    ~Dipinto() override { g->viewport()->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        si = si || (e->type() == QEvent::Paint && (g->model()->rowCount() >= 100 || !g->inLettura()));
        return false;
    }
    bool si = false;

private:
    Griglia* g;
};

// The first screen drawn as the event loop draws it: what the search left posted (its layouts,
// then the painting) handled as the loop handles it before it gives the reading a slice, and
// the reading's slices while the first screen needs more, until the grid has drawn its rows.
void finoAlPrimoDisegno(Griglia* g)
{
    const Dipinto d(g);
    for (int i = 0; i < 100 && !d.si; ++i)
        QCoreApplication::sendPostedEvents();
    while (!d.si && g->inLettura())
        QCoreApplication::processEvents();
}

// Whether the result shown is in Italian order by surname.
bool inOrdineItaliano(Griglia* g)
{
    const auto d = g->recordset().dati();
    const int cognome = d->indice(u"cognome"_s);
    for (int r = 1; r < d->numeroRighe(); ++r)
        if (ordineItaliano::confronta(d->valore(r - 1, cognome).toString(), d->valore(r, cognome).toString()) > 0)
            return false;
    return true;
}

// The customers of the result shown, by their keys, top to bottom.
QStringList chiaviMostrate(Griglia* g)
{
    const auto d = g->recordset().dati();
    const int id = d->indice(u"idcli"_s);
    QStringList k;
    for (int r = 0; r < d->numeroRighe(); ++r)
        k << d->valore(r, id).toString();
    return k;
}
} // namespace

int main(int argc, char** argv)
{
    if (ScritturaAltraPostazione::scrittore(argc, argv))
        return 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--grande") == 0) {
            scala = 10;
            ripetizioni = 3;
        }
        ordinati = ordinati || std::strcmp(argv[i], "--ordinato") == 0;
    }
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    LetturaSqlite limite(db.file());
    schRicCliente& r = istanza<schRicCliente>();
    r.carica();
    r.forma()->show();
    QCoreApplication::processEvents();
    auto& c = r.controlli();
    struct Caso {
        const char* nome;
        std::function<void()> imposta;
    };
    const QList<Caso> casi = {
        {"surname prefix ROSSI001", [&] { c.txtCognome->setText(u"ROSSI001"_s); }},
        {"zone + maintenance date range",
         [&] {
             c.cmbZona->impostaValoreLegato(7);
             c.chkManutenzione->setChecked(true);
             c.dtpManDa->impostaValore(QDate(2020, 1, 1));
             c.dtpManA->impostaValore(QDate(2020, 3, 31));
         }},
        {"brand + subscription expiry range",
         [&] {
             c.cmbMarcaProdotto->impostaValoreLegato(3);
             c.chkAbbonamento->setChecked(true);
             c.dtpDataScadenzaDa->impostaValore(QDate(2021, 1, 1));
             c.dtpDataScadenzaA->impostaValore(QDate(2021, 1, 31));
         }},
        {"no criteria (every customer)", [] {}},
    };
    const qsizetype tutti = casi.size() - 1;
    // Every customer, as the search shows them, through the two ways of the C API.
    const QString colonne = u"SELECT idcli,cognome , nome , rag_soc,indirizzo,citta,tel_casa,tel_cel FROM clienti"_s;
    VieItaliane vie(colonne + u" ORDER BY Cognome"_s, colonne + u" ORDER BY Cognome COLLATE ITALIANO"_s);

    // The memory a search with no criteria takes, before anything else has grown the process;
    // the limit's connection has read the archive once, so that its page cache is held here
    // as it is at the refresh.
    limite.leggi(u"SELECT * FROM clienti"_s);
    const double prima = memoria("VmRSS:");
    azzeraPicco();
    c.cmdRicerca->click();
    finoAllUltima(c.griglia);
    const double durante = memoria("VmHWM:");
    const bool stesseRighe = vie.stesseRighe(limite, chiaviMostrate(c.griglia), 0, 1);

    std::printf("%d customers, their surnames %s, window shown; %d runs of each, interleaved\n", 100000 * scala,
                ordinati ? "in the rows' order (--ordinato)" : "shuffled across the rows", ripetizioni);
    carico("at the start");
    QList<QList<double>> tutto(casi.size()), tuttoLimite(casi.size()), schermata(casi.size()),
        schermataLimite(casi.size());
    QList<double> pauseRicerca;
    QList<int> righe(casi.size());
    PausaPiuLunga pausa;
    for (int i = 0; i < ripetizioni; ++i)
        for (qsizetype k = 0; k < casi.size(); ++k) {
            r.reset();
            casi[k].imposta();
            QElapsedTimer t;
            t.start();
            pausa.avvia();
            c.cmdRicerca->click();
            finoAlPrimoDisegno(c.griglia);
            schermata[k] << ms(t);
            finoAllUltima(c.griglia);
            tutto[k] << ms(t);
            if (k == tutti)
                pauseRicerca << pausa.ferma();
            righe[k] = c.griglia->model()->rowCount();
            const Lettura lettura = c.griglia->recordset().lettura();
            if (k == tutti) {
                vie.misura(limite);
                schermataLimite[k] << limite.primaRiga(colonne + u" ORDER BY Cognome COLLATE ITALIANO"_s);
            } else {
                t.restart();
                limite.leggi(lettura.sql, lettura.valori);
                tuttoLimite[k] << ms(t);
                schermataLimite[k] << limite.primaRiga(lettura.sql, lettura.valori);
            }
        }
    tuttoLimite[tutti] = vie.piuVeloce();
    intestazione("The search to its last row read and shown",
                 "the same rows through the SQLite C API, every row stepped and every column read: with criteria, "
                 "the search's own statement; with none, the faster of clienti's surname index walked and SQLite "
                 "sorting every customer with COLLATE ITALIANO");
    for (qsizetype k = 0; k < casi.size(); ++k)
        confronto(qPrintable(u"%1 (%2)"_s.arg(QString::fromUtf8(casi[k].nome)).arg(righe[k])), tutto[k], tuttoLimite[k]);
    std::printf("  with no criteria, the two ways:\n");
    vie.stampa();
    std::printf("the result with no criteria: in Italian order %s; the same rows in the same order as both ways "
                "(the index walk's accented and apostrophe surnames put in their Italian place): %s\n",
                inOrdineItaliano(c.griglia) ? "yes" : "NO", stesseRighe ? "yes" : "NO");
    intestazione("The first screen of the result, drawn",
                 "the first row of the same statement through the SQLite C API, in Italian order (with no criteria, "
                 "every customer sorted by SQLite with the collation)");
    for (qsizetype k = 0; k < casi.size(); ++k)
        confronto(casi[k].nome, schermata[k], schermataLimite[k]);
    std::printf("\nThe longest the event loop waited during the search with no criteria, from the click to the last "
                "row\nms, median (fastest-slowest)\n");
    senzaLimite("search with no criteria", pauseRicerca);

    // "Modifica (F6)" on a customer of the last result (every customer) and "Conferma (F10)":
    // the card, its write and the refresh of the result, to its last row.
    QList<double> modifiche, limiti, pauseAggiornamento;
    double primaAggiornamento = 0, piccoScheda = 0, piccoAggiornamento = 0;
    bool conteggioNuovo = true;
    for (int i = 1; i <= ripetizioni; ++i) {
        c.griglia->setCurrentIndex(c.griglia->model()->index(i * 101, 0));
        seamModale::accoda([i, &piccoScheda, &pausa](QWidget*) {
            auto& k = istanza<schCliente>().controlli();
            k.txtNome->setText(u"NOME MODIFICATO %1"_s.arg(i));
            QTest::keyClick(k.txtNome, Qt::Key_F10);
            // The card written and closed over the old result: what follows is the refresh.
            if (i == 1) {
                piccoScheda = memoria("VmHWM:");
                azzeraPicco();
            }
            pausa.avvia();
        });
        // The memory of the first refresh, the pages the allocator kept from the searches given
        // back first, so that the process holds what the result takes.
        if (i == 1) {
            malloc_trim(0);
            primaAggiornamento = memoria("VmRSS:");
            azzeraPicco();
        }
        // A caption that is not the count: the refresh's count is its own.
        c.fraRisultati->setTitle(QString());
        QElapsedTimer t;
        t.start();
        QTest::keyClick(c.griglia, Qt::Key_F6);
        finoAllUltima(c.griglia);
        modifiche << ms(t);
        pauseAggiornamento << pausa.ferma();
        conteggioNuovo = conteggioNuovo
                         && c.fraRisultati->title()
                                == u"RISULTATO DELLA RICERCA = %1 records"_s.arg(c.griglia->model()->rowCount());
        if (i == 1)
            piccoAggiornamento = memoria("VmHWM:");
        t.restart();
        limite.leggi(vie.istruzionePiuVeloce());
        limiti << ms(t);
    }
    intestazione("Edit from the result (every customer) and the refresh, to its last row",
                 "the result's rows through the SQLite C API, the faster way above");
    confronto("edit (card, write, refresh)", modifiche, limiti);
    std::printf("\nThe longest the event loop waited during the refresh, from the card's write to the last row\n"
                "ms, median (fastest-slowest)\n");
    senzaLimite("refresh after the edit", pauseAggiornamento);
    std::printf("the caption after each refresh: the new count %s\n", conteggioNuovo ? "yes" : "NO");

    // Another workstation commits while the search with no criteria, or the refresh, reads on:
    // its commit waits for the read, from its first screen on, to end.
    QList<double> attesaSola, attesaRicerca, attesaAggiornamento;
    {
        ScritturaAltraPostazione altra(db.file());
        for (int i = 1; i <= ripetizioni; ++i) {
            altra.scrivi();
            attesaSola << altra.durata();
            r.reset();
            c.cmdRicerca->click();
            altra.scrivi();
            finoAllUltima(c.griglia);
            attesaRicerca << altra.durata();
            c.griglia->setCurrentIndex(c.griglia->model()->index(i * 103, 0));
            seamModale::accoda([i](QWidget*) {
                auto& k = istanza<schCliente>().controlli();
                k.txtNome->setText(u"NOME RIMODIFICATO %1"_s.arg(i));
                QTest::keyClick(k.txtNome, Qt::Key_F10);
            });
            QTest::keyClick(c.griglia, Qt::Key_F6);
            altra.scrivi();
            finoAllUltima(c.griglia);
            attesaAggiornamento << altra.durata();
        }
    }
    std::printf("\nAnother workstation's commit (a second process on the same file, busy wait as the data source's), "
                "begun after the first screen\nms, median (fastest-slowest)\n");
    senzaLimite("with no read open", attesaSola);
    senzaLimite("during the search with no criteria", attesaRicerca);
    senzaLimite("during the refresh after an edit", attesaAggiornamento);

    // Row changes in the last result: the appliances, maintenances, calls, activities, materials.
    QList<double> cambi, cambiLimite;
    for (int i = 1; i <= 50; ++i) {
        QElapsedTimer t;
        QStringList letture;
        {
            const IstruzioniEseguite istruzioni;
            t.start();
            c.griglia->setCurrentIndex(c.griglia->model()->index(i * 37, 0));
            cambi << ms(t);
            letture = istruzioni.letture();
        }
        t.restart();
        limite.leggi(letture);
        cambiLimite << ms(t);
    }
    intestazione("A row change in the result (50 rows)", "the five statements of the grids below it through the C API");
    confronto("row change (whole chain)", cambi, cambiLimite);

    // The same search again, the process as the refresh found it (what the edits' card and the
    // grids keep).
    r.reset();
    malloc_trim(0);
    azzeraPicco();
    c.cmdRicerca->click();
    finoAllUltima(c.griglia);
    const double dinuovo = memoria("VmHWM:");

    std::printf("\nmemory: %.0f MB before the search with no criteria, at most %.0f MB during it; %.0f MB with its "
                "result before an edit, at most %.0f MB with the card open over it, at most %.0f MB during the "
                "refresh after it (budget: the search's own, %s); at most %.0f MB during the same search after "
                "the edits\n",
                prima, durante, primaAggiornamento, piccoScheda, piccoAggiornamento,
                piccoAggiornamento <= durante ? "within" : "over", dinuovo);
    carico("at the end");
    return 0;
}
