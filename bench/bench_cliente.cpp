// The customer card and the long lists on a large archive: 100,000 customers (10 % groups,
// 30 % owners, 60 % tenants) whose surnames were typed in no surname order (shuffled across the
// rows, 2 % beginning with an accent or an apostrophe), 150,000 appliances, 5,000 models and
// 2,000 installers; ten times as many with --grande. Times opening an edit card on a customer
// with 50 appliances, confirming it and drawing a customer number, each beside the statements
// it ran through the SQLite C API; and the first opening of every list of more than 1,000
// entries (the card's "Appartiene a", the appliance card's models and installers, the
// search's), beside its list's statement through the C API (a list of customers in Italian
// order by surname: the faster of the surname index walked and SQLite sorting them).
// Run by hand: QT_QPA_PLATFORM=offscreen bench_cliente [--grande]
#include "ambiente_test.h"
#include "cognomi_centro.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "vie_italiane.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/griglia.h"
#include "platform/ui/modale.h"
#include "search/scheda_ricerca.h"
#include <QPushButton>
#include <QRadioButton>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {
int clienti = 100000;
constexpr int ripetizioni = 7;

void riempi()
{
    Transazione t(connessione);
    const auto numeri = [](int n) {
        return u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "_s.arg(n);
    };
    connessione.esegui(u"INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'B', 'BAXI')"_s);
    connessione.esegui(u"INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto, tipo_nome) VALUES (1, 'C', 'CALDAIA')"_s);
    connessione.esegui(numeri(clienti / 20)
                       + u"INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) "
                         "SELECT x, 'MODELLO ' || (x * 7919 % 100000), 1, 1 FROM n"_s);
    connessione.esegui(numeri(clienti / 50)
                       + u"INSERT INTO installatori (idInst, nome_ins) SELECT x, 'INSTALLATORE ' || (x * 7919 % 100000) FROM n"_s);
    connessione.esegui(numeri(50) + u"INSERT INTO zone (sigla_zona, desc_zona) SELECT 'Z' || x, 'ZONA ' || x FROM n"_s);
    connessione.esegui(numeri(clienti)
                       + u"INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, cod_zona, cod_tipo_appartenenza, "
                         "cod_appartenenza) SELECT x, %1, 'NOME', 'VIA ROMA ' || x, "
                         "'TORINO', 1 + x % 50, CASE WHEN x % 10 = 0 THEN 1 WHEN x % 10 < 4 THEN 2 ELSE 3 END, 0 FROM n"_s
                             .arg(cognomeDiCentro(u"x"_s, clienti, false)));
    // 50 appliances for customer 7, the rest spread over the others.
    connessione.esegui(numeri(clienti * 3 / 2)
                       + u"INSERT INTO prodotti_ai_clienti (cod_cliente, cod_prodotto, data_coll) "
                         "SELECT CASE WHEN x <= 50 THEN 7 ELSE 1 + x % %1 END, 1, '2024-01-01' FROM n"_s.arg(clienti));
    connessione.esegui(u"UPDATE contatori SET cliente = %1"_s.arg(clienti));
    t.conferma();
    connessione.esegui(u"ANALYZE"_s);
}

// Ours and its limit, run after run. A list of customers in Italian order by surname is read
// by the limit both ways, the faster taken.
struct Misura {
    QList<double> nostri, altre;
    std::optional<VieItaliane> vie;
    QList<double> limiti() const
    {
        QList<double> l = altre;
        for (qsizetype i = 0; vie && i < l.size(); ++i)
            l[i] += vie->piuVeloce()[i];
        return l;
    }
};

const QString perCognome = u" order by cognome COLLATE ITALIANO"_s;

// Times `lavoro`, then the statements it ran through the C API.
void misura(Misura& m, LetturaSqlite& limite, const std::function<void()>& lavoro, bool soloLetture = false)
{
    QStringList istruzioni;
    QElapsedTimer t;
    {
        const IstruzioniEseguite eseguite;
        t.start();
        lavoro();
        m.nostri << ms(t);
        istruzioni = soloLetture ? eseguite.letture() : eseguite.tutte();
    }
    const auto italiana = std::find_if(istruzioni.cbegin(), istruzioni.cend(), [](const QString& sql) {
        return sql.endsWith(perCognome);
    });
    if (italiana != istruzioni.cend()) {
        const QString sql = *italiana;
        istruzioni.removeAt(italiana - istruzioni.cbegin());
        if (!m.vie) {
            QString perIndice = sql.chopped(perCognome.size()) + u" order by cognome"_s;
            perIndice.replace(u" from clienti "_s, u" from clienti INDEXED BY ix_clienti_cognome "_s);
            m.vie.emplace(perIndice, sql);
        }
        m.vie->misura(limite);
    }
    t.restart();
    limite.leggi(istruzioni);
    m.altre << ms(t);
}

// A list of customers beside its limit, and the limit's two ways, checked to the list's entries.
void confrontoElenco(const QString& cosa, const Misura& m, LetturaSqlite& limite, const QStringList& voci)
{
    confronto(qPrintable(cosa), m.nostri, m.limiti());
    if (!m.vie)
        return;
    m.vie->stampa();
    std::printf("    the list's entries the same rows in the same order as both ways: %s\n",
                m.vie->stesseRighe(limite, voci, 1, 1) ? "yes" : "NO");
}

// A list's first opening, drawn, and closed again.
void apri(ComboDati* lista)
{
    lista->showPopup();
    QCoreApplication::processEvents();
    lista->hidePopup();
}
} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--grande") == 0)
            clienti = 1000000;
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    LetturaSqlite limite(db.file());
    carico("at the start");

    Misura apertura, conferma, numero, appartenenza, modelli, installatori, appartenenzaRicerca, elenchiRicerca;
    int voci = 0;
    QStringList vociScheda, vociRicerca;
    for (int i = 0; i < ripetizioni; ++i) {
        schCliente& s = istanza<schCliente>();
        misura(apertura, limite, [&] {
            s.carica();
            s.nModalità = 1;
            s.ripristinaCliente(7);
            s.forma()->show();
            QCoreApplication::processEvents();
        });
        misura(appartenenza, limite, [&] { apri(s.controlli().cmbAppartenenza); }, true);
        voci = s.controlli().cmbAppartenenza->count();
        vociScheda = vociCombo(s.controlli().cmbAppartenenza);
        misura(conferma, limite, [&] { s.controlli().cmdConferma->click(); });
        misura(numero, limite, [&] { s.incCliente(); });
        rilasciaTutteLeFinestre();

        schProdottoCliente& p = istanza<schProdottoCliente>();
        p.carica();
        p.forma()->show();
        misura(modelli, limite, [&] {
            p.riempiModelli();
            apri(p.forma()->findChild<ComboDati*>(u"cmbModello"_s));
        });
        misura(installatori, limite, [&] {
            p.riempiInstallatori();
            apri(p.forma()->findChild<ComboDati*>(u"cmbInstallatore"_s));
        });
        rilasciaTutteLeFinestre();

        schRicCliente& r = istanza<schRicCliente>();
        r.carica();
        r.forma()->show();
        misura(appartenenzaRicerca, limite, [&] {
            r.controlli().optInquilino->click();
            apri(r.controlli().cmbAppartenenza);
        });
        vociRicerca = vociCombo(r.controlli().cmbAppartenenza);
        misura(elenchiRicerca, limite, [&] {
            r.riempiComboProdotti();
            apri(r.controlli().cmbProdotto);
            apri(r.controlli().cmbInstallatore);
        });
        rilasciaTutteLeFinestre();
    }
    std::printf("%d customers, their surnames shuffled across the rows; %d runs of each, interleaved\n", clienti,
                ripetizioni);
    intestazione("The customer card", "the statements it ran, through the SQLite C API (the windows' own work is "
                                      "not in it)");
    confronto("edit card, 50 appliances (opened, drawn)", apertura.nostri, apertura.limiti());
    confronto("confirming it", conferma.nostri, conferma.limiti());
    confronto("drawing a customer number", numero.nostri, numero.limiti());
    intestazione("Lists of more than 1,000 entries: filled, first opened and drawn (budget 3x)",
                 "the list's statement through the SQLite C API");
    confrontoElenco(u"card's \"Appartiene a\" (%1)"_s.arg(voci), appartenenza, limite, vociScheda);
    confronto(qPrintable(u"appliance card's models (%1)"_s.arg(clienti / 20)), modelli.nostri, modelli.limiti());
    confronto(qPrintable(u"appliance card's installers (%1)"_s.arg(clienti / 50)), installatori.nostri,
              installatori.limiti());
    confrontoElenco(u"search's \"Appartiene a\""_s, appartenenzaRicerca, limite, vociRicerca);
    confronto("search's eight appliance lists", elenchiRicerca.nostri, elenchiRicerca.limiti());
    carico("at the end");
    return 0;
}
