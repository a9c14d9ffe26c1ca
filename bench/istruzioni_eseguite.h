#pragma once
#include "platform/db/connessione.h"
#include <QSqlDriver>
#include <QStringList>
#include <sqlite3.h>

// The statements the shared connection runs while the object lives, in order, with their values
// written in as SQLite ran them: the limit of a window's work on the archive is the same
// statements through the C API.
class IstruzioniEseguite {
public:
    IstruzioniEseguite() { sqlite3_trace_v2(db(), SQLITE_TRACE_STMT, traccia, this); }
    ~IstruzioniEseguite() { sqlite3_trace_v2(db(), 0, nullptr, nullptr); }
    IstruzioniEseguite(const IstruzioniEseguite&) = delete;
    IstruzioniEseguite& operator=(const IstruzioniEseguite&) = delete;

    const QStringList& tutte() const { return testi; }
    // The queries alone.
    const QStringList& letture() const { return query; }

private:
    static sqlite3* db() { return *static_cast<sqlite3* const*>(connessione.database().driver()->handle().constData()); }

    static int traccia(unsigned, void* contesto, void* istruzione, void* testo)
    {
        auto* st = static_cast<sqlite3_stmt*>(istruzione);
        // A trigger's own statements are announced as comments: they run again with their statement.
        if (qstrncmp(static_cast<const char*>(testo), "--", 2) == 0)
            return 0;
        char* esteso = sqlite3_expanded_sql(st);
        auto* io = static_cast<IstruzioniEseguite*>(contesto);
        io->testi << QString::fromUtf8(esteso);
        if (sqlite3_stmt_readonly(st) && sqlite3_column_count(st) > 0)
            io->query << io->testi.last();
        sqlite3_free(esteso);
        return 0;
    }

    QStringList testi, query;
};
