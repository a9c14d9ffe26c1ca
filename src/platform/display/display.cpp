#include "platform/display/display.h"
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

// Xlib's macros (Bool, Status, None, ...) clash with Qt's names: include it after Qt.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {

struct StatoSeam {
    bool attivo = false;
    QSize dimensioni;
    QList<QSize> richieste;
};

StatoSeam& seam()
{
    static StatoSeam s;
    return s;
}

// Rounds to a whole number, halves to the even one.
int arrotonda(double valore)
{
    if (!std::isfinite(valore))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(valore, -2147483648.0, 2147483647.0)));
}

// Errors of our own requests (a refused mode, a vanished output) must not end the program,
// which is what Xlib's default handler does.
int ignoraErrore(Display*, XErrorEvent*)
{
    return 0;
}

// The mode of this size among the output's modes, in the output's order (preferred first);
// 0 when it has none.
RRMode modoDi(const XRRScreenResources* risorse, const XRROutputInfo* uscita, int larghezza, int altezza)
{
    for (int i = 0; i < uscita->nmode; ++i)
        for (int j = 0; j < risorse->nmode; ++j) {
            const XRRModeInfo& m = risorse->modes[j];
            if (m.id == uscita->modes[i] && static_cast<int>(m.width) == larghezza
                && static_cast<int>(m.height) == altezza)
                return m.id;
        }
    return 0;
}

// The primary output, or the first connected output that shows something.
RROutput uscitaPrincipale(Display* dpy, Window radice, XRRScreenResources* risorse, bool versione13)
{
    if (versione13) {
        const RROutput primaria = XRRGetOutputPrimary(dpy, radice);
        if (primaria != 0)
            return primaria;
    }
    for (int i = 0; i < risorse->noutput; ++i) {
        XRROutputInfo* info = XRRGetOutputInfo(dpy, risorse, risorse->outputs[i]);
        const bool adatta = info && info->connection == RR_Connected && info->crtc != 0;
        if (info)
            XRRFreeOutputInfo(info);
        if (adatta)
            return risorse->outputs[i];
    }
    return 0;
}

void cambiaSuX11(Display* dpy, int larghezza, int altezza)
{
    int eventi = 0, errori = 0, maggiore = 0, minore = 0;
    if (!XRRQueryExtension(dpy, &eventi, &errori) || !XRRQueryVersion(dpy, &maggiore, &minore))
        return;
    if (maggiore < 1 || (maggiore == 1 && minore < 2))
        return; // outputs and CRTCs came with RandR 1.2
    const bool versione13 = maggiore > 1 || minore >= 3;

    const int schermo = DefaultScreen(dpy);
    const Window radice = RootWindow(dpy, schermo);
    XRRScreenResources* risorse =
        versione13 ? XRRGetScreenResourcesCurrent(dpy, radice) : XRRGetScreenResources(dpy, radice);
    if (!risorse)
        return;

    XRROutputInfo* uscita = nullptr;
    XRRCrtcInfo* crtc = nullptr;
    const RROutput idUscita = uscitaPrincipale(dpy, radice, risorse, versione13);
    if (idUscita != 0)
        uscita = XRRGetOutputInfo(dpy, risorse, idUscita);
    if (uscita && uscita->crtc != 0)
        crtc = XRRGetCrtcInfo(dpy, risorse, uscita->crtc);

    const RRMode modo = (uscita && crtc) ? modoDi(risorse, uscita, larghezza, altezza) : 0;
    if (modo != 0 && modo != crtc->mode) {
        // The screen (the frame buffer) must hold every CRTC: the new mode of ours, seen
        // through its rotation, and the others as they are.
        const bool ruotato = (crtc->rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
        const int w = ruotato ? altezza : larghezza;
        const int h = ruotato ? larghezza : altezza;
        int nuovaL = crtc->x + w, nuovaA = crtc->y + h;
        for (int i = 0; i < risorse->ncrtc; ++i) {
            if (risorse->crtcs[i] == uscita->crtc)
                continue;
            XRRCrtcInfo* altro = XRRGetCrtcInfo(dpy, risorse, risorse->crtcs[i]);
            if (altro && altro->mode != 0) {
                nuovaL = std::max(nuovaL, altro->x + static_cast<int>(altro->width));
                nuovaA = std::max(nuovaA, altro->y + static_cast<int>(altro->height));
            }
            if (altro)
                XRRFreeCrtcInfo(altro);
        }
        int minL = 0, minA = 0, maxL = 0, maxA = 0;
        if (XRRGetScreenSizeRange(dpy, radice, &minL, &minA, &maxL, &maxA)) {
            nuovaL = std::clamp(nuovaL, minL, std::max(minL, maxL));
            nuovaA = std::clamp(nuovaA, minA, std::max(minA, maxA));
        }
        const int attualeL = DisplayWidth(dpy, schermo), attualeA = DisplayHeight(dpy, schermo);
        // The same dots per millimetre as now.
        auto millimetri = [](int pixel, int pixelOra, int mmOra) {
            return pixelOra > 0 && mmOra > 0 ? std::max(1, static_cast<int>(std::lround(double(pixel) * mmOra / pixelOra)))
                                             : std::max(1, static_cast<int>(std::lround(pixel * 25.4 / 96.0)));
        };
        const int mmL = DisplayWidthMM(dpy, schermo), mmA = DisplayHeightMM(dpy, schermo);

        XGrabServer(dpy);
        if (nuovaL > attualeL || nuovaA > attualeA) {
            const int l = std::max(nuovaL, attualeL), a = std::max(nuovaA, attualeA);
            XRRSetScreenSize(dpy, radice, l, a, millimetri(l, attualeL, mmL), millimetri(a, attualeA, mmA));
        }
        const Status esito = XRRSetCrtcConfig(dpy, risorse, uscita->crtc, CurrentTime, crtc->x, crtc->y, modo,
                                              crtc->rotation, crtc->outputs, crtc->noutput);
        if (esito == RRSetConfigSuccess) {
            if (nuovaL != attualeL || nuovaA != attualeA)
                XRRSetScreenSize(dpy, radice, nuovaL, nuovaA, millimetri(nuovaL, attualeL, mmL),
                                 millimetri(nuovaA, attualeA, mmA));
        } else if (nuovaL > attualeL || nuovaA > attualeA) {
            // Refused: the screen as it was.
            XRRSetScreenSize(dpy, radice, attualeL, attualeA, mmL, mmA);
        }
        XUngrabServer(dpy);
        XSync(dpy, False);
    }

    if (crtc)
        XRRFreeCrtcInfo(crtc);
    if (uscita)
        XRRFreeOutputInfo(uscita);
    XRRFreeScreenResources(risorse);
}

} // namespace

DimensioniSchermo dimensioniSchermo()
{
    const StatoSeam& s = seam();
    if (s.attivo)
        return {s.dimensioni.width(), s.dimensioni.height()};
    const QScreen* schermo = QGuiApplication::primaryScreen();
    if (!schermo)
        return {0, 0};
    const QRect g = schermo->geometry();
    const qreal rapporto = schermo->devicePixelRatio();
    return {static_cast<int>(std::lround(g.width() * rapporto)), static_cast<int>(std::lround(g.height() * rapporto))};
}

void cambiaRisoluzione(double larghezza, double altezza)
{
    const int l = arrotonda(larghezza), a = arrotonda(altezza);
    StatoSeam& s = seam();
    if (s.attivo) {
        s.richieste.append(QSize(l, a));
        return;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb") || l <= 0 || a <= 0)
        return;
    // A connection of our own, so that our requests and their errors stay apart from Qt's.
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return;
    XSync(dpy, False);
    XErrorHandler precedente = XSetErrorHandler(ignoraErrore);
    cambiaSuX11(dpy, l, a);
    XSync(dpy, False);
    XSetErrorHandler(precedente);
    XCloseDisplay(dpy);
}

namespace seamSchermo {

void attiva(int larghezza, int altezza)
{
    seam().attivo = true;
    seam().dimensioni = QSize(larghezza, altezza);
}

QList<QSize>& richieste()
{
    return seam().richieste;
}

void azzera()
{
    seam().richieste.clear();
}

void disattiva()
{
    seam().attivo = false;
    seam().richieste.clear();
}

bool attivo()
{
    return seam().attivo;
}

} // namespace seamSchermo
