#pragma once
#include <QString>

// A workbook read as the import reads it, by the program lettura_misurata beside the tests: what
// came of it and the peak resident memory of both processes.
struct MisuraLettura {
    bool misurata = false; // false when lettura_misurata did not run to its end
    bool letto = false;
    QString testo;          // the sheet's A1, or the reason of the refusal
    double programmaMb = 0; // the composing process's growth while it read
    double lettoreMb = 0;   // the reading process's peak
};
MisuraLettura misuraLettura(const QString& file);
