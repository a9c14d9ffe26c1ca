#include "ambiente_test.h"
#include "platform/excel/foglio.h"
#include "platform/excel/libro_excel.h"
#include "platform/ui/messaggi.h"
#include "ignitions/mod_excel.h"
#include <QFile>
#include <QTemporaryDir>

// The one open workbook of the first-ignition windows: its four operations and their messages.
class TestModExcel : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init()
    {
        chiudiExcel();
        seamMessaggi::azzera();
    }

    void colonnaSuccessiva_data()
    {
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("risultato");
        QTest::addColumn<QString>("argomentoDopo");
        QTest::newRow("A") << "A" << "B" << "B";
        QTest::newRow("Z") << "Z" << "AA" << "AA";
        QTest::newRow("z in lower case") << "z" << "AA" << "AA";
        QTest::newRow("AA") << "AA" << "AB" << "AA";
        QTest::newRow("AZ") << "AZ" << "BA" << "AZ";
        QTest::newRow("BZ") << "BZ" << "CA" << "BZ";
        QTest::newRow("AP") << "AP" << "AQ" << "AP";
        QTest::newRow("blanks around") << " C " << "D" << "D";
        QTest::newRow("blanks around two letters") << " AB " << "AC" << "AB";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("three letters") << "ABC" << "" << "ABC";
    }
    void colonnaSuccessiva()
    {
        QFETCH(QString, colonna);
        QFETCH(QString, risultato);
        QFETCH(QString, argomentoDopo);
        QCOMPARE(::colonnaSuccessiva(colonna), risultato);
        QCOMPARE(colonna, argomentoDopo);
    }

    void daAadAQ()
    {
        QString colonna = QStringLiteral("A");
        for (int i = 0; i < 42; ++i)
            colonna = ::colonnaSuccessiva(colonna);
        QCOMPARE(colonna, QStringLiteral("AQ"));
    }

    void nomeMancante()
    {
        QVERIFY(!apriFileExcel(QString()));
        QCOMPARE(seamMessaggi::testi(), QStringList{QStringLiteral("Nome File mancante... selezionare il file")});
        QCOMPARE(seamMessaggi::mostrati().at(0).stile, stile::esclamazione);
        QVERIFY(!foglioExcel());
    }

    // A file that is no workbook: the common error box, nothing left open, even when a
    // workbook was open before.
    void aperturaFallita()
    {
        QVERIFY(apriFileExcel(QStringLiteral(FIXTURE_EXCEL "/semplice.xlsx")));
        QVERIFY(seamMessaggi::testi().isEmpty());
        QVERIFY(!apriFileExcel(dir.filePath(QStringLiteral("manca.xlsx"))));
        QCOMPARE(seamMessaggi::testi().size(), 1);
        QVERIFY(seamMessaggi::testi().at(0).contains(QStringLiteral("manca.xlsx")));
        QVERIFY(!foglioExcel());
        QVERIFY(!libroExcel());
    }

    void chiudiSenzaNienteAperto()
    {
        chiudiExcel();
        chiudiExcel();
        QVERIFY(seamMessaggi::testi().isEmpty());
        QVERIFY(!foglioExcel());
    }

    void apriScriviSalvaChiudi()
    {
        const QString file = dir.filePath(QStringLiteral("esporta.xlsx"));
        QVERIFY(QFile::copy(QStringLiteral(FIXTURE_EXCEL "/semplice.xlsx"), file));
        QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(apriFileExcel(file));
        QCOMPARE(foglioExcel()->valore(QStringLiteral("A1")), QStringLiteral("Matricola"));
        foglioExcel()->scrivi(QStringLiteral("R2"), QStringLiteral("ABC123"));
        QVERIFY(salvaFileExcel());
        chiudiExcel();
        QVERIFY(!foglioExcel());
        QVERIFY(apriFileExcel(file));
        QCOMPARE(foglioExcel()->valore(QStringLiteral("R2")), QStringLiteral("ABC123"));
        QVERIFY(seamMessaggi::testi().isEmpty());
    }

    // A save that fails shows the error box, gives false and leaves the workbook open.
    void salvataggioFallito()
    {
        QVERIFY(!salvaFileExcel()); // nothing open
        QCOMPARE(seamMessaggi::testi().size(), 1);
        QVERIFY(apriFileExcel(QStringLiteral(FIXTURE_EXCEL "/semplice.xls")));
        QVERIFY(!salvaFileExcel());
        QCOMPARE(seamMessaggi::testi().size(), 2);
        QVERIFY(seamMessaggi::testi().at(1).contains(QStringLiteral("si legge soltanto")));
        QVERIFY(foglioExcel());
    }
};

CORVEXT_TEST_MAIN(TestModExcel)
#include "test_mod_excel.moc"
