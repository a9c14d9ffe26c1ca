#pragma once
#include "platform/excel/contenuto_libro.h"
#include <QString>

// The workbook read by our reading program in a process of its own, its records composed as
// they come: a file that crashes or stalls the reader gives a message, within a time limit.
// Throws ErroreExcel with the reason.
ContenutoLibro leggiInProcessoDiLettura(const QString& percorso);

// The reading program: the one beside the program's executable; tests put another in its place.
QString& programmaDiLettura();
