#include "platform/db/errore_sqlite.h"
#include <QSqlError>

namespace {
const QString sorgente = QStringLiteral("SQLite");

// SQLite's primary result codes (the driver reports extended ones).
enum : int { errore = 1, occupato = 5, nonDatabase = 26 };

// Errors in the command itself: error, constraint, mismatch, range.
bool erroreNelComando(int codice)
{
    return codice == errore || codice == 19 || codice == 20 || codice == 25;
}
} // namespace

ErroreDb erroreSqlite(const QSqlError& e)
{
    bool ok = false;
    const int codice = e.nativeErrorCode().toInt(&ok) & 0xff;
    if (ok && codice == occupato)
        return archivioOccupato();
    QString descrizione = e.databaseText().trimmed();
    if (descrizione.isEmpty())
        descrizione = e.driverText();
    if (ok && codice == nonDatabase)
        return ErroreDb(erroreFormatoArchivio, sorgente, descrizione);
    return ErroreDb(ok && erroreNelComando(codice) ? erroreComando : erroreConnessione, sorgente, descrizione);
}

ErroreDb archivioOccupato()
{
    return ErroreDb(erroreArchivioOccupato, sorgente,
                    QStringLiteral("Attenzione ! L'archivio è occupato da un'altra postazione.\r\n"
                                   "Riprovare tra qualche istante."));
}
