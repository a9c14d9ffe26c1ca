#pragma once
#include <QString>
#include <chrono>
#include <functional>

// The ODBC system data source "corvext".

// Creates the data source with the values of our platform: name "corvext", description
// "Connessione database Corvext", the SQLite3 ODBC driver (odbcinst.ini's "SQLite3", or the
// driver's library), driver id "25", driver name "SQLite3", the database corvext.db in the
// program folder, user "", password KVDN1996, and the system odbc.ini as the ODBC.ini file.
// True when the data source was written.
bool creaDSN();

// Strips the values, validates them (each refusal: a "Missing Information" box, nothing
// written, no wait), writes the section [nome] and the entry under [ODBC Data Sources], and
// waits two seconds. On our platform the values go to the system odbc.ini through the
// odbcinst API: Description, Driver (the driver file), Database (only when not
// empty), PWD (only when not empty), UID (always) and Timeout=10000 (the driver's busy wait,
// in ms). The driver id and the ODBC.ini file are validated only: the Jet engine key and the
// Driver32 line have no counterpart under unixODBC.
// The creation is all or nothing, and the caller is told: a failed write takes back what
// was written, shows "Unable to create DSN" and the result is false.
bool creaDSNRegistro(QString nome, QString descrizione, QString fileDriver, QString idDriver, QString nomeDriver,
                     QString fileDatabase, QString utente, QString password, QString fileOdbcIni);

// The test side: the two-second wait goes through this function (empty: the real wait on
// the monotonic clock). Pending events are processed once before it either way.
void impostaAttesaDSN(std::function<void(std::chrono::milliseconds)> attesa);
