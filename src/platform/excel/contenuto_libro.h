#pragma once
#include "platform/excel/archivio_zip.h"
#include "platform/excel/foglio.h"
#include "platform/excel/stili.h"
#include <QByteArray>
#include <QString>
#include <memory>

// What an .xlsx keeps for its saving: its parts (inflated only when needed), and the active
// sheet's XML without its rows (sheetData empty).
struct PartiXlsx {
    ArchivioZip archivio;
    QString relazioniLibro; // the workbook's relationships part
    QString parteFoglio;
    QString parteStili;
    QString parteCalcoli; // the calculation chain, dropped on saving: formulas are not kept
    QString prefisso; // the namespace prefix of the sheet's elements, "x:" or ""
    QByteArray scheletro;
};

// An open workbook as the readers give it.
struct ContenutoLibro {
    std::unique_ptr<Stili> stili;
    std::unique_ptr<Foglio> foglio;
    std::unique_ptr<PartiXlsx> parti; // null for a workbook that is only read (.xls)
};

// The writer; throws ErroreExcel with the reason.
void scriviXlsx(PartiXlsx& parti, const Stili& stili, const Foglio& foglio, const QString& percorso);
