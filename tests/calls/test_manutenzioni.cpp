#include "ambiente_test.h"
#include "calls/manutenzioni.h"
#include "platform/db/connessione.h"

class TestManutenzioni : public QObject {
    Q_OBJECT
private slots:
    // The summary names the latest maintenance whose type exists.
    void riassunto_data()
    {
        QTest::addColumn<QStringList>("manutenzioni"); // "date,type" each; type 9 does not exist
        QTest::addColumn<QString>("atteso");
        QTest::newRow("none") << QStringList{} << "-";
        QTest::newRow("latest by date") << QStringList{"2024-03-01,1", "2025-01-15,2", "2023-12-31,2"}
                                        << "ORD'-15/01/2025";
        QTest::newRow("same day: the last stored") << QStringList{"2025-01-15,1", "2025-01-15,2"}
                                                   << "ORD'-15/01/2025";
        QTest::newRow("type missing does not count") << QStringList{"2024-03-01,1", "2025-01-15,9"}
                                                     << "STR-01/03/2024";
        QTest::newRow("another appliance's do not count") << QStringList{"2024-03-01,1", "2026-01-01,2,8"}
                                                          << "STR-01/03/2024";
    }
    void riassunto()
    {
        QFETCH(QStringList, manutenzioni);
        QFETCH(QString, atteso);
        DatabaseTest db;
        connessione.esegui("INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man) VALUES (1, 'STR'), (2, 'ORD''')");
        connessione.esegui("INSERT INTO prodotti_ai_clienti (id_pro_cli, manutenzione) VALUES (7, 'VECCHIO'), "
                           "(8, 'ALTRO')");
        for (const QString& m : manutenzioni) {
            const QStringList p = m.split(',');
            connessione.esegui("INSERT INTO manutenzioni (dataMan, codTipoMan, codProdotto) VALUES (?, ?, ?)",
                               {p[0], p[1].toInt(), p.value(2, "7").toInt()});
        }
        aggiornaManutenzioneProdotto(7);
        QCOMPARE(connessione.apriAvanti("SELECT manutenzione FROM prodotti_ai_clienti WHERE id_pro_cli = 7")
                     .campo(0)
                     .toString(),
                 atteso);
        QCOMPARE(connessione.apriAvanti("SELECT manutenzione FROM prodotti_ai_clienti WHERE id_pro_cli = 8")
                     .campo(0)
                     .toString(),
                 QString("ALTRO"));
    }

    void materiali()
    {
        DatabaseTest db;
        connessione.esegui("INSERT INTO attività_svolte (idAttivita, cod_prodotto) VALUES (1, 10), (2, 10), (3, 11)");
        connessione.esegui("INSERT INTO matAtt (codAtt, codMat) VALUES (1, 5), (2, 5), (2, 6), (3, 5)");
        eliminaAttivitaProdotto(10);
        QCOMPARE(connessione.apriAvanti("SELECT group_concat(codAtt) FROM matAtt").campo(0).toString(), QString("3"));
        QCOMPARE(connessione.apriAvanti("SELECT count(*) FROM attività_svolte").campo(0).toInt(), 3);
    }
};

CORVEXT_TEST_MAIN(TestManutenzioni)
#include "test_manutenzioni.moc"
