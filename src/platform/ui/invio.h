#pragma once
#include <QAbstractButton>

class QKeyEvent;

// Enter: Return, or the keypad's Enter, with no other modifier.
bool tastoInvio(const QKeyEvent* e);
// The push or tool button that has the focus in a window; nullptr when the focus is elsewhere.
QAbstractButton* pulsanteConFocus(const QWidget* finestra);
// Clicks an enabled button.
void premi(QAbstractButton* pulsante);
// Enter presses the focused push or tool button of a window that is no FormaDialogo.
void invioPremeIlPulsante(QWidget* finestra);
