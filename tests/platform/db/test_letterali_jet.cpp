#include "ambiente_test.h"
#include "platform/db/letterali_jet.h"

class TestLetteraliJet : public QObject {
    Q_OBJECT
private slots:
    void riscrittura_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("date unpadded") << "WHERE d = #3/7/2024#" << "WHERE d = '2024-03-07'";
        QTest::newRow("date padded") << "WHERE d >= #03/07/2024#" << "WHERE d >= '2024-03-07'";
        QTest::newRow("date without year takes the current year") << "dataFestivita = #12/25#"
                                                                   << "dataFestivita = '2026-12-25'";
        QTest::newRow("time") << "ora_inizio = #09:30#" << "ora_inizio = '09:30'";
        QTest::newRow("short hour") << "ora_inizio = #9:05#" << "ora_inizio = '09:05'";
        QTest::newRow("date and time") << "x = #12/31/2025 23:59#" << "x = '2025-12-31 23:59:00'";
        QTest::newRow("date and time with seconds") << "x = #1/2/2025 7:08:09#" << "x = '2025-01-02 07:08:09'";
        QTest::newRow("between two dates") << "d BETWEEN #1/1/2026# AND #12/31/2026#"
                                           << "d BETWEEN '2026-01-01' AND '2026-12-31'";
        QTest::newRow("quoted text untouched") << "note = 'vedi #3/7/2024# qui'" << "note = 'vedi #3/7/2024# qui'";
        QTest::newRow("doubled apostrophe stays in the text") << "n = 'l''#1/1/2024#' AND d = #1/2/2024#"
                                                              << "n = 'l''#1/1/2024#' AND d = '2024-01-02'";
        QTest::newRow("double-quoted name untouched") << "SELECT \"#1/1/2024#\"" << "SELECT \"#1/1/2024#\"";
        QTest::newRow("impossible date left alone") << "d = #2/30/2024#" << "d = #2/30/2024#";
        QTest::newRow("lone hash left alone") << "a # b" << "a # b";
        QTest::newRow("null date") << "d = null" << "d = null";
    }
    void riscrittura()
    {
        QFETCH(QString, sql);
        QFETCH(QString, atteso);
        QCOMPARE(riscriviLetteraliJet(sql, QDate(2026, 12, 10)), atteso);
    }
};

CORVEXT_TEST_MAIN(TestLetteraliJet)
#include "test_letterali_jet.moc"
