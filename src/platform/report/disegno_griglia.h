#pragma once
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"

class QPagedPaintDevice;
class QPainter;

// Labels or envelopes: one cell per row, filled row by row and page by page, without borders;
// in each cell the text block, each field from a new line, wrapped and if need be shrunk to fit it.
void disegnaGriglia(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati);
