#pragma once
#include "platform/db/recordset.h"
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// The database connection with the calls the windows use: the file that an ODBC data source
// on the SQLite3 driver names, opened with Qt's SQLite driver.
class Connessione {
public:
    Connessione();
    ~Connessione();
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    // stringa: "dsn=NAME" or a bare data-source name. The data source must name the SQLite3
    // driver and an existing database file; its Timeout is the busy wait. User and password
    // are not used: the file has none.
    void apri(const QString& stringa, const QString& utente = {}, const QString& password = {});
    // Opens an existing database file directly; a missing file is an error, never created, and
    // so is a file, or a folder, that the user may not write.
    void apriFile(const QString& file, int attesaMs = 10000);
    void chiudi();
    bool aperta() const;
    // The data source the connection was last opened on ("corvext"); empty when opened by file.
    QString origine() const { return nomeOrigine; }
    // The database file the connection was last opened on.
    QString file() const { return percorso; }
    // The database file of a connection string's data source; an unusable data source throws.
    static QString fileDellOrigine(const QString& stringa);

    // Runs one statement and returns the rows it touched. `valori` are bound to its `?` in order.
    int esegui(const QString& sql, const QVariantList& valori = {});
    Recordset apriAvanti(const QString& sql, const QVariantList& valori = {});
    // A static snapshot with every row read.
    Recordset apriStatico(const QString& sql, const QVariantList& valori = {});
    Recordset apriStatico(const Lettura& l);
    // A static snapshot with its first row read, to be read on in slices (Recordset::leggiAltre);
    // a statement the database refuses fails here.
    Recordset apriInLettura(const Lettura& l);
    // The autonumber the last insert on this connection gave.
    qint64 ultimoId();

    // Groups begin with BEGIN IMMEDIATE: a group that reads before it writes would otherwise
    // get "busy" at once, without the busy wait, while another workstation writes.
    void iniziaTransazione();
    void confermaTransazione();
    void annullaTransazione();

    QSqlDatabase database() const;

private:
    // A statement prepared with its values bound, not yet run.
    QSqlQuery preparata(const QString& sql, const QVariantList& valori);
    // A statement run with its values.
    QSqlQuery prepara(const QString& sql, const QVariantList& valori);
    void comando(const char* sql);
    void controllaAperta() const;
    QString nome;
    QString nomeOrigine;
    QString percorso;
    int transazioni = 0;
    bool annullataDentro = false;
};

// A group of statements that belong together: committed by conferma(), rolled back otherwise.
class Transazione {
public:
    explicit Transazione(Connessione& c);
    ~Transazione();
    void conferma();
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;

private:
    Connessione& c;
    bool chiusa = false;
};

// The one shared connection of the whole run.
extern Connessione connessione;
