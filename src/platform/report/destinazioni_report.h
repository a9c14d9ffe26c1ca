#pragma once
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"

// A modal preview window of its own, over the active window, with the normal pointer while it is open.
void mostraAnteprima(const DefinizioneReport& definizione, const DatiReport& dati);
// The default printer, without a dialog. Throws ErroreDb when there is none or the print fails.
void stampaSuStampantePredefinita(const DefinizioneReport& definizione, const DatiReport& dati);
// A PDF file. Throws ErroreDb when it cannot be written.
void scriviPdf(const DefinizioneReport& definizione, const DatiReport& dati, const QString& file);
