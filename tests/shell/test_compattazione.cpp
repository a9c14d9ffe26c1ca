#include "ambiente_test.h"
#include "common/stato.h"
#include "platform/db/connessione.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/messaggi.h"
#include "shell/compattazione.h"
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {
QByteArray impronta(const QString& file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
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
        QVERIFY(!QFile::exists(db.cartella() + "/temp.db"));
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

    void archivioInUsoAltrove()
    {
        DatabaseTest db;
        riempi();
        connessione.esegui("DELETE FROM zone");
        connessione.chiudi();
        const QByteArray prima = impronta(db.file());
        connessione.apri(stringaConnessione);
        sqlite3* altra = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(db.file()).constData(), &altra), SQLITE_OK);
        QCOMPARE(sqlite3_exec(altra, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        seamMessaggi::rispondi(Risposta::OK);
        mnuCompatta_Click();
        sqlite3_exec(altra, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(altra);
        QCOMPARE(seamMessaggi::mostrati().size(), 2);
        QVERIFY(seamMessaggi::mostrati()[1].testo.startsWith("Attenzione! si è verificato il seguente errore: "));
        QVERIFY(connessione.aperta());
        QVERIFY(!clessidraAttiva());
        QVERIFY(!QFile::exists(db.cartella() + "/temp.db"));
        connessione.chiudi();
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
