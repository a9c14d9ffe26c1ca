#pragma once
#include "dati_report.h"
#include "definizione_report.h"

class QPagedPaintDevice;
class QPainter;

// Labels or envelopes: one cell per row, filled row by row and page by page, without borders;
// in each cell the text block, one field per line, cut to the block.
void disegnaGriglia(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati);
