#pragma once
#include <QString>

// How a cell's value reads as text, the way an Italian spreadsheet shows it.

// A number: at most 15 significant digits, decimal comma, no exponent between 1E-10 and 1E+21
// (1234567 gives "1234567", 0.5 "0,5", 1E+25 "1E+25").
QString testoNumero(double valore);
// A date serial of the workbook's date system as dd/MM/yyyy; the time of day is dropped.
// Empty when the serial is outside the years 1900 (1904) to 9999.
QString testoData(double seriale, bool sistema1904);
// The time of day of a serial (its fraction of a day) as HH:mm:ss, to the nearest second;
// empty for a negative serial or no number.
QString testoOra(double seriale);
// A duration in days as its whole hours, minutes and seconds (10 days and 15:10:10 give
// "255:10:10", half a day "12:00:00"), to the nearest second; empty when negative or no number.
QString testoDurata(double giorni);
// An ISO date ("2005-03-01", "2005-03-01T10:00:00") as dd/MM/yyyy, a time alone ("10:10:10")
// as HH:mm:ss; empty when it is neither.
QString testoDataIso(const QString& iso);
