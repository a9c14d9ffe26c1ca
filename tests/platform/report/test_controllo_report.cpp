#include "ambiente_test.h"
#include "fixture_report.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/report/controllo_report.h"
#include "platform/report/errori_report.h"
#include "platform/report/stampante.h"
#include <QDir>
#include <QFile>

// The report control's failures: each one raises its error and prints nothing.
class TestControlloReport : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

    static QString definizione(const QString& layout, const QString& da = QStringLiteral("stampe"))
    {
        return QStringLiteral("{\"titolo\": \"Prova\", \"query\": {\"tabelle\": [\"stampe\"], \"seleziona\": \"idcli\","
                              " \"da\": \"%1\", \"ordina\": \"rowid\"}, \"pagina\": {\"formato\": \"A4\","
                              " \"orientamento\": \"verticale\", \"margini\": {\"sinistro\": 0, \"superiore\": 0,"
                              " \"destro\": 0, \"inferiore\": 0}}, %2}")
            .arg(da, layout);
    }

    static QString busta(const QString& tipo = QStringLiteral("busta"), const QString& campo = QStringLiteral("idcli"))
    {
        return QStringLiteral("\"layout\": {\"tipo\": \"%1\", \"carattere\": 10, \"testo\": {\"x\": 10, \"y\": 10,"
                              " \"larghezza\": 50, \"altezza\": 20}, \"campi\": [\"%2\"]}")
            .arg(tipo, campo);
    }

    void produci(const QString& file, const QString& formula, const QString& stringa, const QString& pdf)
    {
        ControlloReport controllo;
        controllo.impostaFileReport(file);
        controllo.impostaConnessione(stringa);
        controllo.impostaFormula(formula);
        controllo.impostaDestinazione(ControlloReport::Destinazione::Pdf);
        controllo.impostaFilePdf(pdf);
        controllo.produci();
    }

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        clientiInStampe(1);
    }

    void cleanup() { db.reset(); }

    void errori_data()
    {
        QTest::addColumn<QString>("contenuto"); // null: no report file
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("connessione");
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<int>("numero"); // 0: printed
        const QString dsn = QStringLiteral("dsn=corvext");
        const QString pdf = QStringLiteral("report.pdf");
        QTest::newRow("valid definition") << definizione(busta()) << QString() << dsn << pdf << 0;
        QTest::newRow("bare data-source name") << definizione(busta()) << QString() << QStringLiteral("CORVEXT")
                                               << pdf << 0;
        QTest::newRow("missing file") << QString() << QString() << dsn << pdf << int(erroreFileReport);
        QTest::newRow("not JSON") << QStringLiteral("{ \"titolo\": ") << QString() << dsn << pdf
                                  << int(erroreFileReport);
        QTest::newRow("no layout") << definizione(QStringLiteral("\"x\": 1")) << QString() << dsn << pdf
                                   << int(erroreFileReport);
        QTest::newRow("unknown layout kind") << definizione(busta(QStringLiteral("torta"))) << QString() << dsn
                                             << pdf << int(erroreFileReport);
        QTest::newRow("field the query lacks") << definizione(busta(QStringLiteral("busta"), QStringLiteral("cognome")))
                                               << QString() << dsn << pdf << int(erroreCampoReport);
        QTest::newRow("query the database rejects") << definizione(busta(), QStringLiteral("inesistente"))
                                                    << QString() << dsn << pdf << int(erroreFileReport);
        QTest::newRow("formula it cannot read") << definizione(busta()) << QStringLiteral("{stampe.idcli}=") << dsn
                                                << pdf << int(erroreFormulaReport);
        QTest::newRow("field the formula does not know") << definizione(busta()) << QStringLiteral("{clienti.idcli}=1")
                                                         << dsn << pdf << int(erroreCampoReport);
        QTest::newRow("another data source") << definizione(busta()) << QString() << QStringLiteral("dsn=altro")
                                             << pdf << int(erroreConnessione);
        QTest::newRow("PDF that cannot be written") << definizione(busta()) << QString() << dsn
                                                    << QStringLiteral("manca/report.pdf") << int(erroreStampaReport);
    }

    void errori()
    {
        QFETCH(QString, contenuto);
        QFETCH(QString, formula);
        QFETCH(QString, connessione);
        QFETCH(QString, pdf);
        QFETCH(int, numero);
        const QString file = db->cartella() + QStringLiteral("/prova.rpt");
        if (!contenuto.isNull()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto.toUtf8());
        }
        const QString filePdf = db->cartella() + u'/' + pdf;
        try {
            produci(file, formula, connessione, filePdf);
            QCOMPARE(0, numero);
            QVERIFY(QFileInfo(filePdf).size() > 0);
        } catch (const ErroreDb& e) {
            QCOMPARE(e.numero, long(numero));
            QVERIFY(!e.descrizione.isEmpty());
            QVERIFY(!QFile::exists(filePdf));
        }
    }

    // Callers may write the folder separators of a path as backslashes.
    void percorsoConBarreRovesciate()
    {
        QString file = fileStampa(QStringLiteral("etichette.rpt"));
        file.replace(QStringLiteral("/stampe/"), QStringLiteral("\\stampe\\"));
        const QString pdf = db->cartella() + QStringLiteral("/etichette.pdf");
        produci(file, QString(), QStringLiteral("dsn=corvext"), pdf);
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

    void senzaStampante()
    {
        if (stampanteInstallata())
            QSKIP("this machine has a printer");
        ControlloReport controllo;
        controllo.impostaFileReport(fileStampa(QStringLiteral("etichette.rpt")));
        controllo.impostaConnessione(QStringLiteral("dsn=corvext"));
        controllo.impostaDestinazione(ControlloReport::Destinazione::Stampante);
        try {
            controllo.produci();
            QFAIL("no error raised");
        } catch (const ErroreDb& e) {
            QCOMPARE(e.numero, erroreStampaReport);
            QCOMPARE(e.descrizione, nessunaStampante);
        }
    }
};

CORVEXT_TEST_MAIN(TestControlloReport)
#include "test_controllo_report.moc"
