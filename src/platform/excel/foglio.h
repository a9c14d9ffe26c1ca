#pragma once
#include "platform/excel/indirizzo_cella.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

class Stili;

enum class TipoCella : quint8 { Testo, Numero, Booleano, Errore, DataIso };

// The texts of a sheet's cells, UTF-8, one after the other in blocks that are never moved (so
// the texts grow without copying); a cell holds its text's number. Shared strings are put in
// once, and every cell that shows one holds the same number.
class TestiFoglio {
public:
    // The text's number; 0, the empty text, for an empty one.
    quint32 aggiungi(QByteArrayView utf8);
    // A new number even for an empty text (shared strings keep their order).
    quint32 accoda(QByteArrayView utf8);
    QByteArrayView testo(quint32 numero) const
    {
        if (numero == 0 || fini[numero] == fini[numero - 1])
            return {};
        const quint32 fine = fini[numero];
        // A text lies in one block: it starts where the one before ends, or at its block's start.
        const quint32 blocco = (fine - 1) / dimensioneBlocco;
        const quint32 inizio = std::max(fini[numero - 1], blocco * dimensioneBlocco);
        return QByteArrayView(blocchi[blocco].get() + (inizio - blocco * dimensioneBlocco), fine - inizio);
    }
    quint32 quanti() const { return quint32(fini.size()); }
    // The bytes of the texts together.
    qint64 byte() const { return fini.back(); }
    // The bytes they take.
    qint64 memoria() const { return byteBlocchi + fini.size() * qint64(sizeof(quint32)); }

private:
    // Each block holds the texts of a stretch of this many bytes of the numbering; the first
    // takes primoBlocco, each next one twice the one before up to the stretch, so that a
    // small sheet takes little.
    static constexpr quint32 dimensioneBlocco = 4u << 20;
    static constexpr quint32 primoBlocco = 64u << 10;
    std::vector<std::unique_ptr<char[]>> blocchi;
    quint32 spazioUltimo = 0; // the bytes of the last block
    qint64 byteBlocchi = 0;
    QList<quint32> fini{0}; // text n ends at fini[n], text 0 is the empty one
};

// One cell as the file holds it: numbers keep the text they were written with.
struct Cella {
    quint16 colonna = 0;
    TipoCella tipo = TipoCella::Testo;
    quint32 stile = 0;
    quint32 testo = 0; // its value among the sheet's texts; 0 when it has none
};

struct RigaFoglio {
    std::vector<Cella> celle; // by column
    qint32 stile = -1;        // the row's own cell format, -1 when it has none
    quint32 attributi = 0;    // its other attributes as written (height, hidden...), among the texts
};

struct ColonnaFoglio {
    double larghezza = 0; // 0: the sheet's default width
    qint64 stile = -1;
    quint32 attributi = 0; // its other attributes as written, among the texts
};

// The sheet of an open workbook, held in memory: rows of cells, kept sparse.
class Foglio {
public:
    Foglio(Stili& stili, bool sistema1904);

    // The cell's value as text: "" for an empty cell, the text of a text cell, a number as
    // an Italian spreadsheet shows it, a date-formatted number as dd/MM/yyyy.
    QString valore(const QString& indirizzo) const;
    // The same for the cell at that row and column (1-based); "" past the sheet's rows.
    QString valore(int riga, int colonna) const;
    // Puts a text into the cell; an empty text empties it (its format stays).
    void scrivi(const QString& indirizzo, const QString& testo);
    // The same for the cell at that row and column (1 for A), with the text in UTF-8; bytes
    // that are no UTF-8 are written as U+FFFD.
    void scrivi(int riga, int colonna, QByteArrayView utf8);
    // Every cell of the sheet, present and future, gets the number format "@".
    void formattaTesto();
    // Every column that holds something becomes as wide as its widest value.
    void adattaColonne();

    // For the readers and the writer.
    TestiFoglio& testi() { return elencoTesti; }
    const TestiFoglio& testi() const { return elencoTesti; }
    void poni(int riga, Cella cella);
    const std::deque<RigaFoglio>& righe() const { return elenco; }
    RigaFoglio& riga(int riga);
    // Gives back the room a row's cells do not use.
    void stringiRiga(int riga);
    const std::vector<ColonnaFoglio>& colonne() const { return elencoColonne; }
    ColonnaFoglio& colonna(int colonna);
    // The bytes the sheet takes: rows, cells, columns and texts.
    qint64 memoria() const;
    QString testoCella(const Cella& cella) const;
    // The value as the file writes it (a number's digits, a boolean's 0 or 1).
    QByteArrayView grezzo(const Cella& cella) const { return elencoTesti.testo(cella.testo); }

private:
    Cella* trova(IndirizzoCella indirizzo);
    void poniIn(RigaFoglio& riga, Cella cella);

    Stili& stili;
    bool sistema1904;
    std::deque<RigaFoglio> elenco;             // row 1 first; grows without copying
    qint64 memoriaCelle = 0;                    // the room of the rows' cells
    std::vector<ColonnaFoglio> elencoColonne; // empty, or one per column A to XFD
    TestiFoglio elencoTesti;
};
