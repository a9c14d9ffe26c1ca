#pragma once
class Connessione;

// Whether the file behind the connection holds every table of a new database with every one
// of its columns (later versions only add to them). False for another program's database or
// one that lost part of its schema.
bool schemaCompleto(Connessione& c);
