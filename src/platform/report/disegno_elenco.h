#pragma once
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"

class QPagedPaintDevice;
class QPainter;

// A list: page header with title and date, column headings, group headers, rows that wrap
// within their column, the page number in the footer. A group header is repeated at the top
// of a page where its group goes on.
void disegnaElenco(QPainter& p, QPagedPaintDevice& pagine, const DefinizioneReport& d, const DatiReport& dati);
