#pragma once
#include "ignitions/tracciato_accensioni.h"
#include <QDate>
#include <QString>
#include <functional>

class QLabel;
class Recordset;

// One export of first ignitions into a copy of template.xlsx in the program folder.
struct Esportazione {
    QString prefisso; // "completa da ", "DUZ da ", "DEDEDOD da "
    QDate da;         // the test dates of the selection, for the file name
    QDate a;
    QLabel* lblNum;   // counts the rows as they are written
    std::function<void(const Recordset&, RigaTracciato&)> riga; // the row's cells, into an empty row
};

// "completa da 01-03-2005 a 31-03-2005.xlsx"
QString nomeFileEsportazione(const QString& prefisso, const QDate& da, const QDate& a);

// Writes every row of rs from its first, asking before it replaces a file of the same name,
// and ends with a message: the success, a refusal, or the error met while writing the rows.
// The workbook stays open; the caller closes it.
void esportaExcel(const Esportazione& e, Recordset& rs);
