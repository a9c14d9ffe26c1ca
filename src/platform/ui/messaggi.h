#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Message boxes: a style made of buttons, icon and default button.
namespace stile {
constexpr int soloOK = 0;
constexpr int okAnnulla = 1;
constexpr int siNoAnnulla = 3;
constexpr int siNo = 4;
constexpr int critica = 16;
constexpr int domanda = 32;
constexpr int esclamazione = 48;
constexpr int informazione = 64;
constexpr int secondoPredefinito = 256;
}

enum class Risposta { OK = 1, Annulla = 2, Si = 6, No = 7 };

// Shows one box and returns the button pressed. A box without a title of its own
// shows the application title. Lines are separated by "\r\n" or "\n".
Risposta messaggio(const QString& testo, int stileBox = stile::soloOK, const QString& titolo = QString());
// A question whose Yes deletes or overwrites what is stored (rows, a file, another workstation's
// version): it opens on No, so Enter destroys nothing. True when the operator answered Yes.
bool confermaEliminazione(const QString& domanda, int stileBox = stile::siNo | stile::domanda,
                          const QString& titolo = QString());

// The test side: boxes are recorded and answered from a queue instead of being shown.
// With the queue empty a box gets its default button.
namespace seamMessaggi {
struct Mostrato {
    QString testo;
    int stile;
    QString titolo; // as shown: the application title when the box has none
    Risposta predefinita; // the button Enter presses
};
void attiva();               // from now on no box is shown
void rispondi(Risposta r);   // the answer to the next box
QList<Mostrato>& mostrati(); // every box since the last azzera()
QStringList testi();         // the texts of those boxes, in order
void azzera();               // forgets boxes and unused answers
}
