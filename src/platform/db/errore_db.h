#pragma once
#include <QString>
#include <stdexcept>

// A failure of the data layer, as the windows report it: number, source, description.
class ErroreDb : public std::runtime_error {
public:
    ErroreDb(long numero, QString sorgente, QString descrizione);

    long numero;
    QString sorgente;
    QString descrizione;
};

// Errors in a command: syntax, unknown table or column, constraint (0x80040E14).
constexpr long erroreComando = -2147217900;
// Any other failure of the connection or the driver.
constexpr long erroreConnessione = -2147467259;
// Another workstation held the archive beyond the busy wait (Jet's "currently locked").
constexpr long erroreArchivioOccupato = 3218;
// The file is not a database of this program (Jet's "unrecognized database format").
constexpr long erroreFormatoArchivio = 3343;
// A field name the recordset does not hold.
constexpr long erroreCampo = 3265;
// A move past either end of a recordset.
constexpr long erroreFineRecordset = 3021;
// The row a write needed is gone: another workstation deleted it (the description tells the operator).
constexpr long erroreRecordEliminato = 3167;
