#pragma once
#include <QByteArray>
#include <QSize>

// A private X server for the tests that need a real window system: Xvfb on a free display of
// its own choice, optionally with openbox managing its windows. DISPLAY is set for the process.

// Starts Xvfb with one screen of the given size; false when it could not start.
bool avviaXvfb(QSize schermo);
// Starts openbox on that server and waits until it manages the screen; false otherwise.
bool avviaOpenbox();
// Ends openbox and Xvfb (those started).
void fermaServerX();
