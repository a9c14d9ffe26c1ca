#pragma once
#include <QString>
#include <array>
#include <optional>

class Recordset;

// The 43 columns A to AQ of a first-ignition workbook.
constexpr int colonneTracciato = 43;
// The cells of one row, A first; an empty optional leaves the cell as the template has it.
using RigaTracciato = std::array<std::optional<QString>, colonneTracciato>;

// The rows of the complete and of the DUZ workbook, from rows of primeAccensioni.
class TracciatoAccensioni {
public:
    enum class Tipo {
        completo, // every column
        duz,      // only brand, serial, model and AF to AQ; the rest is left untouched
    };
    // Finds the fields in the recordset; a missing one is an error.
    TracciatoAccensioni(const Recordset& rs, Tipo tipo);
    RigaTracciato riga(const Recordset& rs) const;

private:
    Tipo tipo;
    // Per column, the positions of its field (and of the installer's name, for T); -1 none.
    std::array<std::array<int, 2>, colonneTracciato> indici{};
};

// A row of the manufacturer's workbook: the archived row of accensioniCAT, column for column;
// whole dates in the form dd/MM/yyyy, Null as an empty cell, every other value as stored.
RigaTracciato rigaDededod(const Recordset& rs);
