#pragma once
#include <QString>
#include <QStringList>

struct sqlite3;

// Another workstation on the same database file: a connection of its own through SQLite's
// C API (not the program's data layer), which writes and holds locks as another copy of the
// program would. Failures end the test.
class AltraPostazione {
public:
    explicit AltraPostazione(const QString& file);
    ~AltraPostazione();
    AltraPostazione(const AltraPostazione&) = delete;
    AltraPostazione& operator=(const AltraPostazione&) = delete;

    // Runs one or more statements separated by semicolons.
    void esegui(const QString& sql);
    // The first column of every row of a query, as texts ("" for Null).
    QStringList colonna(const QString& sql);
    // Writes at once, or finds the file held by another and writes nothing: false.
    bool tentaScrittura(const QString& sql);
    // Holds the write lock: the others may read, but a write waits.
    void bloccaScritture();
    // Keeps a read open: the others may write, but their commit waits.
    void leggeSenzaFinire();
    // Holds the whole file: the others can neither read nor write until sblocca().
    void bloccaTutto();
    // Ends what the locks began, writing nothing.
    void sblocca();

private:
    sqlite3* db = nullptr;
};

// Shortens the shared connection's wait for another workstation's lock, so that a test of a
// lock that does not end does not wait for the data source's Timeout.
void attesaBreve(int ms = 200);
