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
// The 43 column letters A to AQ.
QStringList lettereTracciato();
// Inserts one row of an SQL table from column -> value; returns its key.
qint64 inserisci(const QString& tabella, const QMap<QString, QVariant>& valori);
