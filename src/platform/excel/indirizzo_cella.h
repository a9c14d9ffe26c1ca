#pragma once
#include <QString>
#include <string_view>

// A cell of a sheet, 1-based: column 1 is A, row 1 the first row.
struct IndirizzoCella {
    int riga = 0;
    int colonna = 0;
};

constexpr int ultimaRiga = 1048576;
constexpr int ultimaColonna = 16384; // XFD

// "R12" as row 12, column 18; no blanks, letters in either case. Throws ErroreExcel
// when the text is no address of a sheet.
IndirizzoCella leggiIndirizzo(const QString& indirizzo);
// The same for an address read from a file (a byte string); false when it is none.
bool leggiIndirizzo(std::string_view testo, IndirizzoCella& cella);
// 1 gives "A", 27 "AA".
QString lettereColonna(int colonna);
