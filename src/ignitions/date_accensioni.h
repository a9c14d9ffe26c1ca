#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

// The date a value holds: a stored date, or a text that is a whole date, blanks around it
// aside: day before month as d/m/yyyy or d-m-yyyy (our own dd/MM/yyyy among them), the same
// with a two-digit year (00 to 29 in the 2000s, 30 to 99 in the 1900s), or yyyy-mm-dd.
// Anything else, "12/3", "3-4" or a number included, is no date.
QDate dataCompleta(const QVariant& valore);
// The test date of a workbook cell: a whole date as above, or a date serial number as the
// spreadsheets count days (38442 is 31/03/2005), a fraction of a day aside.
QDate dataCollaudoCella(const QString& testo);
// A date as the workbooks and the cards show it.
QString testoData(const QDate& data);
