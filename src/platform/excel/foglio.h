#pragma once
#include "platform/excel/indirizzo_cella.h"
#include <QByteArray>
#include <QString>
#include <vector>

class Stili;

enum class TipoCella : quint8 { Testo, Numero, Booleano, Errore, DataIso };

// One cell as the file holds it: numbers keep the text they were written with.
struct Cella {
    quint16 colonna = 0;
    TipoCella tipo = TipoCella::Testo;
    quint32 stile = 0;
    QString valore; // an empty text cell has no value
};

struct RigaFoglio {
    std::vector<Cella> celle; // by column
    qint64 stile = -1;        // the row's own cell format, -1 when it has none
    QByteArray attributi;     // its other attributes as written (height, hidden...)
};

struct ColonnaFoglio {
    double larghezza = 0; // 0: the sheet's default width
    qint64 stile = -1;
    QByteArray attributi; // its other attributes as written
};

// The sheet of an open workbook, held in memory: rows of cells, kept sparse.
class Foglio {
public:
    Foglio(Stili& stili, bool sistema1904);

    // The cell's value as text: "" for an empty cell, the text of a text cell, a number as
    // an Italian spreadsheet shows it, a date-formatted number as dd/MM/yyyy.
    QString valore(const QString& indirizzo) const;
    // Puts a text into the cell; an empty text empties it (its format stays).
    void scrivi(const QString& indirizzo, const QString& testo);
    // Every cell of the sheet, present and future, gets the number format "@".
    void formattaTesto();
    // Every column that holds something becomes as wide as its widest value.
    void adattaColonne();

    // For the readers and the writer.
    void poni(int riga, Cella cella);
    const std::vector<RigaFoglio>& righe() const { return elenco; }
    RigaFoglio& riga(int riga);
    const std::vector<ColonnaFoglio>& colonne() const { return elencoColonne; }
    ColonnaFoglio& colonna(int colonna);
    QString testoCella(const Cella& cella) const;

private:
    Cella* trova(IndirizzoCella indirizzo);

    Stili& stili;
    bool sistema1904;
    std::vector<RigaFoglio> elenco;            // row 1 first
    std::vector<ColonnaFoglio> elencoColonne; // empty, or one per column A to XFD
};
