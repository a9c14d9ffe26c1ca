#include "altra_postazione.h"
#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/db/ordine_italiano.h"
#include <QRandomGenerator>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {
// The customers in Italian order by surname through the surname's index, as the search with
// no criteria reads them.
const Lettura perIndice{
    u"SELECT idCli, cognome FROM clienti"_s, {},
    Lettura::PerIndice{u"SELECT idCli, cognome FROM clienti ORDER BY cognome"_s,
                       u"SELECT idCli, cognome FROM clienti WHERE cognome >= '{' ORDER BY cognome"_s,
                       u"SELECT idCli, cognome FROM clienti WHERE idCli = ?"_s}};

// The customers' keys: one after the other, or far apart (a few huge, some negative).
enum class Chiavi { contigue, lontane };

void inserisci(const QList<QVariant>& cognomi, Chiavi chiavi = Chiavi::contigue)
{
    Transazione t(connessione);
    for (qsizetype i = 0; i < cognomi.size(); ++i) {
        const qint64 id = chiavi == Chiavi::contigue ? i + 1 : (i % 3 - 1) * (qint64(1) << 40) * (i + 1) + i;
        connessione.esegui(u"INSERT INTO clienti (idCli, cognome) VALUES (?, ?)"_s, {id, cognomi[i]});
    }
    t.conferma();
}

// Random surnames of a few letters, accented ones, signs and Nulls among them.
QVariantList cognomiACaso(int quanti, QRandomGenerator& caso)
{
    const QString segni = u"ABCDEMRSZabz '-.0ÀÈÉÒàçÑ{~"_s;
    QVariantList cognomi;
    for (int i = 0; i < quanti; ++i) {
        if (caso.bounded(40) == 0) {
            cognomi << QVariant();
            continue;
        }
        QString t;
        for (int k = 0, n = int(caso.bounded(7)); k < n; ++k)
            t += segni[caso.bounded(segni.size())];
        cognomi << t;
    }
    return cognomi;
}

// The rows shown so far, by surname (Null as a null QVariant).
QVariantList mostrati(const Recordset& rs)
{
    QVariantList v;
    const auto d = rs.dati();
    for (int r = 0; r < d->numeroRighe(); ++r)
        v << d->valore(r, 1);
    return v;
}

// The same order: Null first, then texts equal or apart as the collation has them.
bool stessoPosto(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return ordineItaliano::confronta(a.toString(), b.toString()) == 0;
}

// The surnames as SQLite sorts them with the collation: the whole result to be.
QVariantList ordinati()
{
    QVariantList v;
    Recordset rs = connessione.apriStatico(u"SELECT cognome FROM clienti ORDER BY cognome COLLATE ITALIANO"_s);
    for (; !rs.eof(); rs.moveNext())
        v << rs.campo(0);
    return v;
}

// Whether the rows shown are the first of the whole order, each in its place.
bool inizioDi(const QVariantList& parte, const QVariantList& tutto)
{
    if (parte.size() > tutto.size())
        return false;
    for (qsizetype i = 0; i < parte.size(); ++i)
        if (!stessoPosto(parte[i], tutto[i]))
            return false;
    return true;
}
} // namespace

Q_DECLARE_METATYPE(Chiavi)

class TestRiordinoItaliano : public QObject {
    Q_OBJECT
private slots:
    void ordine_data()
    {
        QTest::addColumn<QVariantList>("cognomi");
        QTest::newRow("accented capitals, apostrophes")
            << QVariantList{u"ZANI"_s, u"ÉBOLI"_s, u"ROSSI"_s, u"DANGELO"_s, u"ÀLVARO"_s, u"D'ANGELO"_s, u"ALBERTI"_s};
        QTest::newRow("accents inside, blanks, signs, digits")
            << QVariantList{u"NICOLÒ"_s, u"NICOLA"_s, u"NICOLO"_s, u"NICOLÒ BIS"_s, u"DÈ SANTIS"_s, u"DE SANTIS"_s,
                            u"DEA"_s, u"DE-LUCA"_s, u"DE.LUCA"_s, u"(ROSSI)"_s, u"3M"_s, u"_X"_s, u"DELL'ORTO"_s};
        QTest::newRow("Null, empty, small letters, past the letters")
            << QVariantList{QVariant(), u""_s, u"bianchi"_s, u"Verdi"_s, u"{GRAFFA}"_s, u"~TILDE"_s, u"ÆBLE"_s,
                            u"ØRSTED"_s, u"ΩMEGA"_s, u"ÇELIK"_s, QVariant(), u"Ñ"_s};
        QTest::newRow("only past the letters") << QVariantList{u"ÉBOLI"_s, u"{"_s, u"ÀLVARO"_s};
        QTest::newRow("nothing") << QVariantList{};
    }

    // Read whole, the rows are in the collation's order.
    void ordine()
    {
        QFETCH(QVariantList, cognomi);
        DatabaseTest db;
        inserisci(cognomi);
        Recordset rs = connessione.apriStatico(perIndice);
        QCOMPARE(rs.recordCount(), cognomi.size());
        const QVariantList attesi = ordinati();
        QVERIFY2(inizioDi(mostrati(rs), attesi), qPrintable(QVariant(mostrati(rs)).toStringList().join(u'|')));
    }

    // Read a few rows at a time, the rows shown are always the first of the whole order, each
    // row once, and they are shown before the reading ends: a table looked up row by row whole,
    // or of more rows than that, with keys that follow one another or lie far apart.
    void aSpicchi_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<Chiavi>("chiavi");
        QTest::newRow("few rows") << 300 << Chiavi::contigue;
        QTest::newRow("more rows") << 3000 << Chiavi::contigue;
        QTest::newRow("more rows, keys far apart") << 3000 << Chiavi::lontane;
    }

    void aSpicchi()
    {
        QFETCH(int, righe);
        QFETCH(Chiavi, chiavi);
        DatabaseTest db;
        QRandomGenerator caso(2025);
        inserisci(cognomiACaso(righe, caso), chiavi);
        const QVariantList attesi = ordinati();
        Recordset rs = connessione.apriInLettura(perIndice);
        bool primaDellaFine = false;
        while (!rs.completo()) {
            QVERIFY(inizioDi(mostrati(rs), attesi));
            primaDellaFine = primaDellaFine || rs.dati()->numeroRighe() > 0;
            rs.leggiAltre(1 + int(caso.bounded(60)));
        }
        QCOMPARE(rs.dati()->numeroRighe(), attesi.size());
        QVERIFY(inizioDi(mostrati(rs), attesi));
        QVERIFY(primaDellaFine);
        QSet<qint64> chiaviMostrate;
        for (int r = 0; r < rs.dati()->numeroRighe(); ++r)
            chiaviMostrate << rs.dati()->valore(r, 0).toLongLong();
        QCOMPARE(chiaviMostrate.size(), attesi.size());
    }

    // While the rows are read, another workstation's commit waits, from the first screen to the
    // last row: what is shown is the archive as it was when the reading began; then the file
    // is let go.
    void altraPostazioneAttende()
    {
        DatabaseTest db;
        QRandomGenerator caso(7);
        inserisci(cognomiACaso(3000, caso));
        const QVariantList attesi = ordinati();
        AltraPostazione altra(db.file());
        Recordset rs = connessione.apriInLettura(perIndice);
        const QString scrittura = u"UPDATE clienti SET cognome = 'A' WHERE idCli = 3000; "
                                  "INSERT INTO clienti (cognome) VALUES ('A')"_s;
        while (!rs.completo()) {
            QVERIFY(!altra.tentaScrittura(scrittura));
            rs.leggiAltre(400);
        }
        QCOMPARE(mostrati(rs).size(), attesi.size());
        QVERIFY(inizioDi(mostrati(rs), attesi));
        QVERIFY(altra.tentaScrittura(scrittura));
    }
};

CORVEXT_TEST_MAIN(TestRiordinoItaliano)
#include "test_riordino_italiano.moc"
