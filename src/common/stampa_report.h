#pragma once
#include <QString>

class ControlloReport;

// Prints a report of stampe/ through the report control: a preview window when anteprima is
// not 0, else the default printer. The hourglass shows while it runs and the normal pointer
// returns on every path; a failure is passed on to the caller.
void stampaReport(ControlloReport& controlloReport, const QString& formula, const QString& fileReport, int anteprima);
