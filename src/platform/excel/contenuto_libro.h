#pragma once
#include "platform/excel/archivio_zip.h"
#include "platform/excel/foglio.h"
#include "platform/excel/stili.h"
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// What an .xlsx keeps for its saving: its parts (opened only when it is written, inflated only
// when needed), and the active sheet's XML without its rows (sheetData empty).
struct PartiXlsx {
    std::optional<ArchivioZip> archivio;
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

// The writer: the workbook back into its file, the one at percorso, whose other parts are
// copied from it. Throws ErroreExcel with the reason.
void scriviXlsx(PartiXlsx& parti, const Stili& stili, const Foglio& foglio, const QString& percorso);
