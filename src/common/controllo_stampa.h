#pragma once

class ControlloReport;

// The main window's report control, for the windows that print: the shell sets it at start-up.
void impostaControlloStampa(ControlloReport* controllo);
// Throws when no control was set.
ControlloReport& controlloStampa();
