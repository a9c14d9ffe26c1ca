#pragma once
class Connessione;

// Brings the database behind the connection to the current schema: a database with no
// tables gets the whole schema, the counter row and the first administrator; an older
// one gets the numbered upgrades it lacks. Everything in one transaction. A file that is not
// a database of this program, lacks part of the schema or was upgraded by a newer version is
// left untouched: ErroreDb erroreFormatoArchivio, with a text that names the file.
void preparaDatabase(Connessione& c);
