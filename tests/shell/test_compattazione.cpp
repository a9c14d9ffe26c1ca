#include "ambiente_test.h"
#include "common/stato.h"
#include "platform/db/connessione.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/messaggi.h"
#include "shell/compattazione.h"
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>

namespace {
QByteArray impronta(const QString& file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Another workstation: a process of its own on the same file, that runs one statement a line
// and answers with the first value of the result, "ok" or "errore ...".
class AltraPostazione {
public:
    explicit AltraPostazione(const QString& file)
    {
        p.start("/usr/bin/python3", {"-u", "-c",
                            "import sqlite3, sys\n"
                            "c = sqlite3.connect(sys.argv[1], isolation_level=None, timeout=0)\n"
                            "for riga in sys.stdin:\n"
                            "    try:\n"
                            "        r = c.execute(riga).fetchall()\n"
                            "        print(r[0][0] if r else 'ok', flush=True)\n"
                            "    except Exception as e:\n"
                            "        print('errore', e, flush=True)\n",
                            file});
        p.waitForStarted();
    }
    ~AltraPostazione()
    {
        p.closeWriteChannel();
        p.waitForFinished();
    }
    QString esegui(const QString& sql)
    {
        p.write(sql.toUtf8() + "\n");
        while (!p.canReadLine())
            if (!p.waitForReadyRead(5000))
                return "nessuna risposta";
        return QString::fromUtf8(p.readLine()).trimmed();
    }

private:
    QProcess p;
};

struct stat identita(const QString& file)
{
    struct stat s {};
    ::stat(QFile::encodeName(file).constData(), &s);
    return s;
}

void riempi()
{
    Transazione t(connessione);
    for (int i = 0; i < 3000; ++i)
        connessione.esegui(QString("INSERT INTO zone (sigla_zona, desc_zona) VALUES ('Z%1', '%2')")
                               .arg(i)
                               .arg(QString(200, QChar('A' + i % 26))));
    t.conferma();
}
} // namespace

class TestCompattazione : public QObject {
    Q_OBJECT
private slots:
    void init() { stringaConnessione = "dsn=corvext"; }

    void compattaEMantieneLeRighe()
    {
        DatabaseTest db;
        riempi();
        connessione.esegui("DELETE FROM zone WHERE idZona > 10");
        connessione.esegui("UPDATE zone SET desc_zona = 'NORD''EST' WHERE idZona = 3");
        const qint64 prima = QFileInfo(db.file()).size();
        seamMessaggi::rispondi(Risposta::OK);
        mnuCompatta_Click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1); // only the question
        QCOMPARE(seamMessaggi::mostrati().first().titolo, QString("COMPATTAZIONE ARCHIVIO"));
        QVERIFY(QFileInfo(db.file()).size() < prima / 2);
        QVERIFY(connessione.aperta());
        QVERIFY(!clessidraAttiva());
        Recordset rs = connessione.apriStatico("SELECT * FROM zone ORDER BY idZona");
        QCOMPARE(rs.recordCount(), 10);
        QVERIFY(rs.cerca("idZona", 3));
        QCOMPARE(rs["desc_zona"].toString(), QString("NORD'EST"));
        QCOMPARE(connessione.apriStatico("SELECT * FROM operatori").recordCount(), 1);
        // keys keep growing after the compaction
        connessione.esegui("INSERT INTO zone (sigla_zona) VALUES ('N')");
        QCOMPARE(connessione.ultimoId(), 3001);
    }

    void annullaNonToccaNulla()
    {
        DatabaseTest db;
        const QByteArray prima = impronta(db.file());
        seamMessaggi::rispondi(Risposta::Annulla);
        mnuCompatta_Click();
        QVERIFY(connessione.aperta());
        QCOMPARE(impronta(db.file()), prima);
    }

    void postazioneCollegataContinuaALavorare()
    {
        DatabaseTest db;
        riempi();
        connessione.esegui("DELETE FROM zone WHERE idZona > 10");
        QFile::setPermissions(db.file(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                             | QFile::ReadOther);
        const struct stat prima = identita(db.file());
        AltraPostazione altra(db.file());
        QCOMPARE(altra.esegui("SELECT count(*) FROM zone"), QString("10"));

        seamMessaggi::rispondi(Risposta::OK);
        mnuCompatta_Click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        const struct stat dopo = identita(db.file());
        QVERIFY(dopo.st_size < prima.st_size / 2);
        // The same file, with its mode and owner.
        QCOMPARE(dopo.st_ino, prima.st_ino);
        QCOMPARE(dopo.st_mode, prima.st_mode);
        QCOMPARE(dopo.st_uid, prima.st_uid);
        QCOMPARE(dopo.st_gid, prima.st_gid);

        // The other workstation reads the compacted rows and writes; this one sees it.
        QCOMPARE(altra.esegui("SELECT count(*) FROM zone"), QString("10"));
        QCOMPARE(altra.esegui("INSERT INTO zone (sigla_zona) VALUES ('ALTRA')"), QString("ok"));
        QCOMPARE(connessione.apriStatico("SELECT * FROM zone WHERE sigla_zona = 'ALTRA'").recordCount(), 1);
    }

    void postazioneInUnaTransazione_data()
    {
        QTest::addColumn<QString>("transazione");
        QTest::newRow("writing") << "INSERT INTO zone (sigla_zona) VALUES ('ALTRA')";
        QTest::newRow("reading") << "SELECT count(*) FROM zone";
    }
    void postazioneInUnaTransazione()
    {
        QFETCH(QString, transazione);
        DatabaseTest db;
        riempi();
        connessione.esegui("DELETE FROM zone");
        const QByteArray prima = impronta(db.file());
        AltraPostazione altra(db.file());
        QCOMPARE(altra.esegui("BEGIN"), QString("ok"));
        QVERIFY(!altra.esegui(transazione).startsWith("errore"));

        seamMessaggi::rispondi(Risposta::OK);
        mnuCompatta_Click();
        QCOMPARE(seamMessaggi::mostrati().size(), 2);
        QCOMPARE(seamMessaggi::mostrati()[1].testo, QString("Attenzione ! L'archivio è occupato da un'altra postazione.\r\n"
                                                            "Riprovare tra qualche istante."));
        QVERIFY(connessione.aperta());
        QVERIFY(!clessidraAttiva());
        QCOMPARE(altra.esegui("ROLLBACK"), QString("ok"));
        QCOMPARE(impronta(db.file()), prima);
    }

    void fileDiLavoroRimastoDaPrima()
    {
        DatabaseTest db;
        QFile stantio(db.cartella() + "/temp.db");
        QVERIFY(stantio.open(QIODevice::WriteOnly));
        stantio.write("resto di un errore");
        stantio.close();
        seamMessaggi::rispondi(Risposta::OK);
        mnuCompatta_Click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(!QFile::exists(db.cartella() + "/temp.db"));
        QCOMPARE(connessione.apriStatico("SELECT * FROM operatori").recordCount(), 1);
    }
};

CORVEXT_TEST_MAIN(TestCompattazione)
#include "test_compattazione.moc"
