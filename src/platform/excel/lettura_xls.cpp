#include "contenuto_libro.h"
#include "errore_excel.h"
#include <QFile>
#include <freexl.h>

namespace {

struct ChiudiXls {
    const void* maniglia = nullptr;
    ~ChiudiXls() { freexl_close(maniglia); }
};

[[noreturn]] void erroreXls(int codice)
{
    throw ErroreExcel(QStringLiteral("il file .xls non è leggibile (errore FreeXL %1)").arg(codice));
}

} // namespace

// FreeXL does not give the tab that was active when the file was saved: the first sheet is read.
ContenutoLibro leggiXls(const QString& percorso)
{
    ChiudiXls xls;
    int esito = freexl_open(QFile::encodeName(percorso).constData(), &xls.maniglia);
    if (esito != FREEXL_OK)
        erroreXls(esito);
    unsigned int fogli = 0;
    if ((esito = freexl_get_info(xls.maniglia, FREEXL_BIFF_SHEET_COUNT, &fogli)) != FREEXL_OK)
        erroreXls(esito);
    if (fogli == 0)
        throw ErroreExcel(QStringLiteral("la cartella di lavoro non ha fogli"));
    unsigned int righe = 0;
    unsigned short colonne = 0;
    if ((esito = freexl_select_active_worksheet(xls.maniglia, 0)) != FREEXL_OK
        || (esito = freexl_worksheet_dimensions(xls.maniglia, &righe, &colonne)) != FREEXL_OK)
        erroreXls(esito);

    ContenutoLibro libro;
    libro.stili = std::make_unique<Stili>();
    libro.foglio = std::make_unique<Foglio>(*libro.stili, false);
    for (unsigned int r = 0; r < righe && r < unsigned(ultimaRiga); ++r)
        for (unsigned short c = 0; c < colonne && c < ultimaColonna; ++c) {
            FreeXL_CellValue valore;
            if ((esito = freexl_get_cell_value(xls.maniglia, r, c, &valore)) != FREEXL_OK)
                erroreXls(esito);
            Cella cella;
            cella.colonna = quint16(c + 1);
            switch (valore.type) {
            case FREEXL_CELL_INT:
                cella.tipo = TipoCella::Numero;
                cella.valore = QString::number(valore.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                cella.tipo = TipoCella::Numero;
                cella.valore = QString::number(valore.value.double_value, 'g', 17);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_TIME:
                cella.valore = QString::fromUtf8(valore.value.text_value);
                break;
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
                cella.tipo = TipoCella::DataIso;
                cella.valore = QString::fromUtf8(valore.value.text_value);
                break;
            default:
                continue;
            }
            libro.foglio->poni(int(r + 1), std::move(cella));
        }
    return libro;
}
