// The main bar on a real X server (a private Xvfb), managed by openbox or by no window manager,
// as the environment variable GESTORE_FINESTRE says ("openbox" or empty).
#include "ambiente_test.h"
#include "server_x.h"
#include "shell/mdi_principale.h"
#include <QMainWindow>
#include <QToolButton>
#include <QWindow>

namespace {
bool conOpenbox() { return qgetenv("GESTORE_FINESTRE") == "openbox"; }
} // namespace

class TestBarraX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    // The outer edge of the bar, frame and title bar included, lies in the top right corner of
    // the 800 x 600 screen it is laid out for, whatever the screen; "Nascondi" and restoring
    // leave it there.
    void barraNelSuoAngolo()
    {
        DatabaseTest db;
        MDIprincipale& m = istanza<MDIprincipale>();
        m.mostra();
        QWidget* f = m.forma();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const auto cornice = [f] {
            QCoreApplication::processEvents();
            return f->frameGeometry();
        };
        if (conOpenbox())
            // The title bar is the window manager's.
            QTRY_VERIFY(f->windowHandle()->frameMargins().top() > 0);
        else
            QCOMPARE(f->frameGeometry(), f->geometry());
        QTRY_COMPARE(cornice().top(), 0);
        QTRY_COMPARE(cornice().right(), 799);
        const QRect posto = cornice();
        m.controlli().cmdNascondi->click();
        QTRY_VERIFY(f->isMinimized());
        f->showNormal();
        QTRY_VERIFY(!f->isMinimized());
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QTest::qWait(200);
        QCOMPARE(cornice(), posto);
    }
};

int main(int argc, char** argv)
{
    const QSize schermo = conOpenbox() ? QSize(1024, 768) : QSize(800, 600);
    if (!avviaXvfb(schermo))
        qFatal("Xvfb did not start");
    if (conOpenbox() && !avviaOpenbox())
        qFatal("openbox did not start (scripts/install-deps installs it)");
    qputenv("QT_QPA_PLATFORM", "xcb");
    preparaAmbienteTest();
    int esito = 0;
    {
        QApplication app(argc, argv);
        TestBarraX11 t;
        esito = QTest::qExec(&t, argc, argv);
    }
    fermaServerX();
    return esito;
}

#include "test_barra_x11.moc"
