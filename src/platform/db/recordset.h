#pragma once
#include "platform/db/dati_recordset.h"
#include "platform/db/lettura_per_indice.h"
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVector>
#include <memory>
#include <optional>

// What a recordset is read from: a statement and its bound values. A table's rows shown in
// Italian order by a text column with an index name that index's statements too, each run with
// the same values (LetturaPerIndice): `sql` then gives the table's rows, its first column their
// integer key.
struct Lettura {
    struct PerIndice {
        QString voci; // each row's key and text, in the order of the text's index
        QString coda; // the same for the texts from RiordinoItaliano::inizioCoda on
        QString riga; // the row of one key, bound after the values
    };
    QString sql;
    QVariantList valori = {};
    std::optional<PerIndice> perIndice = {};
};

// A recordset as the windows use it: forward-only (read as it goes) or static
// (a snapshot with count, move, seek and sort). Copies share the same cursor.
class Recordset {
public:
    Recordset() = default;

    bool statico() const;
    // Static: every row is read. A snapshot opened to be read on in slices
    // (Connessione::apriInLettura) shows the rows read so far, in their final order; whatever
    // needs the whole snapshot (the count, a move past the rows shown, a seek that has not found
    // yet, a sort) reads the rest first.
    bool completo() const;
    // Reads on about `righe` rows of the statement; true once every row is read.
    bool leggiAltre(int righe);
    void leggiTutte();
    // The statement gave no row.
    bool vuoto() const;
    bool eof() const;
    bool bof() const;
    // Static: the number of rows; forward-only: -1.
    int recordCount() const;

    void moveNext();
    void moveFirst();    // static only
    void moveLast();     // static only
    // Current row among the rows shown, 0-based; -1 when there is none.
    int posizione() const;
    void vaiA(int riga); // static only; out of range leaves EOF

    int numeroCampi() const;
    QString nomeCampo(int i) const;
    bool haCampo(const QString& nome) const;
    // Value of a field of the current row by name, case ignored; Null is a null QVariant.
    QVariant campo(const QString& nome) const;
    QVariant campo(int i) const;
    // A field of the current row as a static recordset keeps it: a text's own UTF-8 bytes,
    // Null, or another kind (a number, a date: read it with campo). Forward-only: another kind.
    DatiRecordset::Testo testoCampo(int i) const;
    QVariant operator[](const QString& nome) const { return campo(nome); }

    // Static only: from the first row, the first row whose field equals the value
    // (texts without regard to case). Not found leaves EOF and returns false.
    bool cerca(const QString& nome, const QVariant& valore);
    // The same among the rows shown so far, reading none more; not found leaves the current
    // row as it was.
    bool cercaTraMostrate(const QString& nome, const QVariant& valore);
    // Static only: sorts the rows by a field; the first row becomes current.
    void ordina(const QString& nome, bool decrescente = false);

    std::shared_ptr<DatiRecordset> dati() const; // static only
    // What the recordset was read from: reading it again (Connessione::apriStatico) gives the
    // same rows as they are now.
    Lettura lettura() const;

private:
    friend class Connessione;
    // Takes an executed query, read as it goes.
    static Recordset avanti(QSqlQuery q, const Lettura& l);
    // Takes an executed query (and, for an Italian order by an index, that index's statements)
    // as a static snapshot with its first row read.
    static Recordset inLettura(QSqlQuery q, std::optional<LetturaPerIndice::Istruzioni> indice, const Lettura& l);
    struct Stato;
    std::shared_ptr<Stato> s;
    Stato& stato() const;
    int indiceStatico(const QString& nome) const;
    // The first row from the first on whose field equals the value, reading on while `leggendo`; -1 when none.
    int trova(const QString& nome, const QVariant& valore, bool leggendo);
    // The state, on a row of the recordset with a field i.
    Stato& statoCampo(int i) const;
};
