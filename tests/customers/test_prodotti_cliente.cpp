#include "ambiente_test.h"
#include "customers/elimina_prodotto.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "platform/ui/combo_dati.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// Customer 5 with appliance 1 (model CALDAIA X) in calls 100 and 101, and appliance 2 in
// call 100: each appliance row of a call has an activity with a material, a defect and a
// request; appliance 1 has two maintenances, appliance 2 one.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'B', 'BAXI')",
             "INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto, tipo_nome) VALUES (1, 'C', 'CALDAIA')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'CALDAIA X', 1, 1), "
             "(2, 'CALDAIA Y', 1, 1)",
             "INSERT INTO clienti (idCli, cognome) VALUES (5, 'ROSSI')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, codice_interno, data_coll) VALUES "
             "(1, 5, 1, 'A1', '2024-05-01'), (2, 5, 2, 'B2', null)",
             "INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (100, 5), (101, 5)",
             "INSERT INTO interventi (cod_chiamata, cod_stato_int) VALUES (100, 'ESEGUITO'), (101, 'DA SVOLGERE')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (10, 100, 1), "
             "(11, 101, 1), (12, 100, 2)",
             "INSERT INTO attività_svolte (idAttivita, cod_prodotto) VALUES (20, 10), (21, 11), (22, 12)",
             "INSERT INTO matAtt (codAtt, codMat) VALUES (20, 1), (20, 2), (21, 1), (22, 1)",
             "INSERT INTO riscontro_su_prodotto (at_pr_codice) VALUES (10), (11), (12)",
             "INSERT INTO richieste (ricCodChiamata) VALUES (10), (11), (12)",
             "INSERT INTO manutenzioni (codProdotto, dataMan) VALUES (1, '2024-01-01'), (1, '2025-01-01'), "
             "(2, '2025-01-01')",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

// How many rows each table holds, in a fixed order.
QList<int> righe()
{
    QList<int> n;
    for (const char* t : {"prodotti_ai_clienti", "manutenzioni", "prodotti_in_chiamata", "attività_svolte", "matAtt",
                          "riscontro_su_prodotto", "richieste", "chiamate", "interventi", "clienti"})
        n << conta(u"SELECT count(*) FROM "_s + QString::fromUtf8(t));
    return n;
}

const QList<int> tutte{2, 3, 3, 3, 4, 3, 3, 2, 2, 1};
// Appliance 1 and everything of it gone; the calls, their interventions and appliance 2 stay.
const QList<int> senzaIlPrimo{1, 1, 1, 1, 1, 1, 1, 2, 2, 1};

QStringList colonnaGriglia(Griglia* g, int colonna)
{
    QStringList t;
    for (int r = 0; r < g->model()->rowCount(); ++r)
        t << g->model()->index(r, colonna).data().toString();
    return t;
}

ControlliCliente& c()
{
    return istanza<schCliente>().controlli();
}

void apri(long id, std::function<void(ControlliCliente&)> azione)
{
    seamModale::accoda([azione](QWidget*) { azione(c()); });
    schCliente& s = istanza<schCliente>();
    s.carica();
    s.nModalità = 1;
    if (s.ripristinaCliente(id))
        s.mostraModale();
}
} // namespace

class TestProdottiCliente : public QObject {
    Q_OBJECT
private slots:
    void cascata()
    {
        DatabaseTest db;
        riempi();
        QCOMPARE(righe(), tutte);
        eliminaProdottoCliente(1);
        QCOMPARE(righe(), senzaIlPrimo);
        QCOMPARE(conta(u"SELECT count(*) FROM matAtt WHERE codAtt = 22"_s), 1);
    }

    // A failure half-way leaves every row in place.
    void cascataInterrotta()
    {
        DatabaseTest db;
        riempi();
        connessione.esegui(u"CREATE TRIGGER guasto BEFORE DELETE ON richieste BEGIN SELECT RAISE(ABORT, 'guasto'); END"_s);
        QVERIFY_THROWS_EXCEPTION(ErroreDb, eliminaProdottoCliente(1));
        QCOMPARE(righe(), tutte);
    }

    // The grid lists by test date (none first), with type, brand, model and internal code.
    void griglia()
    {
        DatabaseTest db;
        riempi();
        QStringList modelli, intestazioni;
        apri(5, [&](ControlliCliente& k) {
            const QAbstractItemModel* m = k.grigliaProdotti->model();
            for (int i = 0; i < m->columnCount(); ++i)
                intestazioni << m->headerData(i, Qt::Horizontal).toString();
            for (int r = 0; r < m->rowCount(); ++r)
                modelli << m->index(r, 2).data().toString() + u" "_s + m->index(r, 3).data().toString();
        });
        QCOMPARE(intestazioni, (QStringList{u"Tipo"_s, u"Marca"_s, u"Modello"_s, u"COD.INT."_s}));
        QCOMPARE(modelli, (QStringList{u"CALDAIA Y B2"_s, u"CALDAIA X A1"_s}));
    }

    void elimina_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QList<int>>("dopo");
        QTest::newRow("Yes") << int(Risposta::Si) << senzaIlPrimo;
        QTest::newRow("No") << int(Risposta::No) << tutte;
        QTest::newRow("Enter on the question: No") << 0 << tutte;
    }
    void elimina()
    {
        QFETCH(int, risposta);
        QFETCH(QList<int>, dopo);
        DatabaseTest db;
        riempi();
        bool confermata = true;
        apri(5, [&](ControlliCliente& k) {
            k.grigliaProdotti->selectRow(1);
            if (risposta)
                seamMessaggi::rispondi(Risposta(risposta));
            QTest::keyClick(k.grigliaProdotti, Qt::Key_F8);
            k.cmdAnnulla->click();
        });
        confermata = istanza<schCliente>().bConferma;
        const auto& m = seamMessaggi::mostrati();
        QCOMPARE(m.size(), 1);
        QCOMPARE(m.first().titolo, u"ELIMINAZIONE PRODOTTO : CALDAIA X"_s);
        QCOMPARE(m.first().testo,
                 u"Questa operazione eliminerà il prodotto e tutti gli interventi ad esso collegati.\r\nConfermi "
                 "l'operazione ?"_s);
        QCOMPARE(m.first().stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(righe(), dopo);
        // The opener refreshes when an appliance went, though the card was cancelled.
        QCOMPARE(confermata, dopo == senzaIlPrimo);
    }

    // Leaving a new customer's card without confirming takes away the appliances stored under
    // its number, unless a customer row holds that number; nobody else's appliances.
    void annullaNuovoCliente_data()
    {
        QTest::addColumn<QStringList>("azioni");
        QTest::addColumn<int>("rimasti");
        QTest::newRow("one add") << QStringList{u"aggiungi"_s} << 0;
        QTest::newRow("an add, then a cancelled modify") << QStringList{u"aggiungi"_s, u"modifica annullata"_s} << 0;
        QTest::newRow("no appliance") << QStringList{} << 0;
        QTest::newRow("an add, then a delete") << QStringList{u"aggiungi"_s, u"elimina"_s} << 0;
        QTest::newRow("two adds, closed with the close box") << QStringList{u"aggiungi"_s, u"aggiungi"_s, u"chiudi"_s}
                                                            << 0;
        QTest::newRow("a customer took the number meanwhile") << QStringList{u"aggiungi"_s, u"collisione"_s} << 1;
    }
    void annullaNuovoCliente()
    {
        QFETCH(QStringList, azioni);
        QFETCH(int, rimasti);
        DatabaseTest db;
        riempi();
        schCliente& s = istanza<schCliente>();
        seamModale::accoda([&](QWidget*) {
            ControlliCliente& k = c();
            for (const QString& azione : azioni) {
                if (azione == u"aggiungi"_s) {
                    seamModale::accoda([](QWidget* p) {
                        p->findChild<ComboDati*>(u"cmbModello"_s)->impostaValoreLegato(1);
                        premi(p, u"cmConferma"_s);
                    });
                    k.cmdAggiungi->click();
                } else if (azione == u"modifica annullata"_s) {
                    seamModale::accoda([](QWidget* p) { premi(p, u"cmdAnnulla"_s); });
                    k.cmdModifica->click();
                } else if (azione == u"elimina"_s) {
                    seamMessaggi::rispondi(Risposta::Si);
                    k.cmdRimuovi->click();
                } else if (azione == u"collisione"_s) {
                    connessione.esegui(u"INSERT INTO clienti (idCli, cognome) VALUES (?, 'ALTRO')"_s,
                                       {qlonglong(s.nIDcliente)});
                }
            }
            if (!azioni.contains(u"chiudi"_s))
                k.cmdAnnulla->click();
        });
        s.nModalità = 0;
        QVERIFY(s.predisponi());
        s.mostraModale();
        QVERIFY(!s.bConferma);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti WHERE cod_cliente = ?"_s, {qlonglong(s.nIDcliente)}),
                 rimasti);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_ai_clienti WHERE cod_cliente = 5"_s), 2);
    }

    // An appliance added and changed on an edit card reaches the grid, and the opener hears of it.
    void aggiungiEModifica()
    {
        DatabaseTest db;
        riempi();
        QStringList codici;
        apri(5, [&](ControlliCliente& k) {
            seamModale::accoda([](QWidget* p) {
                p->findChild<ComboDati*>(u"cmbModello"_s)->impostaValoreLegato(2);
                premi(p, u"cmConferma"_s);
            });
            k.cmdAggiungi->click();
            k.grigliaProdotti->selectRow(1);
            seamModale::accoda([](QWidget* p) {
                p->findChild<QLineEdit*>(u"txtCodiceInterno"_s)->setText(u"z9"_s);
                premi(p, u"cmConferma"_s);
            });
            QTest::keyClick(k.grigliaProdotti, Qt::Key_F6);
            codici = colonnaGriglia(k.grigliaProdotti, 3);
            codici << k.grigliaProdotti->valore(u"codice_interno"_s).toString();
            k.cmdAnnulla->click();
        });
        QVERIFY(istanza<schCliente>().bConferma);
        QCOMPARE(codici, (QStringList{u"B2"_s, u"Z9"_s, u"A1"_s, u"Z9"_s}));
    }

    // Modify and delete with nothing to act on.
    void senzaProdotti_data()
    {
        QTest::addColumn<bool>("nuovo");
        QTest::addColumn<QStringList>("messaggi");
        QTest::newRow("new customer") << true << QStringList{u"Nessun elemento selezionato"_s};
        QTest::newRow("customer without appliances")
            << false << QStringList{u"Selezionare il prodotto da modificare!"_s, u"Selezionare il prodotto da eliminare"_s};
    }
    void senzaProdotti()
    {
        QFETCH(bool, nuovo);
        QFETCH(QStringList, messaggi);
        DatabaseTest db;
        connessione.esegui(u"INSERT INTO clienti (idCli, cognome) VALUES (5, 'ROSSI')"_s);
        auto azione = [](ControlliCliente& k) {
            k.cmdModifica->click();
            k.cmdRimuovi->click();
        };
        if (nuovo) {
            seamModale::accoda([azione](QWidget*) { azione(c()); });
            schCliente& s = istanza<schCliente>();
            s.nModalità = 0;
            QVERIFY(s.predisponi());
            s.mostraModale();
        } else {
            apri(5, azione);
        }
        QCOMPARE(seamMessaggi::testi(), messaggi);
    }
};

CORVEXT_TEST_MAIN(TestProdottiCliente)
#include "test_prodotti_cliente.moc"
