#include "ambiente_test.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/testi_sql.h"

class TestTestiSql : public QObject {
    Q_OBJECT
private slots:
    void init() { impostaOrologio([] { return QDate(2024, 3, 7); }); }
    void cleanup() { impostaOrologio({}); }

    void testiPerSql_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("apostrophe doubled, upper case") << "l'anno" << "L''ANNO";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("accented letters") << "perché così" << "PERCHÉ COSÌ";
        QTest::newRow("two apostrophes") << "a''b" << "A''''B";
    }
    void testiPerSql()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(sqlTesto(testo), atteso);
    }

    // One character to one, whatever the full upper case of Unicode writes.
    void maiuscolo_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("accented letters") << "àèìòùç" << "ÀÈÌÒÙÇ";
        QTest::newRow("sharp s stays") << "straße-7" << "STRAßE-7";
        QTest::newRow("ligatures stay") << "ﬁﬀ" << "ﬁﬀ";
        QTest::newRow("n after an apostrophe stays") << "ŉ" << "ŉ";
        QTest::newRow("j with caron stays") << "ǰ" << "ǰ";
        QTest::newRow("Greek with two accents stays") << "ΐ" << "ΐ";
        QTest::newRow("Armenian ligature stays") << "և" << "և";
        QTest::newRow("Greek") << "αβγ" << "ΑΒΓ";
        QTest::newRow("title-case digraph") << "ǆ" << "Ǆ";
        QTest::newRow("outside the basic plane") << "𐐨x" << "𐐀X";
        QTest::newRow("lone surrogate kept") << QString(QChar(0xD801)) + u'a' << QString(QChar(0xD801)) + u'A';
        QTest::newRow("empty") << "" << "";
    }
    void maiuscolo()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(::maiuscolo(testo), atteso);
    }

    void datePerSql_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("padded") << "01/01/2025" << "1/1/2025";
        QTest::newRow("day before month") << "07/03/2024" << "3/7/2024";
        QTest::newRow("without year") << "25/12" << "12/25/2024";
        QTest::newRow("two-digit year") << "5/6/25" << "6/5/2025";
        QTest::newRow("empty gives today, padded") << "" << "03/07/2024";
        QTest::newRow("letters give today") << "domani" << "03/07/2024";
        QTest::newRow("impossible date gives today") << "31/02/2024" << "03/07/2024";
    }
    void datePerSql()
    {
        QFETCH(QString, testo);
        QFETCH(QString, atteso);
        QCOMPARE(dataSQL(testo), atteso);
    }

    void valoriNulli()
    {
        QCOMPARE(nz(QVariant()).toString(), QString());
        QCOMPARE(nz(QVariant()).toInt() + 5, 5);
        QCOMPARE(nz(QVariant(7)).toInt(), 7);
        QCOMPARE(seNullo(QVariant(), 3).toInt(), 3);
        QCOMPARE(seNullo(QVariant("x"), 3).toString(), QString("x"));
    }
};

CORVEXT_TEST_MAIN(TestTestiSql)
#include "test_testi_sql.moc"
