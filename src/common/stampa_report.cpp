#include "stampa_report.h"
#include "clessidra.h"
#include "controllo_report.h"
#include "stato.h"

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
