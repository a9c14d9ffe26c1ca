#pragma once
class QApplication;

// Start-up: data source, screen mode, connection, log, login, main window.
// True when the main window is shown and the event loop is to run.
bool Main();

// The whole run of the program: Italian texts for Qt's own dialogs, start-up, event loop.
int eseguiProgramma(QApplication& app);
