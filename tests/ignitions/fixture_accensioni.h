#pragma once
#include <QMap>
#include <QString>
#include <QVariant>

// Fixtures of the first-ignition tests.

// Copies template.xlsx into the program folder; `riempito`: rows 2 to 8 hold "T" in every
// column, so that a cell an export leaves untouched shows.
void preparaTemplate(const QString& cartella, bool riempito = false);
// Writes a workbook of the layout: the headings, then the rows from row 2 (column letters to text).
void creaLibro(const QString& file, const QList<QMap<QString, QString>>& righe);
// Writes a workbook with openpyxl, a tool independent of ours: one sheet, headings in row 1,
// the rows from row `prima`. A number becomes a number cell, a QDate a date cell, the rest text.
void creaLibroOpenpyxl(const QString& file, const QList<QMap<QString, QVariant>>& righe, int prima = 2);
// The 43 column letters A to AQ.
QStringList lettereTracciato();
// Inserts one row of an SQL table from column -> value; returns its key.
qint64 inserisci(const QString& tabella, const QMap<QString, QVariant>& valori);
