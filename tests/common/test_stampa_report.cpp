#include "ambiente_test.h"
#include "common/funzioni.h"
#include "common/stampa_report.h"
#include "common/stato.h"
#include "fixture_report.h"
#include "platform/db/connessione.h"
#include "platform/report/controllo_report.h"
#include "platform/report/errori_report.h"
#include "platform/report/stampante.h"
#include "platform/ui/dimensioni_form.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QToolBar>
#include <QPrintPreviewWidget>

// The shared print routine, as the print windows call it inside their handlers.
class TestStampaReport : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;
    ControlloReport stampa;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        stringaConnessione = QStringLiteral("dsn=corvext");
    }

    void cleanup() { db.reset(); }

    void fileMancante_data()
    {
        QTest::addColumn<int>("anteprima");
        QTest::newRow("preview") << 1;
        QTest::newRow("printer") << 0;
    }

    void fileMancante()
    {
        QFETCH(int, anteprima);
        const QString file = db->cartella() + QStringLiteral("/stampe/manca.rpt");
        QVERIFY(!gestisci([&] { stampaReport(stampa, QString(), file, anteprima); }));
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        const QString box = seamMessaggi::mostrati().first().testo;
        QVERIFY2(box.contains(QStringLiteral("NUMERO: %1").arg(erroreFileReport)), qPrintable(box));
        QVERIFY2(box.contains(file), qPrintable(box));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(seamModale::mostrate().isEmpty());
    }

    void anteprima_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("pagine");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("labels of 28 customers") << QStringLiteral("etichette.rpt") << QString() << 2
                                                << QStringLiteral("Etichette clienti");
        QTest::newRow("route sheet, both technicians") << QStringLiteral("giro.rpt") << QString() << 2
                                                       << QStringLiteral("Giro tecnici");
        QTest::newRow("route sheet, one technician")
            << QStringLiteral("giro.rpt")
            << QStringLiteral("{tecnici.idtecn}=3 AND {interventi.data_int}>=Date (2026,12,9)") << 1
            << QStringLiteral("Giro tecnici");
    }

    // The rows are written in a transaction still open: the report reads through the shared
    // connection. The preview shows the normal pointer while it is open.
    void anteprima()
    {
        QFETCH(QString, report);
        QFETCH(QString, formula);
        QFETCH(int, pagine);
        QFETCH(QString, titolo);
        Transazione t(connessione);
        if (report == QStringLiteral("giro.rpt"))
            preparaGiro();
        else
            clientiInStampe(28);
        int mostrate = -1;
        Qt::CursorShape puntatore = Qt::WaitCursor;
        QStringList scomodi;
        seamModale::accoda([&](QWidget* finestra) {
            QVERIFY(qobject_cast<QPrintPreviewDialog*>(finestra));
            auto* pagina = finestra->findChild<QPrintPreviewWidget*>();
            mostrate = pagina->pageCount();
            // A page that can be read and every button of the toolbar, print included, in sight.
            const QSize schermo = finestra->screen()->availableGeometry().size() - cornice();
            if (finestra->width() < schermo.width() - 1 || finestra->height() < schermo.height() - 1)
                scomodi << QStringLiteral("window %1 x %2").arg(finestra->width()).arg(finestra->height());
            if (pagina->zoomMode() != QPrintPreviewWidget::FitToWidth)
                scomodi << QStringLiteral("zoom");
            auto* barra = finestra->findChild<QToolBar*>();
            for (QAction* a : barra->actions())
                if (!a->isSeparator() && !barra->widgetForAction(a)->isVisible())
                    scomodi << a->text();
            const QCursor* c = QGuiApplication::overrideCursor();
            puntatore = c ? c->shape() : Qt::ArrowCursor;
        });
        QVERIFY(gestisci([&] { stampaReport(stampa, formula, fileStampa(report), 1); }));
        QCOMPARE(seamModale::mostrate(), QList<QString>{titolo});
        QCOMPARE(mostrate, pagine);
        QVERIFY2(scomodi.isEmpty(), qPrintable(scomodi.join(QStringLiteral(", "))));
        QCOMPARE(puntatore, Qt::ArrowCursor);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void senzaStampante()
    {
        if (stampanteInstallata())
            QSKIP("this machine has a printer");
        clientiInStampe(1);
        QVERIFY(!gestisci([&] { stampaReport(stampa, QString(), fileStampa(QStringLiteral("buste.rpt")), 0); }));
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(seamMessaggi::mostrati().first().testo.contains(nessunaStampante));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

CORVEXT_TEST_MAIN(TestStampaReport)
#include "test_stampa_report.moc"
