#include "common/stampa_report.h"
#include "common/stato.h"
#include "platform/report/controllo_report.h"
#include "platform/ui/clessidra.h"

void stampaReport(ControlloReport& controlloReport, const QString& formula, const QString& fileReport, int anteprima)
{
    const Clessidra clessidra;
    controlloReport.impostaFileReport(fileReport);
    controlloReport.impostaConnessione(stringaConnessione);
    controlloReport.impostaFormula(formula);
    controlloReport.impostaDestinazione(anteprima != 0 ? ControlloReport::Destinazione::Anteprima
                                                       : ControlloReport::Destinazione::Stampante);
    controlloReport.produci();
}
