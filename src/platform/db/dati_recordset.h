#pragma once
#include "platform/db/blocco_crescente.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

// The rows of a static recordset, shared by copies and by grid models. Each cell is kept in
// eight bytes (a number, a date, or where its text lies in one UTF-8 buffer) and a type, so
// that a result of a million customers takes little memory. Rows are kept as read and shown
// in an order of their own: as read, or as a sort puts them.
class DatiRecordset {
public:
    QStringList nomi;
    int indice(const QString& nome) const; // -1 when missing; case is ignored

    // The rows shown, in their order; a row read may wait to be shown (mostra).
    int numeroRighe() const { return int(ordine.size()); }
    int righeLette() const { return lette; }
    // The row read that a row shown is.
    int rigaLetta(int riga) const { return ordine[riga]; }
    // The value of a cell as the windows see it; Null is a null QVariant.
    QVariant valore(int riga, int colonna) const;
    bool nullo(int riga, int colonna) const;
    // Two rows by a column, or a row's cell and a value, as the database would order them:
    // Null first, numbers by value, dates and times in time order, texts in Italian order.
    int confronta(int rigaA, int rigaB, int colonna) const;
    int confronta(int riga, int colonna, const QVariant& valore) const;
    // The rows in the order of a column; rows that compare equal keep their order.
    void ordina(int colonna, bool decrescente);

    // A cell of a row read (not shown: in the order read) as it is kept: a text's UTF-8 bytes,
    // or which other kind it is.
    struct Testo {
        enum class Classe : quint8 { nullo, testo, altro } classe;
        const char* byte;
        qsizetype lunghezza;
    };
    Testo testo(int rigaLetta, int colonna) const
    {
        const qsizetype c = qsizetype(rigaLetta) * nomi.size() + colonna;
        switch (tipi[c]) {
        case Tipo::nullo:
            return {Testo::Classe::nullo, nullptr, 0};
        case Tipo::testo:
            return {Testo::Classe::testo, testi.data() + inizio(celle[c]), lunghezza(celle[c])};
        default:
            return {Testo::Classe::altro, nullptr, 0};
        }
    }

    // The same for a row shown.
    Testo testoMostrato(int riga, int colonna) const { return testo(ordine[riga], colonna); }

    // Filling, a row at a time: a new row, then each of its cells by column; a row read is
    // shown by mostra, the last one read can be taken back.
    void nuovaRiga()
    {
        ++lette;
        testiPrimaDellUltima = testi.size();
        celleNuove = celle.aggiungi(nomi.size());
        tipiNuovi = tipi.aggiungi(nomi.size());
    }
    void scriviNullo(int colonna) { scrivi(colonna, Tipo::nullo, 0); }
    void scriviIntero(int colonna, qint64 v) { scrivi(colonna, Tipo::intero, quint64(v)); }
    void scriviReale(int colonna, double v);
    void scriviTesto(int colonna, const char* utf8, qsizetype byte) { scriviByte(colonna, Tipo::testo, utf8, byte); }
    void scriviBlob(int colonna, const char* dati, qsizetype byte) { scriviByte(colonna, Tipo::blob, dati, byte); }
    void scrivi(int colonna, const QVariant& v); // by the value's type
    void mostra(int rigaLetta) { *ordine.aggiungi(1) = rigaLetta; }
    void togliUltimaRiga();

private:
    // A text's place in the buffer: its offset in the high 40 bits, its length in the low 24.
    static constexpr int bitLunghezza = 24;
    static constexpr quint64 lunghezzaMassima = (quint64(1) << bitLunghezza) - 1;
    static qsizetype inizio(quint64 bit) { return qsizetype(bit >> bitLunghezza); }
    static qsizetype lunghezza(quint64 bit) { return qsizetype(bit & lunghezzaMassima); }

    enum class Tipo : quint8 { nullo, intero, reale, testo, blob, data, ora, dataOra };
    qsizetype cella(int riga, int colonna) const { return qsizetype(ordine[riga]) * nomi.size() + colonna; }
    void scrivi(int colonna, Tipo t, quint64 bit)
    {
        celleNuove[colonna] = bit;
        tipiNuovi[colonna] = t;
    }
    void scriviByte(int colonna, Tipo t, const char* dati, qsizetype byte)
    {
        if (quint64(byte) > lunghezzaMassima)
            troppoLungo();
        scrivi(colonna, t, (quint64(testi.size()) << bitLunghezza) | quint64(byte));
        testi.aggiungi(dati, byte);
    }
    [[noreturn]] static void troppoLungo();
    QVariant valoreCella(qsizetype c) const;
    int confrontaCelle(qsizetype a, qsizetype b) const;

    BloccoCrescente<quint64> celle; // row by row, in the order read
    BloccoCrescente<Tipo> tipi;
    BloccoCrescente<char> testi;
    BloccoCrescente<int> ordine; // shown row -> row read
    int lette = 0;
    qsizetype testiPrimaDellUltima = 0;
    quint64* celleNuove = nullptr; // the row being written
    Tipo* tipiNuovi = nullptr;
};
