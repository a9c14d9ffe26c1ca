#pragma once
#include <QString>

class UscitaLettura;

// The reading process's work: the active sheet of the workbook at that path, sent on as it
// is read. Throws ErroreExcel with the reason when it cannot be read.
void leggiXlsx(const QString& percorso, UscitaLettura& uscita);
void leggiXls(const QString& percorso, UscitaLettura& uscita);
// Either, by the file's first bytes; a reason why it cannot be read goes as a record, and
// the records always end.
void leggiLibro(const QString& percorso, UscitaLettura& uscita);
