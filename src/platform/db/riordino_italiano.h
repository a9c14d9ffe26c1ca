#pragma once
#include "platform/db/dati_recordset.h"
#include <QVector>

// The rows of a table read in the order of its index on a text column, which is the column's
// own NOCASE order, put in Italian order by that column as they come, without sorting them all.
// Texts made only of letters, digits, blanks and the few signs both orders rank alike come in
// Italian order already; the others (accented letters among them) are collected, sorted and
// merged in. NOCASE puts the texts from '{' on (an accented capital first among them) after
// every other: those rows are read first, by a statement of their own, so that a row can be
// shown as soon as no row still to come can sort before it.
class RiordinoItaliano {
public:
    // Where those texts begin, in the column's order.
    static constexpr char inizioCoda = '{';

    RiordinoItaliano(const DatiRecordset& dati, int colonna);

    // A row whose text begins from inizioCoda on (or is no text), read before the others.
    void coda(int riga);
    // A row of the whole read, which comes in the column's order; false when its text is one
    // of the rows read first, and the read is over.
    bool aggiungi(int riga);
    // Shows the rows now sure of their place, in Italian order; at the end, every row left.
    void mostra(DatiRecordset& dati, bool fine);

private:
    using Testo = DatiRecordset::Testo;
    Testo testo(int riga) const { return d.testo(riga, colonna); }
    bool prima(int a, int b) const;
    bool primaDi(int riga, const Testo& limite) const;

    const DatiRecordset& d;
    int colonna;
    QVector<int> piane; // in Italian order as read; those before `primaPiana` are shown
    qsizetype primaPiana = 0;
    QVector<int> altre; // the rows to merge in, sorted
    qsizetype ordinate = 0; // how many of `altre` are sorted; the rest came since
    int ultimoPrimo = -1;   // the first byte of the last text read, folded to small letters; -1 before any
};
