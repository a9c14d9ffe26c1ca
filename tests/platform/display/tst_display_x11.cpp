// cambiaRisoluzione on a real X server: a private Xvfb started by this test (skipped when
// Xvfb is not installed), with the Qt platform "xcb".
#include "platform/display/display.h"
#include "server_x.h"
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cstring>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

bool xvfbAvviato = false;

struct StatoX {
    int schermoL = 0, schermoA = 0; // the X screen (frame buffer)
    int crtcL = 0, crtcA = 0;       // what the output shows
};

StatoX statoX()
{
    StatoX s;
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return s;
    s.schermoL = DisplayWidth(d, DefaultScreen(d));
    s.schermoA = DisplayHeight(d, DefaultScreen(d));
    XRRScreenResources* r = XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d));
    if (r && r->ncrtc > 0) {
        XRRCrtcInfo* c = XRRGetCrtcInfo(d, r, r->crtcs[0]);
        if (c) {
            s.crtcL = static_cast<int>(c->width);
            s.crtcA = static_cast<int>(c->height);
            XRRFreeCrtcInfo(c);
        }
    }
    if (r)
        XRRFreeScreenResources(r);
    XCloseDisplay(d);
    return s;
}

// Gives the output a mode of this size, as `xrandr --newmode` and `--addmode` would.
void aggiungiModo(int larghezza, int altezza)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return;
    XRRScreenResources* r = XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d));
    QByteArray nome = QByteArray::number(larghezza) + 'x' + QByteArray::number(altezza);
    XRRModeInfo m;
    std::memset(&m, 0, sizeof m);
    m.width = static_cast<unsigned>(larghezza);
    m.height = static_cast<unsigned>(altezza);
    m.hTotal = m.width;
    m.vTotal = m.height;
    m.dotClock = static_cast<unsigned long>(larghezza) * altezza * 60;
    m.name = nome.data();
    m.nameLength = static_cast<unsigned>(nome.size());
    const RRMode modo = XRRCreateMode(d, DefaultRootWindow(d), &m);
    XRRAddOutputMode(d, r->outputs[0], modo);
    XSync(d, False);
    XRRFreeScreenResources(r);
    XCloseDisplay(d);
}

} // namespace

class TestDisplayX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!xvfbAvviato)
            QSKIP("Xvfb is not available");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        aggiungiModo(800, 600);
    }

    void cambiaIlModo()
    {
        QCOMPARE(dimensioniSchermo().larghezza, 1024);
        QCOMPARE(dimensioniSchermo().altezza, 768);

        cambiaRisoluzione(800, 600);
        StatoX s = statoX();
        QCOMPARE(s.crtcL, 800);
        QCOMPARE(s.crtcA, 600);
        QCOMPARE(s.schermoL, 800);
        QCOMPARE(s.schermoA, 600);
        // Qt hears of it too, as the program would on its next start.
        QTRY_COMPARE(dimensioniSchermo().larghezza, 800);
        QTRY_COMPARE(dimensioniSchermo().altezza, 600);

        cambiaRisoluzione(1024, 768);
        s = statoX();
        QCOMPARE(s.crtcL, 1024);
        QCOMPARE(s.schermoL, 1024);
        QCOMPARE(s.schermoA, 768);
        QTRY_COMPARE(dimensioniSchermo().larghezza, 1024);
    }

    void unModoCheNonCeLasciaLoSchermo()
    {
        const StatoX prima = statoX();
        cambiaRisoluzione(640, 480); // the output has no such mode
        cambiaRisoluzione(4000, 3000);
        const StatoX dopo = statoX();
        QCOMPARE(dopo.schermoL, prima.schermoL);
        QCOMPARE(dopo.schermoA, prima.schermoA);
        QCOMPARE(dopo.crtcL, prima.crtcL);
        QCOMPARE(dopo.crtcA, prima.crtcA);
    }
};

int main(int argc, char** argv)
{
    xvfbAvviato = avviaXvfb(QSize(1024, 768));
    if (xvfbAvviato) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int esito = 0;
    {
        QGuiApplication app(argc, argv);
        TestDisplayX11 t;
        esito = QTest::qExec(&t, argc, argv);
    }
    fermaServerX();
    return esito;
}

#include "tst_display_x11.moc"
