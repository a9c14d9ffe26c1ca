#pragma once
#include <QSize>

class QWidget;

// The frame and title bar the window system adds around a window: a usual one at least.
QSize cornice();
// Makes a hidden window's layouts ask its controls afresh: a list filled while the window was
// hidden asks for more than when it was laid out (Qt refreshes the layouts of shown windows only).
void rimisura(QWidget* finestra);
// Sizes and centres a window about to open: as large as its content asks for, or as the
// window chose when that is larger, within the screen's free area less frame and title bar.
// (Left alone, Qt would open a new window at two thirds of the screen at most.)
void dimensionaForm(QWidget* finestra);
