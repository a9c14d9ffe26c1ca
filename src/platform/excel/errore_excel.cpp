#include "platform/excel/errore_excel.h"

ErroreExcel::ErroreExcel(const QString& descrizione)
    : std::runtime_error(descrizione.toStdString()), descrizione(descrizione)
{
}
