#pragma once
#include "platform/excel/contenuto_libro.h"
#include <QString>

// The reading program's work done in this process and composed as the program composes it,
// so that a fault of a reader is the test's own. Throws ErroreExcel as the reading does.
ContenutoLibro leggiQui(const QString& percorso);

// The process's peak resident memory (VmHWM) in MB, and its reset to the present.
double piccoMemoriaMb();
void azzeraPiccoMemoria();
