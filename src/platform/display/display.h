#pragma once
#include <QList>
#include <QSize>

// The display: its size and its mode.

struct DimensioniSchermo {
    int larghezza;
    int altezza;
};

// The primary screen's size in physical pixels (its geometry times its device pixel ratio);
// 0 x 0 when there is no screen.
DimensioniSchermo dimensioniSchermo();

// Switches the primary display to a mode of this size (each value rounded to a whole number,
// halves to even). On X11 (platform "xcb") the primary
// output of XRandR is set to one of its modes of that size; a size the output has no mode
// for, or any refusal, leaves the screen as it was. Elsewhere it does nothing. The outcome
// is not examined; the mode is not kept beyond the X session.
void cambiaRisoluzione(double larghezza, double altezza);

// The test double: while active, dimensioniSchermo() gives the size set here and
// cambiaRisoluzione only records what it was asked (rounded as above).
namespace seamSchermo {
void attiva(int larghezza, int altezza); // from now on the screen is this size
QList<QSize>& richieste();               // every cambiaRisoluzione since the last azzera()
void azzera();                           // forgets the requests (the double stays active)
void disattiva();                        // back to the real screen; forgets the requests
bool attivo();
} // namespace seamSchermo
