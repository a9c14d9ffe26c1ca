#include "platform/report/disegno_report.h"
#include "platform/report/disegno_elenco.h"
#include "platform/report/disegno_griglia.h"
#include <QPainter>
#include <QPrinter>

void preparaStampante(QPrinter& stampante, const DefinizioneReport& definizione)
{
    stampante.setDocName(definizione.titolo);
    stampante.setPageLayout(definizione.pagina);
    stampante.setFullPage(true);
}

bool disegnaReport(const DefinizioneReport& definizione, const DatiReport& dati, QPrinter& stampante)
{
    QPainter p;
    if (!p.begin(&stampante))
        return false;
    if (definizione.tipo == DefinizioneReport::Tipo::Elenco)
        disegnaElenco(p, stampante, definizione, dati);
    else
        disegnaGriglia(p, stampante, definizione, dati);
    return p.end() && stampante.printerState() != QPrinter::Error;
}
