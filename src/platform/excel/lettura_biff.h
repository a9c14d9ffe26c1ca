#pragma once
#include <cstdint>
#include <string_view>

class ContoLibro;
class FlussoComposto;

// What a cell of an .xls holds, as the reader hands it over.
enum class TipoBiff : unsigned char { Testo, Numero, Data, Ora, Durata, Booleano, Errore };

// Where the reader hands over what it reads.
class CelleBiff {
public:
    virtual ~CelleBiff() = default;
    // The shared strings, in their order (UTF-8), before any cell.
    virtual void stringaCondivisa(std::string_view utf8) = 0;
    // A cell: row and column from 1, its kind, its value (texts in UTF-8, numbers as "%.17g",
    // a boolean "1" or "0", an error as Excel shows it).
    virtual void cella(unsigned riga, unsigned colonna, TipoBiff tipo, std::string_view valore) = 0;
    // A cell showing a shared string, by its number among them (one that was handed over).
    virtual void cellaCondivisa(unsigned riga, unsigned colonna, uint32_t indice) = 0;
};

// Reads the cells of the sheet that was active when a BIFF8 workbook (Excel 97 and later, its
// "Workbook" stream) or a BIFF5 one (Excel 5 and 95, its "Book" stream) was saved, formula
// results included; the date system is known before the first cell. Throws
// std::runtime_error when the stream is damaged or of another version, with the message
// "foglio" when the active sheet is no worksheet, "password" when the workbook is encrypted;
// ErroreExcel past the limits of its lists, whose entries are kept in the account.
void leggiBiff(FlussoComposto& flusso, bool& sistema1904, CelleBiff& celle, ContoLibro& conto);
