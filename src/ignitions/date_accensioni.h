#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

// The date a value holds: a stored date, or a text that is a whole date, d/m/yyyy (our own
// dd/MM/yyyy among them) or yyyy-mm-dd. Anything else, "12/3" or "3-4" included, is no date.
QDate dataCompleta(const QVariant& valore);
// A date as the workbooks and the cards show it.
QString testoData(const QDate& data);
