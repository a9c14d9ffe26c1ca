#pragma once
#include <QSqlQuery>
#include <QVariant>
#include <QVector>

// Values as the windows see them. SQLite hands dates and times back as texts: a column
// declared DATE, TIME or DATETIME is turned into QDate, QTime or QDateTime here, and a
// date or time bound to a statement is written in the storage form ('yyyy-mm-dd', 'hh:mm',
// 'yyyy-mm-dd hh:mm:ss').
enum class TipoColonna { altro, data, ora, dataOra };

struct sqlite3_stmt;

// The SQLite statement behind an executed query on Qt's SQLite driver, or null.
sqlite3_stmt* istruzioneSqlite(const QSqlQuery& q);
// The declared type of each column of an executed query on Qt's SQLite driver.
QVector<TipoColonna> tipiColonne(const QSqlQuery& q);
// A value read from a column of that type; an empty text is Null.
QVariant valoreTipizzato(const QVariant& grezzo, TipoColonna tipo);
// The same from a text cell's UTF-8 bytes.
QVariant valoreTipizzato(const char* utf8, qsizetype byte, TipoColonna tipo);
// A value to bind, in the storage form.
QVariant valoreDaLegare(const QVariant& v);
