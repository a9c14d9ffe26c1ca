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
};

CORVEXT_TEST_MAIN(TestAppartenenza)
#include "test_appartenenza.moc"
