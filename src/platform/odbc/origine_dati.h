#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The ODBC system data sources: sections of the system odbc.ini, read and written through unixODBC's odbcinst API
// in the system mode (ODBC_SYSTEM_DSN). The environment variable ODBCSYSINI moves the folder
// of odbc.ini and odbcinst.ini; unixODBC reads it once per process, at its first call.
//
// Keep every write to these files inside the process on this API (or the odbcinst API):
// unixODBC caches single values it has read for up to 20 seconds and forgets them only when
// it writes itself, so a file changed behind its back may be read stale meanwhile.
namespace odbc {

// The system odbc.ini that unixODBC uses: what `odbcinst -j` reports as SYSTEM DATA SOURCES
// ($ODBCSYSINI/odbc.ini when that is set, /etc/odbc.ini on Debian otherwise).
QString fileOdbcIni();

// Whether the system odbc.ini can be read and has a section of this name (the name
// compared without regard to case, as unixODBC looks sections up). [ODBC Data Sources]
// counts when it holds a key.
bool sezionePresente(const QString& sezione);

// The names of the sections of the system odbc.ini, in file order; empty when unreadable.
// As unixODBC lists them: without [ODBC Data Sources].
QStringList sezioni();

// The keys of one section, in file order; empty when the section is missing.
QStringList chiavi(const QString& sezione);

// One value; `predefinito` when the section or the key is missing.
QString valore(const QString& sezione, const QString& chiave, const QString& predefinito = QString());

// The entry that names the SQLite3 ODBC driver in a data source's "Driver" key: the driver's
// section name in odbcinst.ini when it has one called "SQLite3"; otherwise the library of the
// driver (a driver section of odbcinst.ini whose library is libsqlite3odbc.so, else the file
// installed by Debian's libsqliteodbc); empty when the driver is nowhere to be found.
QString driverSqlite();

// What the program needs of a data source on the SQLite3 ODBC driver: its database file and
// its busy wait. `errore` says, in a sentence, why the data source cannot be used (it is
// missing, names another driver or no file); empty when it can.
struct OrigineSqlite {
    QString file;
    int attesaMs = 10000;
    QString errore;
};
OrigineSqlite leggiOrigineSqlite(const QString& nome);

// One key to write: `valore` into `chiave` of `sezione`.
struct Voce {
    QString sezione;
    QString chiave;
    QString valore;
};

// Writes the keys in the order given, all or nothing: when a write fails, every key already
// written is taken back (a key that was there gets its old value again, a new key is removed,
// a section that was not there is removed whole) and the result is false. Other keys of the
// sections are kept.
bool scrivi(const QList<Voce>& voci);

// Removes a whole section; true also when it was not there.
bool rimuoviSezione(const QString& sezione);

// Removes one key of a section; true also when it was not there.
bool rimuoviChiave(const QString& sezione, const QString& chiave);

} // namespace odbc

// The test side: a failure of a write, on demand.
namespace seamOdbc {
// Every write that odbc::scrivi makes goes through this function (section, key, value;
// true when written). Empty: the odbcinst API (scritturaReale). Taking writes back after
// a failure always uses the odbcinst API.
using Scrittore = std::function<bool(const QString& sezione, const QString& chiave, const QString& valore)>;
void impostaScrittore(Scrittore scrittore);
bool scritturaReale(const QString& sezione, const QString& chiave, const QString& valore);
} // namespace seamOdbc
