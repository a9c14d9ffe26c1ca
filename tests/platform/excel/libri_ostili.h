#pragma once
#include <QByteArray>
#include <QString>

// A file's bytes, and a file written anew with them.
QByteArray contenutoFile(const QString& file);
void scriviFile(const QString& file, const QByteArray& dati);

// Workbooks made to take a reader's memory or time, each of a given size: small files that
// claim or hold far more than a centre's workbook. Each writes the file and returns nothing.

// An .xls whose `celle` cells all show one shared string of `caratteri` characters; the
// cells point at `indice` among the shared strings (0, the one there is).
void xlsStringaRipetuta(const QString& file, int celle, int caratteri, quint32 indice = 0);
// An .xls whose workbook (A1 "xxxxxxx") lies in a mini stream of `miniByte` bytes, every stream
// being small; its entry declares `dichiarati` bytes (0: its own) and with `ciclo` the small-block
// table is all zeros, each sector leading back to the first.
void xlsFlussoPiccolo(const QString& file, quint32 miniByte, quint32 dichiarati = 0, bool ciclo = false);
// An .xls whose workbook's chain of sectors comes back to its first, its entry declaring the
// stream twice over: the workbook read twice in a row.
void xlsCatenaCiclica(const QString& file);
// An .xlsx with `intervalli` column ranges, each of every column (overlapping) or each of
// one column of its own.
void xlsxColonne(const QString& file, int intervalli, bool sovrapposte);
// An .xlsx of `celle` cells holding only a format.
void xlsxCelleVuote(const QString& file, qint64 celle);
// An .xlsx whose sheet holds elements nested `livelli` deep, `volte` times, before its cells.
void xlsxAnnidato(const QString& file, int livelli, int volte = 1);
// An .xlsx with one cell of a text of `caratteri` characters.
// Elements nested `livelli` deep, each named by `caratteri` characters.
void xlsxNomiLunghi(const QString& file, int livelli, int caratteri);
void xlsxTestoLungo(const QString& file, qint64 caratteri);
// An .xlsx with `stringhe` shared strings of `caratteri` characters each, all different.
void xlsxStringheCondivise(const QString& file, qint64 stringhe, int caratteri);
// An .xlsx whose sheet holds `elementi` merged ranges besides its cells.
void xlsxRestoGrande(const QString& file, qint64 elementi);
// An .xlsx whose first row's tag has `attributi` attributes.
void xlsxAttributi(const QString& file, qint64 attributi);
// An .xlsx with `parti` more entries in its zip, of a few bytes each, named by `caratteri`
// characters (0: short names).
void xlsxMolteParti(const QString& file, int parti, int caratteri = 0);
// The same, its zip's comment holding an end record that claims one entry.
void xlsxFineFalsa(const QString& file, int parti);
// An .xlsx of one cell, A1 "a", whose lists hold `voci` entries of `caratteri` characters each:
// number formats (their codes), cell formats (an attribute of each), sheets (their names,
// each one the sheet there is), the workbook's relationships (their targets).
void xlsxFormatiNumero(const QString& file, qint64 voci, int caratteri);
void xlsxFormatiCella(const QString& file, qint64 voci, int caratteri);
void xlsxFogli(const QString& file, qint64 voci, int caratteri);
void xlsxRelazioni(const QString& file, qint64 voci, int caratteri);
// An .xlsx whose sheetData holds `righe` byte for byte.
void xlsxRighe(const QString& file, const QByteArray& righe);
