#pragma once
#include "platform/excel/contenuto_libro.h"
#include "platform/excel/foglio.h"
#include <QString>
#include <memory>

// An open workbook: an .xlsx (read and written) or an .xls (read only), and its sheet.
class LibroExcel {
public:
    // Reads the file through the reading process and takes the sheet that was active when it
    // was saved. Throws ErroreExcel with the operator's message.
    static std::unique_ptr<LibroExcel> apri(const QString& percorso);

    Foglio& foglio() { return *contenuto.foglio; }
    const QString& percorso() const { return file; }
    // Writes the workbook back to its file, copying the file's other parts: only here does the
    // program open the file itself. Throws ErroreExcel.
    void salva();

private:
    LibroExcel(QString file, ContenutoLibro contenuto);

    QString file;
    ContenutoLibro contenuto;
};
