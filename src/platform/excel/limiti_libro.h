#pragma once
#include "platform/excel/errore_excel.h"
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// What the reading of a workbook may build, whatever the file claims. Each limit is far above
// what a centre's workbook needs: 65,535 rows of 43 columns, notes of 32,767 characters among them.

// A cell's text, in the characters a spreadsheet counts (UTF-16 units).
inline constexpr qint64 massimoCaratteriCella = 32767;
// The sheet as the program keeps it: cells, rows, texts and their attributes.
inline constexpr qint64 massimoMemoriaFoglio = 160ll << 20;
// How deep XML elements may nest.
inline constexpr int massimoLivelliXml = 256;
// One tag, comment or other markup of the XML; texts go in pieces and have their own limit.
inline constexpr qint64 massimoElementoXml = 1 << 20;
// What the sheet part holds besides its cells (kept for saving).
inline constexpr qint64 massimoRestoFoglio = 16ll << 20;
// Entries of a workbook's list: cell formats, number formats, relationships, sheets.
inline constexpr qint64 massimoVociElenco = 65536;
// Entries of the zip file.
inline constexpr qint64 massimoPartiArchivio = 10000;
// Bytes inflated: one part, and all the parts read.
inline constexpr qint64 massimoParteDecompressa = 512ll << 20;
inline constexpr qint64 massimoTotaleDecompresso = 1024ll << 20;
// The directory of an .xls (its streams' names).
inline constexpr qint64 massimoElencoFlussi = 1 << 20;

// The refusal of a workbook past a limit: "La cartella di lavoro supera il limite di <N>
// <unità> (<cosa>): non è stata importata". Sizes in bytes are given in MB.
ErroreExcel superaLimite(qint64 limite, const char* unita, const char* cosa);
ErroreExcel superaLimiteMb(qint64 byte, const char* cosa);

// The UTF-16 length of a UTF-8 text.
qint64 caratteriUtf16(QByteArrayView utf8);
// Refuses a cell's text past its limit.
void controllaTestoCella(QByteArrayView utf8);
