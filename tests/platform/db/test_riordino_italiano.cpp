#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/db/ordine_italiano.h"
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {
// The customers read in the order of the surname's index and put in Italian order, as the
// search with no criteria reads them.
const Lettura perIndice{u"SELECT idCli, cognome FROM clienti ORDER BY cognome"_s, {}, u"cognome"_s,
                        u"SELECT idCli, cognome FROM clienti WHERE cognome >= '{' ORDER BY cognome"_s};

void inserisci(const QList<QVariant>& cognomi)
{
    Transazione t(connessione);
    for (const QVariant& c : cognomi)
        connessione.esegui(u"INSERT INTO clienti (cognome) VALUES (?)"_s, {c});
    t.conferma();
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

    // Read a few rows at a time, the rows shown are always the first of the whole order, and
    // they are shown before the reading ends.
    void aSpicchi()
    {
        DatabaseTest db;
        const QString segni = u"ABCDEMRSZabz '-.0ÀÈÉÒàçÑ{~"_s;
        QRandomGenerator caso(2025);
        QVariantList cognomi;
        for (int i = 0; i < 2000; ++i) {
            if (caso.bounded(40) == 0) {
                cognomi << QVariant();
                continue;
            }
            QString t;
            for (int k = 0, n = int(caso.bounded(7)); k < n; ++k)
                t += segni[caso.bounded(segni.size())];
            cognomi << t;
        }
        inserisci(cognomi);
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
    }
};

CORVEXT_TEST_MAIN(TestRiordinoItaliano)
#include "test_riordino_italiano.moc"
