#pragma once
#include "platform/db/dati_recordset.h"
#include "platform/db/riordino_italiano.h"
#include "platform/db/valori_sqlite.h"
#include <QSqlQuery>
#include <QVector>
#include <vector>

struct sqlite3_stmt;

// A table's rows shown in Italian order by a text column, read the shortest way whatever the
// order the rows lie in on disk: the rows in the table's own order, one pass over its pages,
// and beside them the keys in the order of the column's index (its NOCASE order, put in
// Italian order as they come: RiordinoItaliano), each key then showing its row. Until the
// table is read, the first rows in that order are looked up one by one, so that a first screen
// shows at once. Every statement runs while the rows' statement holds the file, so all read
// the same archive.
class LetturaPerIndice {
public:
    struct Istruzioni {
        QSqlQuery righe; // executed: the rows, their key first (set by the recordset)
        QSqlQuery voci;  // executed: each row's key and text, in the index's order
        QSqlQuery coda;  // executed: the same for the texts from RiordinoItaliano::inizioCoda on
        QSqlQuery riga;  // prepared: the row of the key bound last
        int posizioneChiave;
    };

    // Reads the tail's keys; `dati` takes the rows, of the columns `tipi` describes.
    LetturaPerIndice(Istruzioni istruzioni, DatiRecordset& dati, QVector<TipoColonna> tipi);
    // A slice of about `righe` rows of one of the statements, and the rows then sure of their
    // place shown; false once every row is shown.
    bool leggi(int righe);

private:
    // Those shown before the table is read, each looked up: a first screen and some more.
    static constexpr qsizetype righeCercate = 200;

    void aggiungiVoce(sqlite3_stmt* st);
    void leggiVoci(int righe);
    void cercaMostrate();
    void leggiRighe(int righe);
    void mappaRighe();
    int posto(qint64 chiave) const;
    void mostraMappate();

    Istruzioni s;
    DatiRecordset& dati;
    QVector<TipoColonna> tipi;
    enum class Fase { prime, righe, voci, finita } fase = Fase::prime;
    bool primaRiga = true, primaVoce = true, vociFinite = false;
    // The keys in the index's order, their texts (one column) and their Italian order.
    DatiRecordset indice;
    std::vector<qint64> chiaviVoci;
    RiordinoItaliano riordino;
    qsizetype mostrate = 0; // the keys of the Italian order whose rows are shown
    // The table's rows, from the first row of `dati` they take, and their keys: where each is.
    int primaDellaTabella = 0;
    std::vector<qint64> chiaviRighe;
    qint64 chiaveMinima = 0;
    std::vector<int> postoDiretto;                    // by key - chiaveMinima, -1 where none
    std::vector<std::pair<qint64, int>> postiOrdinati; // for keys too far apart for that
};
