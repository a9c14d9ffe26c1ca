#pragma once
#include "platform/db/dati_recordset.h"
#include "platform/db/valori_sqlite.h"
#include <QSqlQuery>
#include <QVector>

struct sqlite3_stmt;

// A query executed on Qt's SQLite driver read on through SQLite's own API, its rows copied
// into a snapshot.

// The statement behind a query; the connection was closed meanwhile when it has none.
sqlite3_stmt* istruzioneAperta(const QSqlQuery& q);
// Steps an executed query onto its next row: false at the end. The first row is the one the
// driver stepped onto when it ran the statement (primaRiga true until it is taken).
bool passo(QSqlQuery& q, sqlite3_stmt* st, bool& primaRiga);
// A cell of the statement's current row written into a cell of the snapshot's row being
// written, read from the statement itself with one copy.
void scriviCella(sqlite3_stmt* st, int i, TipoColonna tipo, DatiRecordset& d, int colonna);
// The statement's current row as a new row of the snapshot.
void aggiungiRiga(sqlite3_stmt* st, const QVector<TipoColonna>& tipi, DatiRecordset& d);
