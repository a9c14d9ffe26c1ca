#pragma once
#include <QList>
#include <QStringList>

// One step of the schema: the statements that bring a database to this version.
struct Aggiornamento {
    int versione;
    QStringList istruzioni;
};

// Every step in increasing order of version. The first is the base: the whole schema of a
// new database with its first rows; each later step upgrades the one before it.
const QList<Aggiornamento>& aggiornamenti();

// The statements that make the folded serials of the imported first ignitions again from the
// archive: each serial upper-cased where SQLite can, the others marked Null for the program.
QStringList riempiMatricoleArchiviate();
