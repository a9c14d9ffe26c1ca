#pragma once
#include "platform/db/dati_recordset.h"
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVector>
#include <memory>

// A recordset as the windows use it: forward-only (read as it goes) or static
// (a snapshot with count, move, seek and sort). Copies share the same cursor.
class Recordset {
public:
    Recordset() = default;

    bool statico() const;
    bool eof() const;
    bool bof() const;
    // Static: the number of rows; forward-only: -1.
    int recordCount() const;

    void moveNext();
    void moveFirst();    // static only
    void moveLast();     // static only
    // Current row, 0-based; -1 when before the first or after the last.
    int posizione() const;
    void vaiA(int riga); // static only; out of range leaves EOF

    int numeroCampi() const;
    QString nomeCampo(int i) const;
    bool haCampo(const QString& nome) const;
    // Value of a field of the current row by name, case ignored; Null is a null QVariant.
    QVariant campo(const QString& nome) const;
    QVariant campo(int i) const;
    QVariant operator[](const QString& nome) const { return campo(nome); }

    // Static only: from the first row, the first row whose field equals the value
    // (texts without regard to case). Not found leaves EOF and returns false.
    bool cerca(const QString& nome, const QVariant& valore);
    // Static only: sorts the rows by a field; the first row becomes current.
    void ordina(const QString& nome, bool decrescente = false);

    std::shared_ptr<DatiRecordset> dati() const; // static only
    // The statement the recordset was read from, with its bound values: running it again
    // (Connessione::riapri) gives the same rows as they are now.
    QString istruzione() const;
    QVariantList valori() const;

private:
    friend class Connessione;
    // Takes an executed query: a static recordset reads every row now.
    static Recordset daQuery(QSqlQuery q, bool statico, const QString& istruzione, const QVariantList& valori);
    struct Stato;
    std::shared_ptr<Stato> s;
    Stato& stato() const;
    int indiceStatico(const QString& nome) const;
};
