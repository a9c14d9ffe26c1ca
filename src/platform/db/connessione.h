#pragma once
#include "platform/db/recordset.h"
#include <QSqlDatabase>
#include <QString>

// The database connection over Qt SQL's ODBC driver, with the calls the windows use.
class Connessione {
public:
    Connessione();
    ~Connessione();
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    // stringa: "dsn=NAME" or a bare data-source name.
    void apri(const QString& stringa, const QString& utente = {}, const QString& password = {});
    void chiudi();
    bool aperta() const;

    // Runs a statement and returns the rows it touched (-1 when not known).
    int esegui(const QString& sql);
    Recordset apriAvanti(const QString& sql);
    Recordset apriStatico(const QString& sql);
    // The autonumber the last insert on this connection gave.
    qint64 ultimoId();

    void iniziaTransazione();
    void confermaTransazione();
    void annullaTransazione();

    QSqlDatabase database() const;

private:
    QSqlQuery prepara(const QString& sql);
    void controllaAperta() const;
    QString nome;
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
