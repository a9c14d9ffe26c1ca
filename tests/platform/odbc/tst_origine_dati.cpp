#include "ambiente_test.h"
#include "platform/odbc/origine_dati.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <odbcinst.h>
#include <stdexcept>

// The system data sources through the odbcinst API, in the private ODBCSYSINI folder that
// preparaAmbienteTest() set for this process.
class TestOrigineDati : public QObject {
    Q_OBJECT

    QTemporaryDir casa;      // the user's odbc.ini (ODBCINI), with a data source the system look-ups must not see
    QTemporaryDir librerie;  // a stand-in driver library
    QByteArray odbcinstOriginale;

    static QString fileDriver() { return cartellaOdbcTest() + QStringLiteral("/odbcinst.ini"); }

    static void scriviFile(const QString& file, const QByteArray& testo)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(testo);
    }

    static QByteArray leggiFile(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A writer that lets `riuscite` writes through and refuses the next one.
    static seamOdbc::Scrittore falliscePoi(int riuscite, int* contate)
    {
        return [riuscite, contate](const QString& s, const QString& c, const QString& v) {
            if ((*contate)++ >= riuscite)
                return false;
            return seamOdbc::scritturaReale(s, c, v);
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(casa.isValid());
        qputenv("ODBCINI", QFile::encodeName(casa.path() + QStringLiteral("/odbc.ini")));
        scriviFile(casa.path() + QStringLiteral("/odbc.ini"), "[soloUtente]\nDriver=SQLite3\n");
        odbcinstOriginale = leggiFile(fileDriver());
    }

    void init()
    {
        seamOdbc::impostaScrittore({});
        for (const QString& s : odbc::sezioni())
            QVERIFY(odbc::rimuoviSezione(s));
        QVERIFY(odbc::rimuoviSezione(QStringLiteral("ODBC Data Sources")));
        QVERIFY(odbc::sezioni().isEmpty());
        QVERIFY(!odbc::sezionePresente(QStringLiteral("ODBC Data Sources")));
    }

    void cleanup()
    {
        seamOdbc::impostaScrittore({});
        scriviFile(fileDriver(), odbcinstOriginale);
    }

    void fileDiSistema()
    {
        QCOMPARE(odbc::fileOdbcIni(), QDir(cartellaOdbcTest()).filePath(QStringLiteral("odbc.ini")));
        // The same file that `odbcinst -j` reports, when the tool is there.
        const QString programma = QStandardPaths::findExecutable(QStringLiteral("odbcinst"));
        if (programma.isEmpty())
            return;
        QProcess p;
        p.start(programma, {QStringLiteral("-j")});
        QVERIFY(p.waitForFinished(10000));
        const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(uscita.contains(QStringLiteral("SYSTEM DATA SOURCES: ") + odbc::fileOdbcIni() + QLatin1Char('\n')),
                 qPrintable(uscita));
    }

    void sezioneMancante()
    {
        QVERIFY(!odbc::sezionePresente(QStringLiteral("corvext")));
        QVERIFY(odbc::chiavi(QStringLiteral("corvext")).isEmpty());
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("x")), QStringLiteral("x"));
        QVERIFY(!odbc::sezionePresente(QString()));
    }

    void scriveELegge()
    {
        QVERIFY(odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("SQLite3")},
                              {QStringLiteral("corvext"), QStringLiteral("Database"), QStringLiteral("/tmp/è.db")},
                              {QStringLiteral("corvext"), QStringLiteral("UID"), QString()},
                              {QStringLiteral("ODBC Data Sources"), QStringLiteral("corvext"), QStringLiteral("SQLite3")}}));
        QVERIFY(odbc::sezionePresente(QStringLiteral("corvext")));
        QVERIFY(odbc::sezionePresente(QStringLiteral("CORVEXT"))); // unixODBC's own look-up ignores case
        // unixODBC lists sections without [ODBC Data Sources]; it is there all the same.
        QCOMPARE(odbc::sezioni(), QStringList{QStringLiteral("corvext")});
        QVERIFY(odbc::sezionePresente(QStringLiteral("ODBC Data Sources")));
        QCOMPARE(odbc::chiavi(QStringLiteral("corvext")),
                 (QStringList{QStringLiteral("Driver"), QStringLiteral("Database"), QStringLiteral("UID")}));
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("Database")), QStringLiteral("/tmp/è.db"));
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("UID"), QStringLiteral("x")), QString());
        QCOMPARE(odbc::valore(QStringLiteral("ODBC Data Sources"), QStringLiteral("corvext")), QStringLiteral("SQLite3"));
        // Written to the file itself, as the driver manager of another process reads it.
        const QByteArray file = leggiFile(odbc::fileOdbcIni());
        QVERIFY2(file.contains("[corvext]") && file.contains("Database") && file.contains("/tmp/è.db"), file.constData());
    }

    void soloIlSistema()
    {
        // The user's odbc.ini is there (a look-up in the default mode sees it) ...
        char buffer[4096] = {};
        SQLSetConfigMode(ODBC_BOTH_DSN);
        SQLGetPrivateProfileString("soloUtente", "Driver", "", buffer, sizeof buffer, "odbc.ini");
        QCOMPARE(QByteArray(buffer), QByteArray("SQLite3"));
        // ... but the system data sources are what this layer reads.
        QVERIFY(!odbc::sezionePresente(QStringLiteral("soloUtente")));
        QVERIFY(odbc::valore(QStringLiteral("soloUtente"), QStringLiteral("Driver")).isEmpty());
        // And the mode is the default again afterwards, for the driver manager in this process.
        UWORD modo = 99;
        QVERIFY(SQLGetConfigMode(&modo));
        QCOMPARE(modo, UWORD(ODBC_BOTH_DSN));
    }

    void riscritturaTieneLeAltreChiavi()
    {
        QVERIFY(odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("Extra"), QStringLiteral("1")},
                              {QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("vecchio")}}));
        QVERIFY(odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("nuovo")}}));
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("Driver")), QStringLiteral("nuovo"));
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("Extra")), QStringLiteral("1"));
        QCOMPARE(odbc::chiavi(QStringLiteral("corvext")), (QStringList{QStringLiteral("Extra"), QStringLiteral("Driver")}));
    }

    void fallimentoSuSezioneNuova_data()
    {
        QTest::addColumn<int>("riuscite");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("scrittura %d rifiutata", i + 1) << i;
    }

    void fallimentoSuSezioneNuova()
    {
        QFETCH(int, riuscite);
        QVERIFY(odbc::scrivi({{QStringLiteral("altra"), QStringLiteral("K"), QStringLiteral("v")}}));
        int contate = 0;
        seamOdbc::impostaScrittore(falliscePoi(riuscite, &contate));
        QVERIFY(!odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("Description"), QStringLiteral("d")},
                               {QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("SQLite3")},
                               {QStringLiteral("corvext"), QStringLiteral("UID"), QString()},
                               {QStringLiteral("ODBC Data Sources"), QStringLiteral("corvext"), QStringLiteral("SQLite3")}}));
        QCOMPARE(contate, riuscite + 1);
        seamOdbc::impostaScrittore({});
        QVERIFY(!odbc::sezionePresente(QStringLiteral("corvext")));
        QVERIFY(!odbc::sezionePresente(QStringLiteral("ODBC Data Sources")));
        QCOMPARE(odbc::sezioni(), QStringList{QStringLiteral("altra")});
        QVERIFY(!leggiFile(odbc::fileOdbcIni()).contains("corvext"));
    }

    void fallimentoSuSezioneEsistente()
    {
        QVERIFY(odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("Extra"), QStringLiteral("1")},
                              {QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("vecchio")},
                              {QStringLiteral("ODBC Data Sources"), QStringLiteral("altra"), QStringLiteral("X")}}));
        int contate = 0;
        seamOdbc::impostaScrittore(falliscePoi(3, &contate));
        QVERIFY(!odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("Driver"), QStringLiteral("nuovo")},
                               {QStringLiteral("corvext"), QStringLiteral("Database"), QStringLiteral("/x.db")},
                               {QStringLiteral("ODBC Data Sources"), QStringLiteral("corvext"), QStringLiteral("SQLite3")},
                               {QStringLiteral("corvext"), QStringLiteral("Timeout"), QStringLiteral("10000")}}));
        seamOdbc::impostaScrittore({});
        QCOMPARE(odbc::chiavi(QStringLiteral("corvext")), (QStringList{QStringLiteral("Extra"), QStringLiteral("Driver")}));
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("Driver")), QStringLiteral("vecchio"));
        QCOMPARE(odbc::valore(QStringLiteral("corvext"), QStringLiteral("Extra")), QStringLiteral("1"));
        QCOMPARE(odbc::chiavi(QStringLiteral("ODBC Data Sources")), QStringList{QStringLiteral("altra")});
    }

    void eccezioneDelloScrittore()
    {
        int contate = 0;
        seamOdbc::impostaScrittore([&contate](const QString& s, const QString& c, const QString& v) -> bool {
            if (contate++ == 1)
                throw std::runtime_error("guasto");
            return seamOdbc::scritturaReale(s, c, v);
        });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("A"), QStringLiteral("1")},
                                               {QStringLiteral("corvext"), QStringLiteral("B"), QStringLiteral("2")}}));
        seamOdbc::impostaScrittore({});
        QVERIFY(!odbc::sezionePresente(QStringLiteral("corvext")));
    }

    void rimozioni()
    {
        QVERIFY(odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("A"), QStringLiteral("1")},
                              {QStringLiteral("corvext"), QStringLiteral("B"), QStringLiteral("2")},
                              {QStringLiteral("altra"), QStringLiteral("C"), QStringLiteral("3")}}));
        QVERIFY(odbc::rimuoviChiave(QStringLiteral("corvext"), QStringLiteral("A")));
        QVERIFY(odbc::rimuoviChiave(QStringLiteral("corvext"), QStringLiteral("nessuna")));
        QCOMPARE(odbc::chiavi(QStringLiteral("corvext")), QStringList{QStringLiteral("B")});
        QVERIFY(odbc::rimuoviSezione(QStringLiteral("corvext")));
        QVERIFY(odbc::rimuoviSezione(QStringLiteral("corvext")));
        QCOMPARE(odbc::sezioni(), QStringList{QStringLiteral("altra")});
        QCOMPARE(odbc::valore(QStringLiteral("altra"), QStringLiteral("C")), QStringLiteral("3"));
    }

    void fileMancante()
    {
        // A missing odbc.ini reads as no data source and is created by the first write.
        QVERIFY(QFile::remove(odbc::fileOdbcIni()));
        QVERIFY(!odbc::sezionePresente(QStringLiteral("corvext")));
        QFile::remove(odbc::fileOdbcIni());
        QVERIFY(odbc::scrivi({{QStringLiteral("corvext"), QStringLiteral("A"), QStringLiteral("1")}}));
        QVERIFY(odbc::sezionePresente(QStringLiteral("corvext")));
    }

    void driverRegistrato()
    {
        // preparaAmbienteTest() registered [SQLite3] in odbcinst.ini.
        QCOMPARE(odbc::driverSqlite(), QStringLiteral("SQLite3"));
    }

    void driverSottoAltroNome()
    {
        QVERIFY(librerie.isValid());
        const QString libreria = librerie.filePath(QStringLiteral("libsqlite3odbc.so"));
        scriviFile(libreria, "");
        scriviFile(fileDriver(), "[SQLite]\nDriver=/usr/lib/altro/libsqliteodbc.so\n\n[Driver SQLite 3]\nDriver="
                                     + QFile::encodeName(libreria) + "\n");
        QCOMPARE(odbc::driverSqlite(), libreria);
    }

    void driverNonRegistrato()
    {
        scriviFile(fileDriver(), "[Altro driver]\nDriver=/usr/lib/libaltro.so\n");
        const QString debian = QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so");
        const QString trovato = odbc::driverSqlite();
        if (QFileInfo::exists(debian))
            QCOMPARE(trovato, debian);
        else
            QVERIFY(trovato.isEmpty() || (QFileInfo(trovato).isAbsolute() && QFileInfo::exists(trovato)));
    }
};

CORVEXT_TEST_MAIN(TestOrigineDati)
#include "tst_origine_dati.moc"
