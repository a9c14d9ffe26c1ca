#include "ambiente_test.h"
#include "common/prossimo_numero.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include <QProcess>
#include <QSet>

namespace {
QString contatori()
{
    QStringList righe;
    for (Recordset rs = connessione.apriStatico("SELECT cliente, chiamata FROM contatori"); !rs.eof(); rs.moveNext())
        righe << rs["cliente"].toString() + "," + rs["chiamata"].toString();
    return righe.join(";");
}
} // namespace

class TestProssimoNumero : public QObject {
    Q_OBJECT
private slots:
    void numeri_data()
    {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("contatore");
        QTest::addColumn<QList<qint64>>("usati");
        QTest::addColumn<qint64>("numero");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("empty table") << "" << "cliente" << QList<qint64>{} << qint64(1) << "1,0";
        QTest::newRow("next customer") << "41,7" << "cliente" << QList<qint64>{} << qint64(42) << "42,7";
        QTest::newRow("next call") << "41,7" << "chiamata" << QList<qint64>{} << qint64(8) << "41,8";
        QTest::newRow("numbers in use skipped") << "41,7" << "cliente" << QList<qint64>{42, 43, 45} << qint64(44)
                                                << "44,7";
        QTest::newRow("two rows made elsewhere") << "3,0;9,0" << "cliente" << QList<qint64>{} << qint64(10)
                                                 << "10,0;10,0";
    }
    void numeri()
    {
        QFETCH(QString, prima);
        QFETCH(QString, contatore);
        QFETCH(QList<qint64>, usati);
        QFETCH(qint64, numero);
        QFETCH(QString, dopo);
        DatabaseTest db;
        connessione.esegui("DELETE FROM contatori");
        for (const QString& riga : prima.split(";", Qt::SkipEmptyParts))
            connessione.esegui("INSERT INTO contatori (cliente, chiamata) VALUES (" + riga + ")");
        QCOMPARE(prossimoNumero(contatore, [&](qint64 n) { return usati.contains(n); }), numero);
        QCOMPARE(contatori(), dopo);
    }

    void contatoreSconosciuto()
    {
        DatabaseTest db;
        QVERIFY_THROWS_EXCEPTION(ErroreDb, prossimoNumero("cliente=0,chiamata"));
        QCOMPARE(contatori(), QString("0,0"));
    }

    // Inside the caller's group the number goes back with the group.
    void dentroUnGruppo()
    {
        DatabaseTest db;
        {
            Transazione t(connessione);
            QCOMPARE(prossimoNumero("cliente"), 1);
        }
        QCOMPARE(contatori(), QString("0,0"));
    }

    // Two workstations drawing at once never receive the same number.
    void duePostazioni_data()
    {
        QTest::addColumn<QString>("contatore");
        QTest::addColumn<QString>("dopo");
        QTest::newRow("customers") << "cliente" << "1000,0";
        QTest::newRow("calls") << "chiamata" << "0,1000";
    }
    void duePostazioni()
    {
        QFETCH(QString, contatore);
        QFETCH(QString, dopo);
        DatabaseTest db;
        connessione.chiudi();
        QProcess a, b;
        for (QProcess* p : {&a, &b})
            p->start(QCoreApplication::applicationDirPath() + "/estrai_numeri", {db.file(), "500", contatore});
        QSet<qint64> numeri;
        for (QProcess* p : {&a, &b}) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
            const QList<QByteArray> righe = p->readAllStandardOutput().split('\n');
            for (const QByteArray& r : righe)
                if (!r.isEmpty())
                    numeri.insert(r.toLongLong());
        }
        QCOMPARE(numeri.size(), 1000);
        connessione.apri("dsn=corvext");
        QCOMPARE(contatori(), dopo);
    }
};

CORVEXT_TEST_MAIN(TestProssimoNumero)
#include "test_prossimo_numero.moc"
