#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

// What independent programs read in a workbook we wrote.

struct LettoOpenpyxl {
    QMap<QString, QString> valori;   // "A1" -> the cell's value as text (cells with a value)
    QMap<QString, QString> formati;  // "A1" -> the cell's number format (every cell in the sheet)
    QMap<QString, double> larghezze; // "A" -> the column's width, where one is set
    QString foglio;                  // the active sheet's title
};
// Reads the active sheet with python3-openpyxl; fails the test when it cannot.
LettoOpenpyxl leggiConOpenpyxl(const QString& file);

// Runs a python3 script (with openpyxl at hand) with the arguments; fails the test when it fails.
void eseguiPython(const QString& script, const QStringList& argomenti);

// The file as LibreOffice converts it (formato: "xls", "xlsx", or a filter name) into the
// folder; the converted file's path, empty when soffice is missing or fails.
QString convertiConLibreOffice(const QString& file, const QString& formato, const QString& cartella);

// A sheet (1 the first) as LibreOffice converts it to CSV (UTF-8, comma, cells as shown);
// empty when soffice is missing or fails.
QList<QStringList> leggiConLibreOffice(const QString& file, const QString& cartella, int foglio = 1);
