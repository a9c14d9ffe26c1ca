#pragma once
#include <functional>
#include <string_view>

// What a cell of an .xls holds, as the reader hands it over.
enum class TipoBiff : unsigned char { Testo, Numero, Data, Ora, Booleano, Errore };

// A cell: row and column from 1, its kind, its value (texts in UTF-8, numbers as "%.17g", a
// boolean "1" or "0", an error as Excel shows it).
using CellaBiff = std::function<void(unsigned riga, unsigned colonna, TipoBiff tipo, std::string_view valore)>;

// Reads the cells of the sheet that was active when a BIFF8 workbook (Excel 97 and later, its
// "Workbook" stream) or a BIFF5 one (Excel 5 and 95, its "Book" stream) was saved, formula
// results included. Throws std::runtime_error when the stream is damaged or of another
// version, with the message "foglio" when the active sheet is no worksheet, "password" when
// the workbook is encrypted.
void leggiBiff(std::string_view flusso, bool& sistema1904, const CellaBiff& cella);
