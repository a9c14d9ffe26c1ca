#pragma once
#include "platform/excel/archivio_zip.h"
#include "platform/excel/foglio.h"
#include "platform/excel/stili.h"
#include <QString>
#include <memory>
#include <pugixml.hpp>

// What an .xlsx keeps for its saving: its parts (inflated only when needed), and the active
// sheet's XML without its rows (sheetData holds only a marker where the rows go).
struct PartiXlsx {
    ArchivioZip archivio;
    QString relazioniLibro; // the workbook's relationships part
    QString parteFoglio;
    QString parteStili;
    QString parteCalcoli; // the calculation chain, dropped on saving: formulas are not kept
    QString prefisso; // the namespace prefix of the sheet's elements, "x:" or ""
    pugi::xml_document scheletro;
};

// An open workbook as the readers give it.
struct ContenutoLibro {
    std::unique_ptr<Stili> stili;
    std::unique_ptr<Foglio> foglio;
    std::unique_ptr<PartiXlsx> parti; // null for a workbook that is only read (.xls)
};

// The readers and the writer; they throw ErroreExcel with the reason.
ContenutoLibro leggiXlsx(const QString& percorso);
ContenutoLibro leggiXls(const QString& percorso);
void scriviXlsx(PartiXlsx& parti, const Stili& stili, const Foglio& foglio, const QString& percorso);

// The marker in the skeleton's sheetData.
inline constexpr char segnapostoRighe[] = "corvext-righe";
