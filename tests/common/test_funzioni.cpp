#include "ambiente_test.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/ui/messaggi.h"
#include <QFile>

class TestFunzioni : public QObject {
    Q_OBJECT
private slots:
    void erroreDelComando()
    {
        DatabaseTest db(false);
        const bool riuscito = gestisci([] { connessione.esegui("SELEC nulla"); });
        QVERIFY(!riuscito);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        const auto box = seamMessaggi::mostrati().first();
        const QStringList righe = box.testo.split("\r\n");
        QCOMPARE(righe.size(), 4);
        QCOMPARE(righe[0], QString("Attenzione ! Si e' provato a creare un record gia' esistente nell'archivio."));
        QCOMPARE(righe[2], QString("ma che alcuni dati inseriti nell'archivio lo richiedano."));
        QVERIFY(righe[3].contains("syntax error"));
        QCOMPARE(box.stile, stile::soloOK);
    }

    void altroErrore()
    {
        seamMessaggi::azzera();
        segnalaErrore(ErroreDb(-5, "Fonte", "Qualcosa"));
        QCOMPARE(seamMessaggi::mostrati().first().testo,
                 QString("Attenzione! si è verificato il seguente errore: \r\n\r\nNUMERO: -5\r\nSOURCE: Fonte\r\n"
                         "DESCRIZIONE: Qualcosa\r\n\r\nAnnotare con cura i dati sopraelencati e comunicarli al programmatore"));
        seamMessaggi::azzera();
    }

    // What the operator can act on is said plainly, without the lines for the programmer.
    void erroriSpiegati_data()
    {
        QTest::addColumn<long>("numero");
        QTest::newRow("archive busy") << erroreArchivioOccupato;
        QTest::newRow("not the archive") << erroreFormatoArchivio;
    }
    void erroriSpiegati()
    {
        QFETCH(long, numero);
        seamMessaggi::azzera();
        segnalaErrore(ErroreDb(numero, "SQLite", "Spiegazione"));
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, QString("Spiegazione"));
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        seamMessaggi::azzera();
    }

    void logApertoInAggiunta()
    {
        DatabaseTest db(false);
        const QString file = db.cartella() + "/corvext.log";
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("prima\n");
        }
        apriLog();
        chiudiLog();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("prima\n"));
        QFile::remove(file);
        apriLog(); // created when missing
        chiudiLog();
        QVERIFY(QFile::exists(file));
    }
};

CORVEXT_TEST_MAIN(TestFunzioni)
#include "test_funzioni.moc"
