#pragma once
class Connessione;

// Brings the database behind the connection to the current schema: a database with no
// tables gets the whole schema, the counter row and the first administrator; an older
// one gets the numbered upgrades it lacks. Everything in one transaction.
void preparaDatabase(Connessione& c);
