// cambiaRisoluzione on a real X server: a private Xvfb started by this test (skipped when
// Xvfb is not installed), with the Qt platform "xcb".
#include "platform/display/display.h"
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

pid_t processoXvfb = 0;
QByteArray schermoXvfb; // ":N" once the server is up

// Starts Xvfb on a free display of its choice (-displayfd); true when it is up.
bool avviaXvfb()
{
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (programma.isEmpty())
        return false;
    int tubo[2];
    if (pipe(tubo) != 0)
        return false;
    const QByteArray eseguibile = programma.toLocal8Bit();
    const QByteArray fd = QByteArray::number(tubo[1]);
    processoXvfb = fork();
    if (processoXvfb == 0) {
        close(tubo[0]);
        execl(eseguibile.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "1024x768x24", "-nolisten",
              "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    if (processoXvfb < 0) {
        close(tubo[0]);
        return false;
    }
    QByteArray letto;
    pollfd p{tubo[0], POLLIN, 0};
    while (!letto.contains('\n') && poll(&p, 1, 20000) > 0) {
        char buffer[32];
        const ssize_t n = read(tubo[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        letto.append(buffer, n);
    }
    close(tubo[0]);
    if (!letto.contains('\n'))
        return false;
    schermoXvfb = ':' + letto.trimmed();
    return true;
}

void fermaXvfb()
{
    if (processoXvfb > 0) {
        kill(processoXvfb, SIGTERM);
        waitpid(processoXvfb, nullptr, 0);
        processoXvfb = 0;
    }
}

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
        if (schermoXvfb.isEmpty())
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
    if (avviaXvfb()) {
        qputenv("DISPLAY", schermoXvfb);
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
    fermaXvfb();
    return esito;
}

#include "tst_display_x11.moc"
