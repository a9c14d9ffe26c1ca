#include "ambiente_test.h"
#include "platform/excel/stili.h"
#include "platform/excel/testo_valore.h"

// Numbers, date serials, durations and ISO dates as a cell reads them, and what formats show.
class TestTestoValore : public QObject {
    Q_OBJECT

private slots:
    void numero_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("testo");
        QTest::newRow("integer") << 1234567.0 << QStringLiteral("1234567");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
        QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
        QTest::newRow("decimal comma") << -1234.25 << QStringLiteral("-1234,25");
        QTest::newRow("below one") << 0.0015 << QStringLiteral("0,0015");
        QTest::newRow("binary noise rounded at 15 digits") << 0.30000000000000004 << QStringLiteral("0,3");
        QTest::newRow("14-digit serial number") << 12345678901234.0 << QStringLiteral("12345678901234");
        QTest::newRow("20 digits, no exponent") << 1e20 << QStringLiteral("100000000000000000000");
        QTest::newRow("huge") << 1.5e25 << QStringLiteral("1,5E+25");
        QTest::newRow("tiny") << -2.5e-12 << QStringLiteral("-2,5E-12");
        QTest::newRow("round up carries") << 9.9999999999999999 << QStringLiteral("10");
    }
    void numero()
    {
        QFETCH(double, valore);
        QFETCH(QString, testo);
        QCOMPARE(testoNumero(valore), testo);
    }

    void data_data()
    {
        QTest::addColumn<double>("seriale");
        QTest::addColumn<bool>("sistema1904");
        QTest::addColumn<QString>("testo");
        QTest::newRow("1900: 1 March 2005") << 38412.0 << false << QStringLiteral("01/03/2005");
        QTest::newRow("1900: time of day dropped") << 38412.99 << false << QStringLiteral("01/03/2005");
        QTest::newRow("1900: first day") << 1.0 << false << QStringLiteral("01/01/1900");
        QTest::newRow("1900: the day that never was") << 60.0 << false << QStringLiteral("29/02/1900");
        QTest::newRow("1900: after it") << 61.0 << false << QStringLiteral("01/03/1900");
        QTest::newRow("1900: serial 0 is no date") << 0.0 << false << QString();
        QTest::newRow("1900: last day") << 2958465.0 << false << QStringLiteral("31/12/9999");
        QTest::newRow("1900: past 9999") << 2958466.0 << false << QString();
        QTest::newRow("1904: 1 March 2005") << 36950.0 << true << QStringLiteral("01/03/2005");
        QTest::newRow("1904: day 0") << 0.0 << true << QStringLiteral("01/01/1904");
        QTest::newRow("1904: negative") << -1.0 << true << QString();
    }
    void data()
    {
        QFETCH(double, seriale);
        QFETCH(bool, sistema1904);
        QFETCH(QString, testo);
        QCOMPARE(testoData(seriale, sistema1904), testo);
    }

    void ora_data()
    {
        QTest::addColumn<double>("seriale");
        QTest::addColumn<QString>("testo");
        QTest::newRow("half past twelve") << 0.5208333333333334 << QStringLiteral("12:30:00");
        QTest::newRow("as LibreOffice rounds it") << 0.520833333333333 << QStringLiteral("12:30:00");
        QTest::newRow("midnight") << 0.0 << QStringLiteral("00:00:00");
        QTest::newRow("the date is dropped") << 38412.75 << QStringLiteral("18:00:00");
        QTest::newRow("rounds to midnight") << 0.999999999 << QStringLiteral("00:00:00");
        QTest::newRow("negative: none") << -0.25 << QString();
    }
    void ora()
    {
        QFETCH(double, seriale);
        QFETCH(QString, testo);
        QCOMPARE(testoOra(seriale), testo);
    }

    // Durations count their whole hours, as LibreOffice shows "[h]:mm:ss".
    void durata_data()
    {
        QTest::addColumn<double>("giorni");
        QTest::addColumn<QString>("testo");
        QTest::newRow("ten days and 15:10:10") << 10.63206018518519 << QStringLiteral("255:10:10");
        QTest::newRow("a quarter of a day") << 0.25 << QStringLiteral("06:00:00");
        QTest::newRow("to the nearest second") << 1.0 / 86400 * 59.6 << QStringLiteral("00:01:00");
        QTest::newRow("a thousand years") << 365250.0 << QStringLiteral("8766000:00:00");
        QTest::newRow("negative: none") << -0.5 << QString();
        QTest::newRow("past a count of seconds: none") << 1e300 << QString();
    }
    void durata()
    {
        QFETCH(double, giorni);
        QFETCH(QString, testo);
        QCOMPARE(testoDurata(giorni), testo);
    }

    // A date cell's ISO text: a date, a date and time (the time dropped), a time alone.
    void dataIso_data()
    {
        QTest::addColumn<QString>("iso");
        QTest::addColumn<QString>("testo");
        QTest::newRow("date") << "2005-03-01" << "01/03/2005";
        QTest::newRow("date and time") << "2005-03-01T10:00:00" << "01/03/2005";
        QTest::newRow("time") << "10:10:10" << "10:10:10";
        QTest::newRow("time with milliseconds") << "10:10:10.400" << "10:10:10";
        QTest::newRow("hours and minutes") << "10:10" << "10:10:00";
        QTest::newRow("no time of day") << "25:00:00" << "";
        QTest::newRow("neither") << "domani" << "";
    }
    void dataIso()
    {
        QFETCH(QString, iso);
        QFETCH(QString, testo);
        QCOMPARE(testoDataIso(iso), testo);
    }

    // What number formats show: a date, a time alone, a duration, or the number.
    void formati_data()
    {
        QTest::addColumn<QString>("codice");
        QTest::addColumn<Mostra>("mostra");
        QTest::newRow("general") << "General" << Mostra::Numero;
        QTest::newRow("date") << "dd/mm/yyyy" << Mostra::Data;
        QTest::newRow("date and time") << "dd/mm/yyyy hh:mm" << Mostra::Data;
        QTest::newRow("time") << "hh:mm:ss" << Mostra::Ora;
        QTest::newRow("minutes and seconds") << "mm:ss" << Mostra::Ora;
        QTest::newRow("AM/PM") << "h:mm AM/PM" << Mostra::Ora;
        QTest::newRow("locale in brackets") << "[$-F400]h:mm:ss\\ AM/PM" << Mostra::Ora;
        QTest::newRow("quoted letters") << "0\" hours\"" << Mostra::Numero;
        QTest::newRow("month") << "mmmm" << Mostra::Data;
        QTest::newRow("hours elapsed") << "[h]:mm:ss" << Mostra::Durata;
        QTest::newRow("hours elapsed, two digits") << "[HH]:mm" << Mostra::Durata;
        QTest::newRow("minutes elapsed") << "[mm]:ss" << Mostra::Durata;
        QTest::newRow("seconds elapsed") << "[ss].00" << Mostra::Durata;
        QTest::newRow("a colour, then hours elapsed") << "[Red][h]:mm" << Mostra::Durata;
        QTest::newRow("a colour only") << "[Red]0.00" << Mostra::Numero;
    }
    void formati()
    {
        QFETCH(QString, codice);
        QFETCH(Mostra, mostra);
        QCOMPARE(mostraCodice(codice), mostra);
    }
};

CORVEXT_TEST_MAIN(TestTestoValore)
#include "test_testo_valore.moc"
