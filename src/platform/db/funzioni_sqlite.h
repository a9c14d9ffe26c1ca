#pragma once

class QSqlDatabase;
struct sqlite3;

// SQL functions of the program on an open connection: maiuscolo(text), the upper case the
// program compares texts with (accented letters too; SQLite's upper() knows only A to Z), and
// the collation ITALIANO that orders texts (ordine_italiano.h).
void registraFunzioniSql(const QSqlDatabase& db);
// The same on a connection opened through the SQLite C API.
void registraFunzioniSql(sqlite3* db);
