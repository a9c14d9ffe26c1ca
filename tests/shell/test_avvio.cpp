#include "platform/ambiente/ambiente.h"
#include "altra_postazione.h"
#include "ambiente_test.h"
#include "shell/autenticazione.h"
#include "platform/db/connessione.h"
#include "shell/dsn/crea_dsn.h"
#include "platform/display/display.h"
#include "shell/mdi_principale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "platform/odbc/origine_dati.h"
#include "common/stato.h"
#include "shell/avvio.h"
#include "schema/aggiornamenti.h"
#include "schema/schema.h"
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString testoDsn = "ATTENZIONE ! Non e' stata rilevato il DSN di sistema per il database.\r\n"
                         "Premi ok per creare un nuovo DSN";
const QString riavviare = "Riavviare il programma";
const QString supporto = "Contattare il supporto tecnico per la risoluzione del problema.";
const QString risoluzione = "ATTENZIONE !\r\nPer una corretta visualizzazione del programma lo schermo\r\n"
                            "deve essere impostato alla risoluzione di 800 x 600\r\nCambiare la risoluzione dello schermo ?";
const QString autorizzazioni = "Il programma terminerà a causa di mancanza di autorizzazioni a procedere";

enum Login { nessuno, annulla, chiusura, amministratore, operatore };
enum Dsn { presente, mancante, mancanteCreazioneFallita, databaseRotto };

void accodaLogin(Login l)
{
    if (l == nessuno)
        return;
    seamModale::accoda([l](QWidget*) {
        auto& c = istanza<schAutenticazione>().controlli();
        switch (l) {
        case annulla:
            c.cmdAnnulla->click();
            break;
        case chiusura:
            break; // left open: the seam closes it with the close box
        case amministratore:
            c.txtOperatore->setText("admin");
            c.txtPassword->setText("admin");
            c.cmdConferma->click();
            break;
        case operatore:
            c.txtOperatore->setText("mario");
            c.txtPassword->setText("x");
            c.cmdConferma->click();
            break;
        default:
            break;
        }
    });
}
} // namespace

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        impostaAttesaDSN([](std::chrono::milliseconds) {});
        nomeOperatore.clear();
        codiceOperatore = 0;
        impostaTitoloApplicazione("Corvext");
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        connessione.chiudi();
        seamMessaggi::azzera();
        seamModale::azzera();
        seamSchermo::disattiva();
        seamOdbc::impostaScrittore({});
        impostaCartellaProgramma(QString());
    }

    void avvio_data()
    {
        QTest::addColumn<int>("dsn");
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<QList<int>>("risposte");
        QTest::addColumn<int>("login");
        QTest::addColumn<bool>("avviato");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<int>("cambi");
        QTest::addColumn<bool>("dsnDopo");

        const QList<int> ok{int(Risposta::OK)}, annullato{int(Risposta::Annulla)}, si{int(Risposta::Si)},
            no{int(Risposta::No)};
        QTest::newRow("no data source, OK creates it") << int(mancante) << QSize(800, 600) << ok << int(nessuno)
                                                       << false << QStringList{testoDsn, riavviare} << 0 << true;
        QTest::newRow("no data source, Cancel") << int(mancante) << QSize(800, 600) << annullato << int(nessuno)
                                                << false << QStringList{testoDsn, supporto} << 0 << false;
        QTest::newRow("creation failing") << int(mancanteCreazioneFallita) << QSize(800, 600) << ok << int(nessuno)
                                          << false << QStringList{testoDsn, "Unable to create DSN", supporto} << 0
                                          << false;
        QTest::newRow("1024 x 768 asked, No") << int(presente) << QSize(1024, 768) << no << int(amministratore)
                                              << true << QStringList{risoluzione} << 0 << true;
        QTest::newRow("1024 x 768 asked, Yes") << int(presente) << QSize(1024, 768) << si << int(amministratore)
                                               << true << QStringList{risoluzione} << 1 << true;
        QTest::newRow("1024 x 768, Enter takes No") << int(presente) << QSize(1024, 768) << QList<int>{}
                                                    << int(amministratore) << true << QStringList{risoluzione} << 0
                                                    << true;
        QTest::newRow("800 x 768 not asked") << int(presente) << QSize(800, 768) << QList<int>{} << int(amministratore)
                                             << true << QStringList{} << 0 << true;
        QTest::newRow("1024 x 600 not asked") << int(presente) << QSize(1024, 600) << QList<int>{}
                                              << int(amministratore) << true << QStringList{} << 0 << true;
        QTest::newRow("login cancelled") << int(presente) << QSize(800, 600) << QList<int>{} << int(annulla) << false
                                         << QStringList{autorizzazioni} << 0 << true;
        QTest::newRow("login closed with its close box") << int(presente) << QSize(800, 600) << QList<int>{}
                                                         << int(chiusura) << false << QStringList{autorizzazioni} << 0
                                                         << true;
    }
    void avvio()
    {
        QFETCH(int, dsn);
        QFETCH(QSize, schermo);
        QFETCH(QList<int>, risposte);
        QFETCH(int, login);
        QFETCH(bool, avviato);
        QFETCH(QStringList, testi);
        QFETCH(int, cambi);
        QFETCH(bool, dsnDopo);

        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        if (dsn == presente)
            registraDsnTest(creaDatabaseVuoto(dir.path()));
        else
            rimuoviDsnTest();
        if (dsn == mancanteCreazioneFallita)
            seamOdbc::impostaScrittore([](const QString&, const QString& k, const QString&) { return k != "UID"; });
        seamSchermo::attiva(schermo.width(), schermo.height());
        for (int r : risposte)
            seamMessaggi::rispondi(Risposta(r));
        accodaLogin(Login(login));

        QCOMPARE(Main(), avviato);
        QCOMPARE(seamMessaggi::testi(), testi);
        QCOMPARE(seamSchermo::richieste().size(), cambi);
        if (cambi)
            QCOMPARE(seamSchermo::richieste().first(), QSize(800, 600));
        QCOMPARE(odbc::sezionePresente("corvext"), dsnDopo);
        // Without a data source the database is never opened, nor the login shown.
        QCOMPARE(connessione.aperta(), dsn == presente);
        QCOMPARE(seamModale::mostrate().isEmpty(), dsn != presente);
        QCOMPARE(esisteIstanza<MDIprincipale>() && istanza<MDIprincipale>().caricata()
                     && istanza<MDIprincipale>().forma()->isVisible(),
                 avviato);
        if (avviato)
            QCOMPARE(nomeOperatore, QString("ADMIN"));
    }

    void titoli()
    {
        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        registraDsnTest(creaDatabaseVuoto(dir.path()));
        seamSchermo::attiva(1024, 768);
        accodaLogin(annulla);
        Main();
        const auto& m = seamMessaggi::mostrati();
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0].titolo, QString("Cambio Risoluzione Schermo"));
        QCOMPARE(m[0].stile, stile::siNo | stile::secondoPredefinito);
        QCOMPARE(m[1].titolo, QString("Gestione QVR GAS"));
        QCOMPARE(m[1].stile, stile::esclamazione);
        QCOMPARE(seamModale::mostrate(), QStringList{"Autenticazione"});
    }

    void titoloPrimaDellaConnessione()
    {
        rimuoviDsnTest();
        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        seamMessaggi::rispondi(Risposta::Annulla);
        Main();
        QCOMPARE(seamMessaggi::mostrati().first().titolo, QString("Corvext"));
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::okAnnulla);
    }

    void databaseCheNonSiApre_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("file missing") << "corvext.db" << "SQLite3" << "non esiste";
        QTest::newRow("folder missing") << "manca/corvext.db" << "SQLite3" << "non esiste";
        QTest::newRow("another driver") << "" << "PostgreSQL Unicode" << "non usa il driver SQLite3";
        QTest::newRow("another driver's library")
            << "" << "/usr/lib/x86_64-linux-gnu/odbc/psqlodbcw.so" << "non usa il driver SQLite3";
    }
    void databaseCheNonSiApre()
    {
        QFETCH(QString, file);
        QFETCH(QString, driver);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        const QString percorso = file.isEmpty() ? creaDatabaseVuoto(dir.path()) : dir.path() + "/" + file;
        registraDsnTest(percorso);
        QVERIFY(odbc::scrivi({{"corvext", "Driver", driver}}));
        seamSchermo::attiva(800, 600);
        QVERIFY(!Main());
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        const QString testo = seamMessaggi::mostrati().first().testo;
        QVERIFY(testo.startsWith("Attenzione! si è verificato il seguente errore: "));
        QVERIFY2(testo.contains(motivo), qPrintable(testo));
        QVERIFY(seamModale::mostrate().isEmpty());
        // Opening never creates the file the data source names.
        QCOMPARE(QFileInfo::exists(percorso), file.isEmpty());
        if (file.isEmpty())
            QCOMPARE(QFileInfo(percorso).size(), 0);
    }

    // A file the program cannot use is refused before the login with a message that names it,
    // and left exactly as it was: another program's database, one that lost part of the
    // schema, one a newer version upgraded, a file that is no database at all.
    void archivioInutilizzabile_data()
    {
        const QString estraneo = "ATTENZIONE ! Il file %1 non è un archivio del programma o è incompleto.\r\n"
                                 "Il programma non può usarlo.";
        QTest::addColumn<bool>("nostro");
        QTest::addColumn<QString>("altraPostazione");
        QTest::addColumn<QString>("testo");
        QTest::newRow("another program's database") << false << "CREATE TABLE fatture (numero INTEGER, importo REAL)"
                                                    << estraneo;
        QTest::newRow("a table missing") << true << "DROP TABLE tipoabb" << estraneo;
        QTest::newRow("a column missing") << true << "ALTER TABLE clienti DROP COLUMN gruppo" << estraneo;
        QTest::newRow("upgraded by a newer version")
            << true
            << QString("CREATE TABLE novita (x INTEGER); PRAGMA user_version = %1").arg(aggiornamenti().last().versione + 1)
            << "ATTENZIONE ! L'archivio %1 è stato aggiornato da una versione più recente del programma.\r\n"
               "Questa versione non può usarlo: installare la versione più recente.";
        QTest::newRow("no database at all") << false << "" << estraneo;
    }
    void archivioInutilizzabile()
    {
        QFETCH(bool, nostro);
        QFETCH(QString, altraPostazione);
        QFETCH(QString, testo);
        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        const QString file = creaDatabaseVuoto(dir.path());
        registraDsnTest(file);
        if (nostro) {
            connessione.apriFile(file);
            preparaDatabase(connessione);
            connessione.chiudi();
        }
        if (!altraPostazione.isEmpty()) {
            AltraPostazione altra(file);
            altra.esegui(altraPostazione);
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Elenco clienti\n").repeated(400));
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray prima = f.readAll();
        f.close();
        seamSchermo::attiva(800, 600);

        QVERIFY(!Main());
        QCOMPARE(seamMessaggi::testi(), QStringList{testo.arg(file)});
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(!connessione.aperta());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == prima);
    }

    // Another workstation in the middle of a write: a start on an archive that is up to date
    // does not wait for it; one that must upgrade the archive says it is busy. Its write is kept.
    void avvioMentreAltraPostazioneScrive_data()
    {
        QTest::addColumn<bool>("aggiornato");
        QTest::newRow("archive up to date") << true;
        QTest::newRow("archive to upgrade") << false;
    }
    void avvioMentreAltraPostazioneScrive()
    {
        QFETCH(bool, aggiornato);
        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        const QString file = creaDatabaseVuoto(dir.path());
        registraDsnTest(file);
        QVERIFY(odbc::scrivi({{"corvext", "Timeout", "200"}}));
        connessione.apriFile(file);
        preparaDatabase(connessione);
        const int versione = aggiornamenti().last().versione - (aggiornato ? 0 : 1);
        connessione.esegui(QString("PRAGMA user_version = %1").arg(versione));
        connessione.chiudi();
        AltraPostazione altra(file);
        altra.bloccaScritture();
        altra.esegui("INSERT INTO zone (sigla_zona) VALUES ('Z9')");
        seamSchermo::attiva(800, 600);
        accodaLogin(amministratore);

        QCOMPARE(Main(), aggiornato);
        QCOMPARE(seamMessaggi::testi(), aggiornato ? QStringList{}
                                                   : QStringList{"Attenzione ! L'archivio è occupato da un'altra "
                                                                 "postazione.\r\nRiprovare tra qualche istante."});
        altra.esegui("COMMIT");
        QCOMPARE(altra.colonna("SELECT sigla_zona FROM zone"), QStringList{"Z9"});
        QCOMPARE(altra.colonna("PRAGMA user_version"), QStringList{QString::number(versione)});
    }

    void operatoreNonVedeOperatori()
    {
        QTemporaryDir dir;
        impostaCartellaProgramma(dir.path());
        registraDsnTest(creaDatabaseVuoto(dir.path()));
        seamSchermo::attiva(800, 600);
        // first run: ADMIN creates an operator, then a second start logs him in
        accodaLogin(amministratore);
        QVERIFY(Main());
        QVERIFY(istanza<MDIprincipale>().mnuOperatori()->isVisible());
        connessione.esegui("INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('MARIO', 'X', 'OPERATORE')");
        rilasciaTutteLeFinestre();
        connessione.chiudi();
        accodaLogin(operatore);
        QVERIFY(Main());
        QCOMPARE(nomeOperatore, QString("MARIO"));
        QVERIFY(!istanza<MDIprincipale>().mnuOperatori()->isVisible());
        QVERIFY(istanza<MDIprincipale>().forma()->isVisible());
    }
};

CORVEXT_TEST_MAIN(TestAvvio)
#include "test_avvio.moc"
