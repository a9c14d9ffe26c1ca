#pragma once
#include "platform/excel/contenuto_libro.h"
#include <QString>

// The workbook read by our reading program in a process of its own, its records composed as
// they come, the process started under a cap of its memory: a file that crashes or stalls
// the reader, or takes it to the cap, gives a message, within a time limit. Throws
// ErroreExcel with the reason.
ContenutoLibro leggiInProcessoDiLettura(const QString& percorso);

// The reading program: the one beside the program's executable; tests put another in its place.
QString& programmaDiLettura();
// The cap of the reading process's data (heap and private maps), in bytes; tests lower it.
qint64& memoriaMassimaLettura();
