#include "ambiente_test.h"
#include "odbc_esterno.h"
#include "platform/ambiente/ambiente.h"
#include "platform/odbc/origine_dati.h"
#include "platform/ui/messaggi.h"
#include "shell/dsn/crea_dsn.h"
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

// The nine values of creaDSNRegistro, valid unless a case changes them.
struct Valori {
    QString nome = QStringLiteral("corvext");
    QString descrizione = QStringLiteral("Connessione database Corvext");
    QString fileDriver = QStringLiteral("SQLite3");
    QString idDriver = QStringLiteral("25");
    QString nomeDriver = QStringLiteral("SQLite3");
    QString fileDatabase = QStringLiteral("/srv/corvext/corvext.db");
    QString utente;
    QString password = QStringLiteral("KVDN1996");
    QString fileOdbcIni = QStringLiteral("/etc/odbc.ini");

    bool crea() const
    {
        return creaDSNRegistro(nome, descrizione, fileDriver, idDriver, nomeDriver, fileDatabase, utente, password,
                               fileOdbcIni);
    }
};

const QString sezione = QStringLiteral("corvext");
const QString elenco = QStringLiteral("ODBC Data Sources");

QString chiave(const QString& k)
{
    return odbc::valore(sezione, k, QStringLiteral("<assente>"));
}

} // namespace

class TestCreaDSN : public QObject {
    Q_OBJECT

    QList<std::chrono::milliseconds> attese;

    void verificaNienteScritto()
    {
        QVERIFY(!odbc::sezionePresente(sezione));
        QVERIFY(!odbc::chiavi(elenco).contains(sezione, Qt::CaseInsensitive));
    }

    void verificaErrore()
    {
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati()[0].testo, QStringLiteral("Unable to create DSN"));
        QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::critica);
        QCOMPARE(seamMessaggi::mostrati()[0].titolo, QStringLiteral("Error"));
        QCOMPARE(attese, QList<std::chrono::milliseconds>{std::chrono::milliseconds(2000)});
    }

private slots:
    void initTestCase()
    {
        impostaAttesaDSN([this](std::chrono::milliseconds d) { attese.append(d); });
    }

    void init()
    {
        seamOdbc::impostaScrittore({});
        QVERIFY(odbc::rimuoviSezione(sezione));
        QVERIFY(odbc::rimuoviSezione(elenco));
        seamMessaggi::azzera();
        attese.clear();
    }

    void cleanup()
    {
        seamOdbc::impostaScrittore({});
        impostaCartellaProgramma(QString());
    }

    void validazione_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("descrizione");
        QTest::addColumn<QString>("fileDriver");
        QTest::addColumn<QString>("idDriver");
        QTest::addColumn<QString>("nomeDriver");
        QTest::addColumn<QString>("fileOdbcIni");
        QTest::addColumn<QString>("testo");

        const Valori v;
        const QString vuoto, blanchi = QStringLiteral("   ");
        auto riga = [&](const char* caso, QString n, QString d, QString fd, QString id, QString nd, QString oi,
                        const char* testo) {
            QTest::newRow(caso) << n << d << fd << id << nd << oi << QString::fromLatin1(testo);
        };
        riga("nome vuoto", vuoto, v.descrizione, v.fileDriver, v.idDriver, v.nomeDriver, v.fileOdbcIni,
             "Missing data source name");
        riga("nome di soli spazi", blanchi, v.descrizione, v.fileDriver, v.idDriver, v.nomeDriver, v.fileOdbcIni,
             "Missing data source name");
        riga("descrizione vuota", v.nome, vuoto, v.fileDriver, v.idDriver, v.nomeDriver, v.fileOdbcIni,
             "Missing data source description");
        riga("descrizione di spazi", v.nome, QStringLiteral(" \t "), v.fileDriver, v.idDriver, v.nomeDriver,
             v.fileOdbcIni, "Missing data source description");
        riga("file del driver vuoto", v.nome, v.descrizione, vuoto, v.idDriver, v.nomeDriver, v.fileOdbcIni,
             "Missing driver file");
        riga("id del driver vuoto", v.nome, v.descrizione, v.fileDriver, vuoto, v.nomeDriver, v.fileOdbcIni,
             "Missing driver ID");
        riga("id del driver di spazi", v.nome, v.descrizione, v.fileDriver, blanchi, v.nomeDriver, v.fileOdbcIni,
             "Missing driver ID");
        riga("id del driver non numerico", v.nome, v.descrizione, v.fileDriver, QStringLiteral("abc"), v.nomeDriver,
             v.fileOdbcIni, "Driver ID must be numeric");
        riga("id del driver con spazio interno", v.nome, v.descrizione, v.fileDriver, QStringLiteral("2 5"),
             v.nomeDriver, v.fileOdbcIni, "Driver ID must be numeric");
        riga("nome del driver vuoto", v.nome, v.descrizione, v.fileDriver, v.idDriver, vuoto, v.fileOdbcIni,
             "Missing driver name");
        riga("file ODBC.ini vuoto", v.nome, v.descrizione, v.fileDriver, v.idDriver, v.nomeDriver, vuoto,
             "Missing ODBC.Ini path");
        // In order: the first failure is the one shown.
        riga("tutto vuoto", vuoto, vuoto, vuoto, vuoto, vuoto, vuoto, "Missing data source name");
        riga("descrizione prima del driver", v.nome, vuoto, vuoto, QStringLiteral("x"), vuoto, vuoto,
             "Missing data source description");
        riga("file del driver prima dell'id", v.nome, v.descrizione, vuoto, vuoto, vuoto, vuoto, "Missing driver file");
        riga("id vuoto prima di non numerico", v.nome, v.descrizione, v.fileDriver, vuoto, vuoto, vuoto,
             "Missing driver ID");
        riga("id non numerico prima del nome del driver", v.nome, v.descrizione, v.fileDriver, QStringLiteral("x"),
             vuoto, vuoto, "Driver ID must be numeric");
        riga("nome del driver prima del file ODBC.ini", v.nome, v.descrizione, v.fileDriver, v.idDriver, vuoto, vuoto,
             "Missing driver name");
    }

    void validazione()
    {
        QFETCH(QString, nome);
        QFETCH(QString, descrizione);
        QFETCH(QString, fileDriver);
        QFETCH(QString, idDriver);
        QFETCH(QString, nomeDriver);
        QFETCH(QString, fileOdbcIni);
        QFETCH(QString, testo);

        Valori v;
        v.nome = nome;
        v.descrizione = descrizione;
        v.fileDriver = fileDriver;
        v.idDriver = idDriver;
        v.nomeDriver = nomeDriver;
        v.fileOdbcIni = fileOdbcIni;
        QVERIFY(!v.crea());

        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati()[0].testo, testo);
        QCOMPARE(seamMessaggi::mostrati()[0].stile, stile::esclamazione);
        QCOMPARE(seamMessaggi::mostrati()[0].titolo, QStringLiteral("Missing Information"));
        verificaNienteScritto();
        QVERIFY(odbc::sezioni().isEmpty());
        QVERIFY(attese.isEmpty()); // a refusal ends the routine at once, without the wait
    }

    void idDriverNumerici_data()
    {
        QTest::addColumn<QString>("idDriver");
        QTest::newRow("25") << QStringLiteral("25");
        QTest::newRow("spazi attorno") << QStringLiteral("  25 ");
        QTest::newRow("segno") << QStringLiteral("+25");
        QTest::newRow("decimali") << QStringLiteral("25.0");
        QTest::newRow("esadecimale") << QStringLiteral("&H19");
    }

    void idDriverNumerici()
    {
        QFETCH(QString, idDriver);
        Valori v;
        v.idDriver = idDriver;
        QVERIFY(v.crea());
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QVERIFY(odbc::sezionePresente(sezione));
    }

    void scriveLaSezione()
    {
        Valori v;
        v.nome = QStringLiteral("  corvext ");
        v.descrizione = QStringLiteral(" Connessione database Corvext  ");
        v.fileDatabase = QStringLiteral("  /srv/corvext/corvext.db ");
        QVERIFY(v.crea());
        QVERIFY(seamMessaggi::mostrati().isEmpty());

        QCOMPARE(odbc::chiavi(sezione),
                 (QStringList{QStringLiteral("Description"), QStringLiteral("Driver"), QStringLiteral("Database"),
                              QStringLiteral("PWD"), QStringLiteral("UID"), QStringLiteral("Timeout")}));
        QCOMPARE(chiave(QStringLiteral("Description")), QStringLiteral("Connessione database Corvext"));
        QCOMPARE(chiave(QStringLiteral("Driver")), QStringLiteral("SQLite3"));
        QCOMPARE(chiave(QStringLiteral("Database")), QStringLiteral("/srv/corvext/corvext.db"));
        QCOMPARE(chiave(QStringLiteral("PWD")), QStringLiteral("KVDN1996"));
        QCOMPARE(chiave(QStringLiteral("UID")), QString());
        QCOMPARE(chiave(QStringLiteral("Timeout")), QStringLiteral("10000"));
        QCOMPARE(odbc::chiavi(elenco), QStringList{sezione});
        QCOMPARE(odbc::valore(elenco, sezione), QStringLiteral("SQLite3"));
        // Nothing of the Jet engine key nor the Driver32 line.
        QCOMPARE(odbc::sezioni(), QStringList{sezione}); // unixODBC does not list [ODBC Data Sources]
        QCOMPARE(attese, QList<std::chrono::milliseconds>{std::chrono::milliseconds(2000)});
    }

    void uidSempreEPwdSoloSeImpostata()
    {
        Valori v;
        v.password = QStringLiteral("   ");
        v.utente = QStringLiteral(" tecnico ");
        QVERIFY(v.crea());
        QVERIFY(!odbc::chiavi(sezione).contains(QStringLiteral("PWD")));
        QCOMPARE(chiave(QStringLiteral("UID")), QStringLiteral("tecnico"));

        QVERIFY(odbc::rimuoviSezione(sezione));
        v.password.clear();
        v.utente.clear();
        QVERIFY(v.crea());
        QVERIFY(!odbc::chiavi(sezione).contains(QStringLiteral("PWD")));
        QVERIFY(odbc::chiavi(sezione).contains(QStringLiteral("UID")));
        QCOMPARE(chiave(QStringLiteral("UID")), QString());
    }

    void databaseSoloSeImpostato()
    {
        Valori v;
        v.fileDatabase = QStringLiteral(" ");
        QVERIFY(v.crea());
        QVERIFY(!odbc::chiavi(sezione).contains(QStringLiteral("Database")));
        QVERIFY(odbc::chiavi(sezione).contains(QStringLiteral("Driver")));
    }

    void secondaCreazioneTieneLeAltreChiavi()
    {
        QVERIFY(odbc::scrivi({{sezione, QStringLiteral("Extra"), QStringLiteral("resta")},
                              {sezione, QStringLiteral("Description"), QStringLiteral("vecchia")},
                              {sezione, QStringLiteral("PWD"), QStringLiteral("vecchia")},
                              {elenco, QStringLiteral("altra"), QStringLiteral("SQLite3")}}));
        Valori v;
        v.password.clear();
        QVERIFY(v.crea());
        QCOMPARE(chiave(QStringLiteral("Extra")), QStringLiteral("resta"));
        QCOMPARE(chiave(QStringLiteral("Description")), QStringLiteral("Connessione database Corvext"));
        // An empty password is not written, so the value there stays.
        QCOMPARE(chiave(QStringLiteral("PWD")), QStringLiteral("vecchia"));
        QCOMPARE(odbc::valore(elenco, QStringLiteral("altra")), QStringLiteral("SQLite3"));

        // And once more over our own creation.
        v.fileDatabase = QStringLiteral("/altrove/corvext.db");
        QVERIFY(v.crea());
        QCOMPARE(chiave(QStringLiteral("Database")), QStringLiteral("/altrove/corvext.db"));
        QCOMPARE(chiave(QStringLiteral("Extra")), QStringLiteral("resta"));
        QCOMPARE(odbc::chiavi(sezione).size(), 7);
    }

    void scritturaFallita_data()
    {
        QTest::addColumn<int>("riuscite");
        // Seven writes: six keys of [corvext] and the entry under [ODBC Data Sources].
        for (int i = 0; i < 7; ++i)
            QTest::addRow("scrittura %d rifiutata", i + 1) << i;
    }

    void scritturaFallita()
    {
        QFETCH(int, riuscite);
        int contate = 0;
        seamOdbc::impostaScrittore([&](const QString& s, const QString& c, const QString& v) {
            if (contate++ >= riuscite)
                return false;
            return seamOdbc::scritturaReale(s, c, v);
        });
        QVERIFY(!Valori().crea());
        QCOMPARE(contate, riuscite + 1);
        seamOdbc::impostaScrittore({});
        verificaNienteScritto();
        verificaErrore();
    }

    void scritturaFallitaSuSorgenteEsistente()
    {
        QVERIFY(odbc::scrivi({{sezione, QStringLiteral("Extra"), QStringLiteral("resta")},
                              {sezione, QStringLiteral("Driver"), QStringLiteral("vecchio")}}));
        int contate = 0;
        seamOdbc::impostaScrittore([&](const QString& s, const QString& c, const QString& v) {
            if (contate++ >= 4)
                return false;
            return seamOdbc::scritturaReale(s, c, v);
        });
        QVERIFY(!Valori().crea());
        seamOdbc::impostaScrittore({});
        // The data source as it was before.
        QCOMPARE(odbc::chiavi(sezione), (QStringList{QStringLiteral("Extra"), QStringLiteral("Driver")}));
        QCOMPARE(chiave(QStringLiteral("Driver")), QStringLiteral("vecchio"));
        QCOMPARE(chiave(QStringLiteral("Extra")), QStringLiteral("resta"));
        QVERIFY(!odbc::sezionePresente(elenco));
        verificaErrore();
    }

    void erroreDuranteLaScrittura()
    {
        int contate = 0;
        seamOdbc::impostaScrittore([&](const QString& s, const QString& c, const QString& v) -> bool {
            if (contate++ == 2)
                throw std::runtime_error("guasto");
            return seamOdbc::scritturaReale(s, c, v);
        });
        QVERIFY(!Valori().crea());
        seamOdbc::impostaScrittore({});
        verificaNienteScritto();
        verificaErrore();
    }

    void valoreSuPiuRighe()
    {
        // A line break would add lines of its own to odbc.ini: refused, nothing written.
        Valori v;
        v.fileDatabase = QStringLiteral("/srv/a\n[altra]\nDriver=x.db");
        QVERIFY(!v.crea());
        verificaNienteScritto();
        QVERIFY(!odbc::sezionePresente(QStringLiteral("altra")));
        verificaErrore();
    }

    void creaDSNConIValoriDellaPiattaforma()
    {
        QTemporaryDir programma;
        QVERIFY(programma.isValid());
        impostaCartellaProgramma(programma.path());
        QVERIFY(creaDSN());
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(chiave(QStringLiteral("Description")), QStringLiteral("Connessione database Corvext"));
        QCOMPARE(chiave(QStringLiteral("Driver")), QStringLiteral("SQLite3")); // odbcinst.ini of the test names it
        QCOMPARE(chiave(QStringLiteral("Database")), programma.path() + QStringLiteral("/corvext.db"));
        QCOMPARE(chiave(QStringLiteral("PWD")), QStringLiteral("KVDN1996"));
        QCOMPARE(chiave(QStringLiteral("UID")), QString());
        QCOMPARE(chiave(QStringLiteral("Timeout")), QStringLiteral("10000"));
        QCOMPARE(odbc::valore(elenco, sezione), QStringLiteral("SQLite3"));
        QCOMPARE(attese.size(), 1);

        // The data source works as other ODBC tools use it: the driver manager loads the SQLite3
        // driver it names, which opens (and creates) the database.
        const QString esito = eseguiConDsn(QStringLiteral("DSN=corvext"), QStringLiteral("CREATE TABLE prova (a INTEGER)"));
        QVERIFY2(esito.isEmpty(), qPrintable(esito));
        QVERIFY(QFileInfo::exists(programma.path() + QStringLiteral("/corvext.db")));
    }

    void laVeraAttesa()
    {
        // Once, the real wait: two seconds on the monotonic clock.
        impostaAttesaDSN({});
        QElapsedTimer t;
        t.start();
        const bool fatto = Valori().crea();
        const qint64 trascorsi = t.elapsed();
        impostaAttesaDSN([this](std::chrono::milliseconds d) { attese.append(d); });
        QVERIFY(fatto);
        QVERIFY2(trascorsi >= 2000 && trascorsi < 4000, qPrintable(QString::number(trascorsi)));
    }
};

CORVEXT_TEST_MAIN(TestCreaDSN)
#include "tst_crea_dsn.moc"
