#include "platform/db/righe_sqlite.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include <QSqlError>
#include <sqlite3.h>
#include <utility>

sqlite3_stmt* istruzioneAperta(const QSqlQuery& q)
{
    sqlite3_stmt* st = istruzioneSqlite(q);
    if (!st)
        throw ErroreDb(erroreConnessione, QStringLiteral("Recordset"),
                       QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
    return st;
}

bool passo(QSqlQuery& q, sqlite3_stmt* st, bool& primaRiga)
{
    if (std::exchange(primaRiga, false)) {
        if (q.next())
            return true;
        if (q.lastError().isValid())
            throw erroreSqlite(q.lastError());
        return false;
    }
    const int esito = sqlite3_step(st);
    if (esito == SQLITE_ROW)
        return true;
    if (esito != SQLITE_DONE) {
        sqlite3* db = sqlite3_db_handle(st);
        throw erroreSqlite(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db)), QSqlError::StatementError,
                                     QString::number(sqlite3_extended_errcode(db))));
    }
    return false;
}

void scriviCella(sqlite3_stmt* st, int i, TipoColonna tipo, DatiRecordset& d, int colonna)
{
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER:
        d.scriviIntero(colonna, sqlite3_column_int64(st, i));
        break;
    case SQLITE_FLOAT:
        d.scriviReale(colonna, sqlite3_column_double(st, i));
        break;
    case SQLITE_NULL:
        d.scriviNullo(colonna);
        break;
    case SQLITE_BLOB:
        d.scriviBlob(colonna, static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i));
        break;
    default: {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        const int byte = sqlite3_column_bytes(st, i);
        if (tipo == TipoColonna::altro)
            d.scriviTesto(colonna, t, byte);
        else
            d.scrivi(colonna, valoreTipizzato(t, byte, tipo));
    }
    }
}

void aggiungiRiga(sqlite3_stmt* st, const QVector<TipoColonna>& tipi, DatiRecordset& d)
{
    d.nuovaRiga();
    for (int i = 0; i < tipi.size(); ++i)
        scriviCella(st, i, tipi[i], d, i);
}
