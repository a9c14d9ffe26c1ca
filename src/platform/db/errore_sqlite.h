#pragma once
#include "platform/db/errore_db.h"

class QSqlError;

// The failure of a statement as the windows report it: an error in the command carries
// erroreComando; another workstation's lock that outlasted the busy wait carries
// erroreArchivioOccupato with a text that says so; a file that is not a database carries
// erroreFormatoArchivio; anything else erroreConnessione.
ErroreDb erroreSqlite(const QSqlError& e);

// Another workstation holds the archive: the error and the text the operator is shown.
ErroreDb archivioOccupato();
