#pragma once
class Connessione;

// Whether the file behind the connection holds every table of a new database with every one
// of its columns (later versions only add to them). False for another program's database or
// one that lost part of its schema.
bool schemaCompleto(Connessione& c);

// Whether the file behind the connection is a new database and nothing more: its whole
// schema, and no row but the first rows a new database gets (the counter at 0/0, the first
// administrator as created). Its version does not count: the upgrades add no rows.
bool archivioIntatto(Connessione& c);

// Whether a database of the current version holds every index and trigger of the schema, each
// as the schema writes it.
bool oggettiCompleti(Connessione& c);
// Writes again the indexes and triggers that the database lacks or holds otherwise; where one
// of the archive of imported first ignitions was among them, its folded serials are made again.
// Throws ErroreDb.
void ripristinaOggetti(Connessione& c);
