#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <string>

class Recordset;

// The 43 columns A to AQ of a first-ignition workbook.
constexpr int colonneTracciato = 43;

// How a column of the layout shows its field.
enum class RegolaTracciato {
    semplice,     // the value; Null empty
    vuota,        // always an empty text
    risposta,     // Null untouched, 0 "NO", -1 (not answered) empty, else "SI"
    siNo,         // Null untouched, 0 "NO", else "SI"
    data,         // Null empty, else dd/MM/yyyy
    installatore, // company name and name, one blank between, trimmed
    scarico,      // Null untouched, 0-3 the flue word, else empty
    attesta,      // 0-3 the means word, else untouched
};

struct ColonnaTracciato {
    QString campo; // the field of primeAccensioni; none for an empty column
    RegolaTracciato regola;
    bool duz;      // written in the DUZ layout too
};

// A to AQ in order; the installer's column (T) shows the company name with nome_ins.
const std::array<ColonnaTracciato, colonneTracciato>& colonneTracciatoAccensioni();

// The cells of one row, A first, as UTF-8 texts; a cell left out stays as the template has it.
// One object serves row after row and keeps its room.
class RigaTracciato {
public:
    RigaTracciato() { svuota(); }
    void svuota();
    // The text of the column (0 for A).
    void poni(int colonna, QByteArrayView utf8);
    void poni(int colonna, QStringView testo);
    // The column's text; none when the cell is left out.
    std::optional<QByteArrayView> cella(int colonna) const
    {
        const auto [inizio, fine] = posti[size_t(colonna)];
        if (inizio < 0)
            return std::nullopt;
        return QByteArrayView(testi.data() + inizio, fine - inizio);
    }

private:
    std::string testi;
    std::array<std::pair<qsizetype, qsizetype>, colonneTracciato> posti; // where each text lies; -1 left out
};

// The rows of the complete and of the DUZ workbook, from rows of primeAccensioni.
class TracciatoAccensioni {
public:
    enum class Tipo {
        completo, // every column
        duz,      // only brand, serial, model and AF to AQ; the rest is left untouched
    };
    // Finds the fields in the recordset; a missing one is an error.
    TracciatoAccensioni(const Recordset& rs, Tipo tipo);
    void riga(const Recordset& rs, RigaTracciato& r) const;

private:
    Tipo tipo;
    // Per column, the positions of its field (and of the installer's name, for T); -1 none.
    std::array<std::array<int, 2>, colonneTracciato> indici{};
};

// A row of the manufacturer's workbook: the archived row of accensioniCAT, column for column;
// whole dates in the form dd/MM/yyyy, Null as an empty cell, every other value as stored.
void rigaDededod(const Recordset& rs, RigaTracciato& r);
