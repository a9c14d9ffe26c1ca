#include "ambiente_test.h"
#include "customers/elimina_prodotto.h"
#include "customers/scheda_cliente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
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
        QCOMPARE(m.first().stile, stile::siNo | stile::domanda);
        QCOMPARE(righe(), dopo);
        // The opener refreshes when an appliance went, though the card was cancelled.
        QCOMPARE(confermata, dopo == senzaIlPrimo);
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
