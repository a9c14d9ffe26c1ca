#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

// A text for SQL: apostrophes doubled, upper case. The caller adds the apostrophes.
QString sqlTesto(const QString& testo);
// A dd/MM/yyyy text (or dd/MM) as m/d/yyyy for a Jet literal; no date: today as MM/dd/yyyy.
QString dataSQL(const QString& testo);
// A date as m/d/yyyy for a Jet literal.
QString dataSQL(const QDate& data);
// Null gives the empty value (an empty text, 0 as a number).
QVariant nz(const QVariant& valore);
QVariant seNullo(const QVariant& valore, const QVariant& predefinito);
// Upper case, one character to one (accented letters too; "ß" stays "ß").
QString maiuscolo(const QString& testo);
