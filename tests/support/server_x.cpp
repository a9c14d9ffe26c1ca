#include "server_x.h"
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {
pid_t processoXvfb = 0;
pid_t processoOpenbox = 0;

void ferma(pid_t& processo)
{
    if (processo > 0) {
        kill(processo, SIGTERM);
        waitpid(processo, nullptr, 0);
        processo = 0;
    }
}

// The window manager's check window named on the root window (_NET_SUPPORTING_WM_CHECK).
bool gestoreAttivo(Display* d)
{
    const Atom verifica = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    Atom tipo = None;
    int formato = 0;
    unsigned long n = 0, resto = 0;
    unsigned char* dati = nullptr;
    const bool trovato = XGetWindowProperty(d, DefaultRootWindow(d), verifica, 0, 1, False, XA_WINDOW, &tipo,
                                            &formato, &n, &resto, &dati) == Success
                         && tipo == XA_WINDOW && n == 1;
    if (dati)
        XFree(dati);
    return trovato;
}
} // namespace

bool avviaXvfb(QSize schermo)
{
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (programma.isEmpty())
        return false;
    int tubo[2];
    if (pipe(tubo) != 0)
        return false;
    const QByteArray eseguibile = programma.toLocal8Bit();
    const QByteArray fd = QByteArray::number(tubo[1]);
    const QByteArray misura = QByteArray::number(schermo.width()) + 'x' + QByteArray::number(schermo.height()) + "x24";
    processoXvfb = fork();
    if (processoXvfb == 0) {
        close(tubo[0]);
        execl(eseguibile.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", misura.constData(),
              "-nolisten", "tcp", static_cast<char*>(nullptr));
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
    qputenv("DISPLAY", ':' + letto.trimmed());
    return true;
}

bool avviaOpenbox()
{
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (programma.isEmpty() || processoXvfb <= 0)
        return false;
    const QByteArray eseguibile = programma.toLocal8Bit();
    processoOpenbox = fork();
    if (processoOpenbox == 0) {
        execl(eseguibile.constData(), "openbox", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (processoOpenbox < 0)
        return false;
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return false;
    bool attivo = false;
    for (QDeadlineTimer scadenza(20000); !attivo && !scadenza.hasExpired(); QThread::msleep(20))
        attivo = gestoreAttivo(d);
    XCloseDisplay(d);
    return attivo;
}

void fermaServerX()
{
    ferma(processoOpenbox);
    ferma(processoXvfb);
}
