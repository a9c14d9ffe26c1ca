// The customer search on 100,000 customers, 150,000 appliances, 300,000 maintenances and
// 50,000 calls (ten times as many with --grande): the time of Ricerca for three sets of
// criteria and with none, each beside the same rows read through the SQLite C API; the
// refresh after an edit from the result; one row change in the result (the whole chain of
// grids below it); the memory a search with no criteria takes.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_ricerca_clienti [--grande]
#include "ambiente_test.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "customers/scheda_cliente.h"
#include "platform/ui/modale.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/griglia.h"
#include "search/scheda_ricerca.h"
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
int ripetizioni = 7;
int scala = 1;

// Rows n = 1..quanti through a recursive sequence.
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
    inserisci(u"clienti"_s, u"idCli, cognome, nome, indirizzo, citta, tel_casa, cod_zona"_s,
              u"n, substr('ROSSIBIANCVERDINERIGALLI', (n % 5) * 5 + 1, 5) || printf('%05d', n), 'NOME' || n, "
              "'VIA ' || n, 'CITTA' || (n % 500), '051' || n, n % 20 + 1"_s,
              100000 * scala);
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

void riga(const char* nome, double nostro, double limite, qsizetype righe)
{
    std::printf("%-36s %9.1f %9.1f %6.2fx  (%lld customers)\n", nome, nostro, limite, nostro / limite,
                static_cast<long long>(righe));
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--grande") == 0) {
            scala = 10;
            ripetizioni = 3;
        }
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    LetturaSqlite limite(db.file());
    schRicCliente& r = istanza<schRicCliente>();
    r.carica();
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
    // The memory a search with no criteria takes, before anything else has grown the process.
    const double prima = memoria("VmRSS:");
    azzeraPicco();
    c.cmdRicerca->click();
    const double durante = memoria("VmHWM:");

    std::printf("%d customers; median of %d runs, ms: ours, the limit (the same statement through the SQLite C "
                "API), their ratio\n",
                100000 * scala, ripetizioni);
    for (const Caso& caso : casi) {
        QList<double> tempi, limiti;
        for (int i = 0; i < ripetizioni; ++i) {
            r.reset();
            caso.imposta();
            QElapsedTimer t;
            t.start();
            c.cmdRicerca->click();
            tempi << ms(t);
            const Recordset& rs = c.griglia->recordset();
            t.restart();
            limite.leggi(rs.istruzione(), rs.valori());
            limiti << ms(t);
        }
        riga(caso.nome, mediana(tempi), mediana(limiti), c.griglia->model()->rowCount());
    }

    // "Modifica (F6)" on a customer of the last result (every customer) and "Conferma (F10)":
    // the card, its write and the refresh of the result.
    QList<double> modifiche, limiti;
    for (int i = 1; i <= ripetizioni; ++i) {
        c.griglia->setCurrentIndex(c.griglia->model()->index(i * 101, 0));
        seamModale::accoda([i](QWidget*) {
            auto& k = istanza<schCliente>().controlli();
            k.txtNome->setText(u"NOME MODIFICATO %1"_s.arg(i));
            QTest::keyClick(k.txtNome, Qt::Key_F10);
        });
        QElapsedTimer t;
        t.start();
        QTest::keyClick(c.griglia, Qt::Key_F6);
        modifiche << ms(t);
        const Recordset& rs = c.griglia->recordset();
        t.restart();
        limite.leggi(rs.istruzione(), rs.valori());
        limiti << ms(t);
    }
    riga("edit from the result and its refresh", mediana(modifiche), mediana(limiti), c.griglia->model()->rowCount());

    // Row changes in the last result: the appliances, maintenances, calls, activities, materials.
    QList<double> righe;
    for (int i = 1; i <= 50; ++i) {
        QElapsedTimer t;
        t.start();
        c.griglia->setCurrentIndex(c.griglia->model()->index(i * 37, 0));
        righe << ms(t);
    }
    std::printf("%-36s %9.2f\n", "row change (whole chain)", mediana(righe));
    std::printf("search with no criteria: the process at %.0f MB before it, at most %.0f MB during it\n", prima,
                durante);
    return 0;
}
