#pragma once
#include <QString>
#include <QVariant>

// How a value is written out as text: Null as empty, dates as dd/MM/yyyy, times as hh:mm.
// The forms differ only on date-times (a grid shows the seconds, paper does not).
enum class FormatoTesto { griglia, stampa };

QString testoValore(const QVariant& v, FormatoTesto formato = FormatoTesto::griglia);
