#include "ambiente_test.h"
#include "common/stato.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/display/display.h"
#include "platform/ui/finestra.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "schema/aggiornamenti.h"
#include "schema/schema.h"
#include "shell/autenticazione.h"
#include "shell/avvio.h"
#include "shell/mdi_principale.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

namespace {
// What the data source names: the database of the build tree, ...
enum Origine { compilazione, compilazioneSenzaFile, programma, altrove, accantoAllaCompilazione, nessuna };
// ... and what the program folder holds.
enum Cartella { senzaArchivio, archivioNuovo, conCliente, passwordCambiata };

struct Esito {
    int codice = -1;
    QString uscita;
    QString errori;
};

const QString cliente = "INSERT INTO clienti (idCli, cognome, nome) VALUES (1, 'ROSSI', 'MARIO')";

Esito esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(120000))
        qFatal("%s did not end", qPrintable(programma));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Esito sposta(const QString& cartellaCompilazione, const QString& cartellaProgramma)
{
    return esegui(CORVEXT_SPOSTA_ARCHIVIO, {cartellaCompilazione, cartellaProgramma});
}

// The install step of this build into a program folder.
Esito installa(const QString& cartellaProgramma)
{
    return esegui(CORVEXT_CMAKE, {"--install", CORVEXT_COMPILAZIONE, "--prefix", cartellaProgramma});
}

// A database of ours, in a folder made for it, with the statements run on it.
void creaArchivio(const QString& file, const QStringList& istruzioni)
{
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QFile(file).open(QIODevice::WriteOnly);
    Connessione c;
    c.apriFile(file);
    preparaDatabase(c);
    for (const QString& istruzione : istruzioni)
        c.esegui(istruzione);
    c.chiudi();
}

QStringList colonna(const QString& file, const QString& sql)
{
    Connessione c;
    c.apriFile(file);
    QStringList valori;
    for (Recordset rs = c.apriAvanti(sql); !rs.eof(); rs.moveNext())
        valori << rs.campo(0).toString();
    c.chiudi();
    return valori;
}

QByteArray contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The Database of the data source as the file holds it, read without unixODBC: another
// process wrote it, and unixODBC may answer from what it read before.
QString databaseScritto()
{
    const QString testo = QString::fromUtf8(contenuto(cartellaOdbcTest() + "/odbc.ini"));
    const auto sezione = QRegularExpression(R"(^\[corvext\]$(.*?)(?:^\[|\z))",
                                            QRegularExpression::MultilineOption
                                                | QRegularExpression::DotMatchesEverythingOption)
                             .match(testo);
    const auto voce = QRegularExpression(R"(^\s*Database\s*=\s*(.*?)\s*$)", QRegularExpression::MultilineOption)
                          .match(sezione.captured(1));
    return voce.captured(1);
}

QString odbcIni()
{
    return cartellaOdbcTest() + "/odbc.ini";
}

// The centre's own notes in odbc.ini, which unixODBC's rewriting drops.
void annotaOdbcIni()
{
    QFile f(odbcIni());
    QVERIFY(f.open(QIODevice::ReadWrite));
    const QByteArray prima = f.readAll();
    QVERIFY(f.seek(0));
    f.write("; Origini dati del centro: non cancellare\n" + prima);
}

void accodaLoginAmministratore()
{
    seamModale::accoda([](QWidget*) {
        auto& c = istanza<schAutenticazione>().controlli();
        c.txtOperatore->setText("admin");
        c.txtPassword->setText("admin");
        c.cmdConferma->click();
    });
}
} // namespace

class TestSpostaArchivio : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> radice;
    // A clone whose earlier build kept the program folder in build/bin, and the program folder.
    QString cartellaCompilazione, vecchio, cartellaProgramma, nuovo;

private slots:
    void init()
    {
        radice = std::make_unique<QTemporaryDir>();
        const QString r = QFileInfo(radice->path()).canonicalFilePath();
        cartellaCompilazione = r + "/clone/build";
        vecchio = cartellaCompilazione + "/bin/corvext.db";
        cartellaProgramma = r + "/corvext";
        nuovo = cartellaProgramma + "/corvext.db";
        QVERIFY(QDir().mkpath(cartellaProgramma));
        nomeOperatore.clear();
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        connessione.chiudi();
        seamMessaggi::azzera();
        seamModale::azzera();
        seamSchermo::disattiva();
        impostaCartellaProgramma(QString());
        rimuoviDsnTest();
        QDir(odbcIni() + ".bak").removeRecursively();
        QFile::remove(odbcIni() + ".bak");
        radice.reset();
    }

    void spostamento_data()
    {
        QTest::addColumn<int>("origine");
        QTest::addColumn<int>("cartella");
        QTest::addColumn<bool>("giornale");
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("spostato");
        QTest::newRow("no database in the program folder") << int(compilazione) << int(senzaArchivio) << false << 0 << true;
        QTest::newRow("the new database of the install") << int(compilazione) << int(archivioNuovo) << false << 0 << true;
        QTest::newRow("with its journal") << int(compilazione) << int(archivioNuovo) << true << 0 << true;
        QTest::newRow("program folder with a customer") << int(compilazione) << int(conCliente) << true << 3 << false;
        QTest::newRow("administrator's password changed") << int(compilazione) << int(passwordCambiata) << false << 3
                                                         << false;
        QTest::newRow("data source on the program folder") << int(programma) << int(conCliente) << false << 0 << false;
        QTest::newRow("a file outside the build tree") << int(altrove) << int(archivioNuovo) << false << 0 << false;
        QTest::newRow("a folder named like the build tree") << int(accantoAllaCompilazione) << int(archivioNuovo)
                                                            << false << 0 << false;
        QTest::newRow("the file named is gone") << int(compilazioneSenzaFile) << int(archivioNuovo) << false << 0
                                                << false;
        QTest::newRow("no data source") << int(nessuna) << int(archivioNuovo) << false << 0 << false;
    }
    void spostamento()
    {
        QFETCH(int, origine);
        QFETCH(int, cartella);
        QFETCH(bool, giornale);
        QFETCH(int, codice);
        QFETCH(bool, spostato);

        const QString r = QFileInfo(radice->path()).canonicalFilePath();
        const QString nominato = origine == programma  ? nuovo
                                 : origine == altrove ? r + "/altrove/corvext.db"
                                 : origine == accantoAllaCompilazione ? r + "/clone/build-vecchia/bin/corvext.db"
                                                                      : vecchio;
        if (origine != programma && origine != compilazioneSenzaFile)
            creaArchivio(nominato, {cliente});
        if (cartella == archivioNuovo)
            creaArchivio(nuovo, {});
        else if (cartella == conCliente)
            creaArchivio(nuovo, {QString(cliente).replace("ROSSI", "BIANCHI").replace("(1,", "(2,")});
        else if (cartella == passwordCambiata)
            creaArchivio(nuovo, {"UPDATE operatori SET opPassword = 'SEGRETA'"});
        if (origine == nessuna)
            rimuoviDsnTest();
        else
            registraDsnTest(nominato);
        annotaOdbcIni();
        QVERIFY(QDir().mkpath(cartellaCompilazione));
        if (giornale) {
            QFile f(nominato + "-journal");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("giornale");
        }
        const QByteArray primaVecchio = contenuto(nominato), primaGiornale = contenuto(nominato + "-journal"),
                         primaNuovo = contenuto(nuovo), primaOdbc = contenuto(odbcIni());

        const Esito e = sposta(cartellaCompilazione, cartellaProgramma);
        QCOMPARE(e.codice, codice);
        if (spostato) {
            QVERIFY(!QFileInfo::exists(nominato));
            QVERIFY(!QFileInfo::exists(nominato + "-journal"));
            QCOMPARE(contenuto(nuovo), primaVecchio);
            QCOMPARE(QFileInfo::exists(nuovo + "-journal"), giornale);
            QCOMPARE(contenuto(nuovo + "-journal"), primaGiornale);
            QCOMPARE(databaseScritto(), nuovo);
            // The data source's file as it was, notes and all, and where it is.
            QCOMPARE(contenuto(odbcIni() + ".bak"), primaOdbc);
            QVERIFY2(e.uscita.contains(vecchio) && e.uscita.contains(nuovo)
                         && e.uscita.contains(" è in " + odbcIni() + ".bak.\n"),
                     qPrintable(e.uscita));
            QCOMPARE(e.errori, QString());
            return;
        }
        // Nothing moved, nothing changed.
        QCOMPARE(contenuto(nominato), primaVecchio);
        QCOMPARE(contenuto(nominato + "-journal"), primaGiornale);
        QCOMPARE(contenuto(nuovo), primaNuovo);
        QCOMPARE(contenuto(odbcIni()), primaOdbc);
        QVERIFY(!QFileInfo::exists(odbcIni() + ".bak"));
        QCOMPARE(e.uscita, QString());
        if (codice == 0) {
            QCOMPARE(e.errori, QString());
            return;
        }
        // Both paths, and the choice that is the centre's.
        QVERIFY2(e.errori.contains("cartella di compilazione\n  " + vecchio + "\n")
                     && e.errori.contains("cartella del programma c'è già un database") && e.errori.contains(nuovo)
                     && e.errori.contains("Scegliere quale database tenere:")
                     && e.errori.contains("scrivere Database=" + nuovo + "\n  nella sezione [corvext] di "
                                          + cartellaOdbcTest() + "/odbc.ini"),
                 qPrintable(e.errori));
    }

    // A move that cannot be made leaves the database where it was, with the data source naming
    // it there, so that removing the build tree afterwards is what loses it.
    void spostamentoNonRiuscito_data()
    {
        QTest::addColumn<QString>("ostacolo");
        QTest::addColumn<bool>("riscritto");
        QTest::addColumn<QString>("messaggio");
        // A folder where the journal would go in the program folder: the database goes back.
        QTest::newRow("the journal cannot follow") << "giornale" << true << "L'origine dati \"corvext\" indica ancora ";
        // Nothing is rewritten without a copy of what was there.
        QTest::newRow("no copy of odbc.ini") << "copia" << false << "Impossibile salvare la copia di " + odbcIni()
                                                                         + " in " + odbcIni() + ".bak: ";
    }
    void spostamentoNonRiuscito()
    {
        QFETCH(QString, ostacolo);
        QFETCH(bool, riscritto);
        QFETCH(QString, messaggio);
        creaArchivio(vecchio, {cliente});
        registraDsnTest(vecchio);
        annotaOdbcIni();
        QFile giornale(vecchio + "-journal");
        QVERIFY(giornale.open(QIODevice::WriteOnly));
        giornale.write("giornale");
        giornale.close();
        const QString cartella = ostacolo == "giornale" ? nuovo + "-journal" : odbcIni() + ".bak";
        QVERIFY(QDir().mkpath(cartella + "/dentro"));
        const QByteArray primaVecchio = contenuto(vecchio), primaOdbc = contenuto(odbcIni());

        const Esito e = sposta(cartellaCompilazione, cartellaProgramma);
        QCOMPARE(e.codice, 1);
        QCOMPARE(contenuto(vecchio), primaVecchio);
        QCOMPARE(contenuto(vecchio + "-journal"), QByteArray("giornale"));
        QCOMPARE(databaseScritto(), vecchio);
        QVERIFY(!QFileInfo::exists(nuovo));
        QCOMPARE(e.uscita, QString());
        QVERIFY2(e.errori.contains(messaggio + (riscritto ? vecchio : QString())), qPrintable(e.errori));
        if (riscritto) {
            QCOMPARE(contenuto(odbcIni() + ".bak"), primaOdbc);
            QVERIFY2(e.errori.contains(" è in " + odbcIni() + ".bak.\n"), qPrintable(e.errori));
        } else {
            QCOMPARE(contenuto(odbcIni()), primaOdbc);
            QVERIFY(QFileInfo::exists(cartella + "/dentro"));
        }
    }

    // The run command's steps on a clone whose data source names build/bin/corvext.db, with the
    // program folder that an earlier run laid out; then the build tree removed.
    void laCompilazioneSiPuoCancellare()
    {
        const int versione = aggiornamenti().last().versione;
        creaArchivio(vecchio, {cliente, "UPDATE contatori SET cliente = 1",
                               QString("PRAGMA user_version = %1").arg(versione - 1)});
        registraDsnTest(vecchio);
        const Esito primaInstallazione = installa(cartellaProgramma);
        QVERIFY2(primaInstallazione.codice == 0, qPrintable(primaInstallazione.errori));
        QVERIFY(QFileInfo::exists(nuovo));

        const Esito spostamento = sposta(cartellaCompilazione, cartellaProgramma);
        QVERIFY2(spostamento.codice == 0, qPrintable(spostamento.errori));
        const Esito installazione = installa(cartellaProgramma);
        QVERIFY2(installazione.codice == 0, qPrintable(installazione.errori));
        QVERIFY(QDir(cartellaCompilazione).removeRecursively());

        impostaCartellaProgramma(cartellaProgramma);
        seamSchermo::attiva(800, 600);
        accodaLoginAmministratore();
        QVERIFY(Main());
        QCOMPARE(nomeOperatore, QString("ADMIN"));
        QVERIFY(istanza<MDIprincipale>().forma()->isVisible());
        QCOMPARE(connessione.file(), nuovo);
        QCOMPARE(colonna(nuovo, "SELECT cognome FROM clienti"), QStringList{"ROSSI"});
        // The install step upgraded the moved database.
        QCOMPARE(colonna(nuovo, "PRAGMA user_version"), QStringList{QString::number(versione)});
    }
};

CORVEXT_TEST_MAIN(TestSpostaArchivio)
#include "test_sposta_archivio.moc"
