#pragma once
#include "platform/excel/contenuto_libro.h"

// An .xls of a version older than Excel 97, read by LibreOffice: a child process converts a
// copy of it to .xlsx, in a folder and with a profile of its own and within a time limit,
// and the .xlsx reader reads the result, which is only read. A file that crashes or stalls
// the child gives a message. Throws ErroreExcel.
ContenutoLibro leggiConLibreOffice(const QString& percorso);
