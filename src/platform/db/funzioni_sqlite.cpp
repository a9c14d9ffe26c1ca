#include "platform/db/funzioni_sqlite.h"
#include "platform/db/ordine_italiano.h"
#include "platform/db/testi_sql.h"
#include <QSqlDatabase>
#include <QSqlDriver>
#include <sqlite3.h>

namespace {
void sqlMaiuscolo(sqlite3_context* ctx, int, sqlite3_value** argomenti)
{
    if (sqlite3_value_type(argomenti[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* testo = reinterpret_cast<const char*>(sqlite3_value_text(argomenti[0]));
    const QByteArray risultato =
        maiuscolo(QString::fromUtf8(testo, sqlite3_value_bytes(argomenti[0]))).toUtf8();
    sqlite3_result_text(ctx, risultato.constData(), int(risultato.size()), SQLITE_TRANSIENT);
}
} // namespace

void registraFunzioniSql(const QSqlDatabase& db)
{
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return;
    registraFunzioniSql(*static_cast<sqlite3* const*>(h.constData()));
}

void registraFunzioniSql(sqlite3* db)
{
    sqlite3_create_function_v2(db, "maiuscolo", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlMaiuscolo, nullptr,
                               nullptr, nullptr);
    ordineItaliano::registra(db);
}
