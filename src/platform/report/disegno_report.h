#pragma once
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"

class QPrinter;

// Gives the printer the definition's page: paper, orientation, and drawing from the paper's corner.
void preparaStampante(QPrinter& stampante, const DefinizioneReport& definizione);

// Lays the rows out on the printer's pages as the definition says.
// False when the printer cannot be painted on or its output was not completed.
[[nodiscard]] bool disegnaReport(const DefinizioneReport& definizione, const DatiReport& dati, QPrinter& stampante);
