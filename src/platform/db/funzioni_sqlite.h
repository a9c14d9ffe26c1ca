#pragma once

class QSqlDatabase;

// SQL functions of the program on an open connection: maiuscolo(text), the upper case the
// program compares texts with (accented letters too; SQLite's upper() knows only A to Z).
void registraFunzioniSql(const QSqlDatabase& db);
