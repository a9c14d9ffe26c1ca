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
    // An ORDER BY that names the collation, and a sort of a static recordset by a text column;
    // an ORDER BY that does not keeps the column's own order.
    void ordine()
    {
        DatabaseTest db;
        inserisciCognomi();
        QCOMPARE(colonna(connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY cognome COLLATE ITALIANO"_s)),
                 italiano);
        QStringList decrescente = italiano;
        std::reverse(decrescente.begin(), decrescente.end());
        QCOMPARE(colonna(connessione.apriStatico(
                     u"SELECT cognome, idCli FROM clienti ORDER BY 1 COLLATE ITALIANO DESC, idCli"_s)),
                 decrescente);
        QCOMPARE(colonna(connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY cognome"_s)),
                 (QStringList{u"ALBERTI"_s, u"D'ANGELO"_s, u"DANGELO"_s, u"ROSSI"_s, u"ZANI"_s, u"ÀLVARO"_s,
                              u"ÉBOLI"_s}));
        Recordset rs = connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY idCli"_s);
        rs.ordina(u"cognome"_s);
        QCOMPARE(colonna(rs), italiano);
        // Case is ignored; numbers and dates keep their own order.
        QCOMPARE(ordineItaliano::confronta(u"rossi"_s, u"ROSSI"_s), 0);
        QCOMPARE(colonna(connessione.apriStatico(u"SELECT x FROM (SELECT 10 AS x UNION ALL SELECT 9) ORDER BY x"_s)),
                 (QStringList{u"9"_s, u"10"_s}));
    }

    // The short way for plain ASCII and accented letters gives the collator's own answer.
    void comeIlCollatore()
    {
        QCollator collatore{QLocale(QLocale::Italian, QLocale::Italy)};
        collatore.setCaseSensitivity(Qt::CaseInsensitive);
        const QString segni = u" '-.,/0123456789AaBbDdEeLlMmZz_@#&()ÀàÈèÉéÌòÒÙùÇçÑÆæØ\u0300\u00A0€"_s;
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
