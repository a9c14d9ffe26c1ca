#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/db/ordine_italiano.h"
#include <QCollator>
#include <QRandomGenerator>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {
const QStringList italiano{u"ALBERTI"_s, u"ÀLVARO"_s, u"D'ANGELO"_s, u"DANGELO"_s, u"ÉBOLI"_s, u"ROSSI"_s, u"ZANI"_s};

void inserisciCognomi()
{
    // Stored out of order, with a name in small letters that sorts with its capital twin.
    for (const QString& c : {u"ZANI"_s, u"ÉBOLI"_s, u"ROSSI"_s, u"DANGELO"_s, u"ÀLVARO"_s, u"D'ANGELO"_s, u"ALBERTI"_s})
        connessione.esegui(u"INSERT INTO clienti (cognome) VALUES (?)"_s, {c});
}

QStringList colonna(Recordset rs)
{
    QStringList v;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        v << rs.campo(0).toString();
    return v;
}
} // namespace

class TestOrdineItaliano : public QObject {
    Q_OBJECT
private slots:
    // An ORDER BY on a text, and a sort of a static recordset by a text column.
    void ordine()
    {
        DatabaseTest db;
        inserisciCognomi();
        QCOMPARE(colonna(connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY cognome"_s)), italiano);
        QStringList decrescente = italiano;
        std::reverse(decrescente.begin(), decrescente.end());
        QCOMPARE(colonna(connessione.apriStatico(u"SELECT cognome, idCli FROM clienti ORDER BY 1 DESC, idCli"_s)),
                 decrescente);
        Recordset rs = connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY idCli"_s);
        rs.ordina(u"cognome"_s);
        QCOMPARE(colonna(rs), italiano);
        // Case is ignored; numbers and dates keep their own order.
        QCOMPARE(ordineItaliano::confronta(u"rossi"_s, u"ROSSI"_s), 0);
        QCOMPARE(colonna(connessione.apriStatico(u"SELECT x FROM (SELECT 10 AS x UNION ALL SELECT 9) ORDER BY x"_s)),
                 (QStringList{u"9"_s, u"10"_s}));
    }

    // The short way for plain ASCII gives the collator's own answer.
    void comeIlCollatore()
    {
        QCollator collatore{QLocale(QLocale::Italian, QLocale::Italy)};
        collatore.setCaseSensitivity(Qt::CaseInsensitive);
        const QString segni = u" '-.,/0123456789AaBbDdEeLlMmZz_@#&()"_s;
        auto* caso = QRandomGenerator::global();
        for (int k = 0; k < 20000; ++k) {
            QString a, b;
            for (QString* t : {&a, &b})
                for (int i = 0, n = int(caso->bounded(5)); i < n; ++i)
                    *t += segni[caso->bounded(segni.size())];
            const auto segno = [](int v) { return (v > 0) - (v < 0); };
            QVERIFY2(segno(ordineItaliano::confronta(a, b)) == segno(collatore.compare(a, b)),
                     qPrintable(a + u" | "_s + b));
            const QByteArray x = a.toUtf8(), y = b.toUtf8();
            QCOMPARE(segno(ordineItaliano::confronta(x.constData(), x.size(), y.constData(), y.size())),
                     segno(collatore.compare(a, b)));
        }
    }

    void istruzioni_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("atteso");
        const auto riga = [](const char* nome, const char* sql, const char* atteso) {
            QTest::newRow(nome) << QString::fromUtf8(sql) << QString::fromUtf8(atteso);
        };
        riga("one term", "SELECT a FROM t ORDER BY a", "SELECT a FROM t ORDER BY a COLLATE ITALIANO");
        riga("descending, then another", "select a from t order by t.a DESC, b",
             "select a from t order by t.a COLLATE ITALIANO DESC, b COLLATE ITALIANO");
        riga("nulls last", "SELECT a FROM t ORDER BY a NULLS LAST", "SELECT a FROM t ORDER BY a COLLATE ITALIANO NULLS LAST");
        riga("expression and limit", "SELECT a FROM t ORDER BY iif(a, 'x,y', b) LIMIT 5",
             "SELECT a FROM t ORDER BY iif(a, 'x,y', b) COLLATE ITALIANO LIMIT 5");
        riga("a column number", " WITH x AS (SELECT 1 AS a ORDER BY a) SELECT a FROM x ORDER BY 1;",
             " WITH x AS (SELECT 1 AS a ORDER BY a) SELECT a FROM x ORDER BY 1 COLLATE ITALIANO;");
        riga("a collation named", "SELECT a FROM t ORDER BY a COLLATE NOCASE, b",
             "SELECT a FROM t ORDER BY a COLLATE NOCASE, b COLLATE ITALIANO");
        riga("inside brackets", "SELECT (SELECT x FROM u ORDER BY x) FROM t", "SELECT (SELECT x FROM u ORDER BY x) FROM t");
        riga("inside a text", "SELECT 'ORDER BY a' FROM t", "SELECT 'ORDER BY a' FROM t");
        riga("quoted name", "SELECT \"a b\" FROM t ORDER BY \"a b\"", "SELECT \"a b\" FROM t ORDER BY \"a b\" COLLATE ITALIANO");
        riga("not a query", "CREATE VIEW v AS SELECT a FROM t ORDER BY a", "CREATE VIEW v AS SELECT a FROM t ORDER BY a");
    }

    void istruzioni()
    {
        QFETCH(QString, sql);
        QFETCH(QString, atteso);
        QCOMPARE(ordineItaliano::applica(sql), atteso);
    }

    // The file keeps the schema's collations: a connection without ours reads and writes it.
    void altriStrumenti()
    {
        DatabaseTest db;
        inserisciCognomi();
        connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY cognome"_s);
        sqlite3* altro = nullptr;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(db.file()).constData(), &altro, SQLITE_OPEN_READWRITE, nullptr),
                 SQLITE_OK);
        char* errore = nullptr;
        const int esito = sqlite3_exec(altro,
                                       "INSERT INTO clienti (cognome) VALUES ('BIANCHI'); "
                                       "SELECT cognome FROM clienti WHERE cognome = 'rossi' ORDER BY cognome; "
                                       "SELECT count(*) FROM sqlite_master WHERE sql LIKE '%ITALIANO%'",
                                       nullptr, nullptr, &errore);
        const QString testo = QString::fromUtf8(errore ? errore : "");
        sqlite3_free(errore);
        sqlite3_close(altro);
        QVERIFY2(esito == SQLITE_OK, qPrintable(testo));
        QCOMPARE(connessione.apriStatico(u"SELECT count(*) FROM sqlite_master WHERE sql LIKE '%ITALIANO%'"_s)
                     .campo(0)
                     .toInt(),
                 0);
    }
};

CORVEXT_TEST_MAIN(TestOrdineItaliano)
#include "test_ordine_italiano.moc"
