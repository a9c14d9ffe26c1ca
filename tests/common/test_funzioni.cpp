#include "ambiente.h"
#include "ambiente_test.h"
#include "connessione.h"
#include "errore_db.h"
#include "funzioni.h"
#include "messaggi.h"
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

class TestFunzioni : public QObject {
    Q_OBJECT
private slots:
    void init() { impostaOrologio([] { return QDate(2024, 3, 7); }); }
    void cleanup() { impostaOrologio({}); }

    void testiPerSql_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("apostrophe doubled, upper case") << "l'anno" << "L''ANNO";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("accented letters") << "perché così" << "PERCHÉ COSÌ";
        QTest::newRow("two apostrophes") << "a''b" << "A''''B";
    }
    void testiPerSql()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(sqlTesto(testo), atteso);
    }

    void datePerSql_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("padded") << "01/01/2025" << "1/1/2025";
        QTest::newRow("day before month") << "07/03/2024" << "3/7/2024";
        QTest::newRow("without year") << "25/12" << "12/25/2024";
        QTest::newRow("two-digit year") << "5/6/25" << "6/5/2025";
        QTest::newRow("empty gives today, padded") << "" << "03/07/2024";
        QTest::newRow("letters give today") << "domani" << "03/07/2024";
        QTest::newRow("impossible date gives today") << "31/02/2024" << "03/07/2024";
    }
    void datePerSql()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(dataSQL(testo), atteso);
    }

    void valoriNulli()
    {
        QCOMPARE(nz(QVariant()).toString(), QString());
        QCOMPARE(nz(QVariant()).toInt() + 5, 5);
        QCOMPARE(nz(QVariant(7)).toInt(), 7);
        QCOMPARE(seNullo(QVariant(), 3).toInt(), 3);
        QCOMPARE(seNullo(QVariant("x"), 3).toString(), QString("x"));
    }

    void tastoDecimale_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("atteso");
        QTest::newRow("point becomes comma") << "12" << 46 << 44;
        QTest::newRow("second comma refused") << "12,5" << 46 << 0;
        QTest::newRow("digit passes") << "12,5" << int('7') << int('7');
        QTest::newRow("backspace passes") << "12,5" << 8 << 8;
        QTest::newRow("letter refused") << "12" << int('a') << 0;
        QTest::newRow("typed comma refused") << "12" << 44 << 0;
        QTest::newRow("minus refused") << "" << int('-') << 0;
        QTest::newRow("blank refused") << "1" << int(' ') << 0;
    }
    void tastoDecimale()
    {
        QFETCH(QString, testo);
        QFETCH(int, tasto);
        QFETCH(int, atteso);
        QCOMPARE(filtraTastoDecimale(tasto, testo), atteso);
    }

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

    void centraAncoraPrimaDiMostrare()
    {
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        auto* dentro = new QWidget;
        dentro->setFixedSize(300, 100);
        l->addWidget(dentro);
        QVERIFY(w.sizeHint().width() >= 300); // the size it will open at
        centraForm(&w);
        const QRect schermo = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w.pos(), QPoint((schermo.width() - w.sizeHint().width()) / 2,
                                 (schermo.height() - w.sizeHint().height()) / 2));
        w.resize(500, 400);
        centraForm(&w);
        QCOMPARE(w.pos(), QPoint((schermo.width() - 500) / 2, (schermo.height() - 400) / 2));
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
