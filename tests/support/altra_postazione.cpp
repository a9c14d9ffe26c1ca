#include "altra_postazione.h"
#include "platform/db/connessione.h"
#include <QFile>
#include <sqlite3.h>

namespace {
[[noreturn]] void fallisce(sqlite3* db, const QString& cosa)
{
    qFatal("other workstation, %s: %s", qPrintable(cosa), db ? sqlite3_errmsg(db) : "no connection");
}
} // namespace

AltraPostazione::AltraPostazione(const QString& file)
{
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fallisce(db, file);
}

AltraPostazione::~AltraPostazione()
{
    sqlite3_close(db);
}

void AltraPostazione::esegui(const QString& sql)
{
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fallisce(db, sql);
}

QStringList AltraPostazione::colonna(const QString& sql)
{
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK)
        fallisce(db, sql);
    QStringList valori;
    int passo;
    while ((passo = sqlite3_step(s)) == SQLITE_ROW)
        valori << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    if (passo != SQLITE_DONE)
        fallisce(db, sql);
    return valori;
}

bool AltraPostazione::tentaScrittura(const QString& sql)
{
    esegui(QStringLiteral("BEGIN"));
    const QByteArray testo = sql.toUtf8();
    const int esito = sqlite3_exec(db, (testo + "; COMMIT").constData(), nullptr, nullptr, nullptr);
    if (esito == SQLITE_OK)
        return true;
    if (esito != SQLITE_BUSY)
        fallisce(db, sql);
    esegui(QStringLiteral("ROLLBACK"));
    return false;
}

void AltraPostazione::bloccaScritture()
{
    esegui(QStringLiteral("BEGIN IMMEDIATE"));
}

void AltraPostazione::leggeSenzaFinire()
{
    esegui(QStringLiteral("BEGIN; SELECT count(*) FROM sqlite_master"));
}

void AltraPostazione::bloccaTutto()
{
    esegui(QStringLiteral("BEGIN EXCLUSIVE"));
}

void AltraPostazione::sblocca()
{
    esegui(QStringLiteral("ROLLBACK"));
}

void attesaBreve(int ms)
{
    connessione.esegui(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}
