#include "ambiente_test.h"
#include "customers/appartenenza.h"
#include "platform/db/connessione.h"

class TestAppartenenza : public QObject {
    Q_OBJECT
private slots:
    void appartenenza()
    {
        DatabaseTest db;
        connessione.esegui("INSERT INTO clienti (idCli, cognome, cod_tipo_appartenenza) VALUES (1, 'A', 2)");
        connessione.esegui("INSERT INTO clienti (idCli, cognome, cod_tipo_appartenenza) VALUES (2, 'B', 9)");
        connessione.esegui("INSERT INTO clienti (idCli, cognome, cod_tipo_appartenenza) VALUES (3, 'C', null)");
        QCOMPARE(descrizioneAppartenenza(1), QString("Proprietario"));
        QCOMPARE(descrizioneAppartenenza(2), QString());
        QCOMPARE(descrizioneAppartenenza(3), QString());
        QCOMPARE(descrizioneAppartenenza(99), QString());
    }

    void clientiOfferti_data()
    {
        QTest::addColumn<QList<int>>("tipi");
        QTest::addColumn<int>("nulli");
        QTest::addColumn<QString>("attesi");
        QTest::newRow("groups and owners") << QList<int>{1, 2} << int(ComeElenco::voceNulla)
                                           << "2:<null>|1:ROSSI - MARIO|5:VERDI - ANNA";
        QTest::newRow("owners, a missing name as empty") << QList<int>{2} << int(ComeElenco::parteVuota)
                                                         << "2:BIANCHI - ";
        QTest::newRow("no membership") << QList<int>{0} << int(ComeElenco::parteVuota) << "4:NERI - LUCA";
    }
    void clientiOfferti()
    {
        QFETCH(QList<int>, tipi);
        QFETCH(int, nulli);
        QFETCH(QString, attesi);
        DatabaseTest db;
        for (const char* riga : {"1, 'ROSSI', 'MARIO', 1", "2, 'BIANCHI', null, 2", "3, 'ALBERTI', 'ANNA', 3",
                                 "4, 'NERI', 'LUCA', 0", "5, 'VERDI', 'ANNA', 1"})
            connessione.esegui(
                QString("INSERT INTO clienti (idCli, cognome, nome, cod_tipo_appartenenza) VALUES (%1)").arg(riga));
        QStringList righe;
        for (Recordset rs = clientiPerAppartenenza(tipi, "descr", ComeElenco::Nulli(nulli)); !rs.eof(); rs.moveNext())
            righe << rs["idcli"].toString() + ":" + (rs["descr"].isNull() ? QString("<null>") : rs["descr"].toString());
        QCOMPARE(righe.join("|"), attesi);
    }
};

CORVEXT_TEST_MAIN(TestAppartenenza)
#include "test_appartenenza.moc"
