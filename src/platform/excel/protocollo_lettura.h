#pragma once
#include "platform/excel/errore_excel.h"
#include "platform/excel/foglio.h"
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

// What the reading process sends to the program about a workbook: records one after the
// other, each a kind (1 byte), the length of its fields (4 bytes) and the fields, integers
// little-endian, texts UTF-8. The sheet's texts are numbered from 1 in the order they come
// (Testo, Attributi and CellaConTesto each bring the next one).
enum class VoceLettura : uint8_t {
    Stile = 1,     // a cell format: its number format (i32)
    FormatoNumero, // a number format of the workbook: its number (i32), its code
    Libro,         // the sheet begins: 1904 date system (u8)
    Testo,         // a text
    Attributi,     // a row's or columns' other attributes as written, numbered as a text
    Cella,         // row (u32), column (u16), kind (u8), cell format (u32), text number (u32)
    CellaConTesto, // row, column, kind, cell format, then its text
    Riga,          // row (u32), cell format (i32, -1 none), text number of its other attributes (u32)
    Colonne,       // first (u16), last (u16), width (f64), cell format (i64), text number of its attributes (u32)
    Parti,         // an .xlsx's parts for saving: six texts, each its length (u32) and bytes
    Errore,        // why the workbook cannot be read: what is refused (u8, Rifiuto), the reason
    Fine,
};

// What a reading refuses: the workbook read, or the file itself before any of it is read.
enum class Rifiuto : uint8_t { Libro, FileNonAperto, NonUnLibro };

// A refusal of the file itself: it cannot be opened (the description the system's reason),
// or it is no workbook.
class FileRifiutato : public ErroreExcel {
public:
    FileRifiutato(Rifiuto motivo, const QString& descrizione) : ErroreExcel(descrizione), motivo(motivo) {}
    Rifiuto motivo;
};

// The reading program's exit status when it runs out of memory where no record can say so.
inline constexpr int uscitaMemoriaEsaurita = 75;

// What an .xlsx's saving needs besides the sheet; the six texts of Parti, in this order.
struct PartiLette {
    std::string parteFoglio, parteStili, parteCalcoli, relazioniLibro, prefisso;
    std::string resto; // the sheet part without its rows, sheetData empty
};

// The reading's side: writes the records.
class UscitaLettura {
public:
    virtual ~UscitaLettura() = default;

    void stile(int32_t formatoNumero);
    void formatoNumero(int32_t numero, std::string_view codice);
    void libro(bool sistema1904);
    // The text's number. Throws ErroreExcel past a cell's limit.
    uint32_t testo(std::string_view utf8);
    void cella(uint32_t riga, uint16_t colonna, TipoCella tipo, uint32_t stile, uint32_t testo);
    void cellaConTesto(uint32_t riga, uint16_t colonna, TipoCella tipo, uint32_t stile, std::string_view testo);
    // A row's own format and attributes; equal attributes of the rows before are sent once.
    void riga(uint32_t riga, int32_t stile, std::string_view attributi);
    void colonne(uint16_t primo, uint16_t ultimo, double larghezza, int64_t stile, std::string_view attributi);
    void parti(const PartiLette& parti);
    void errore(const QString& motivo, Rifiuto cosa = Rifiuto::Libro);
    void fine();

protected:
    virtual void scrivi(const char* dati, size_t n) = 0;

private:
    void record(VoceLettura voce, std::string_view campi, std::string_view testo = {});
    uint32_t numeroAttributi(std::string_view attributi);

    uint32_t prossimoTesto = 1;
    std::string campi;
    std::string attributiRiga; // the last row's attributes, and their number
    uint32_t numeroAttributiRiga = 0;
};

// Appends an integer, little-endian.
template <typename T>
void aggiungiIntero(std::string& dati, T valore)
{
    char byte[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i)
        byte[i] = char(uint64_t(valore) >> (8 * i));
    dati.append(byte, sizeof(T));
}
