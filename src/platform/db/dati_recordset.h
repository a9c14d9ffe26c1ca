#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

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
    Testo testo(int rigaLetta, int colonna) const;

    // Filling, a row at a time and a cell at a time in column order; a row read is shown by
    // mostra, the last one read can be taken back.
    void nuovaRiga();
    void mostra(int rigaLetta);
    void togliUltimaRiga();
    void aggiungiNullo();
    void aggiungiIntero(qint64 v);
    void aggiungiReale(double v);
    void aggiungiTesto(const char* utf8, qsizetype byte);
    void aggiungiBlob(const char* dati, qsizetype byte);
    void aggiungi(const QVariant& v); // by the value's type

private:
    enum class Tipo : quint8 { nullo, intero, reale, testo, blob, data, ora, dataOra };
    qsizetype cella(int riga, int colonna) const { return qsizetype(ordine[riga]) * nomi.size() + colonna; }
    void aggiungiCella(Tipo t, quint64 bit);
    void aggiungiByte(Tipo t, const char* dati, qsizetype byte);
    QVariant valoreCella(qsizetype c) const;
    int confrontaCelle(qsizetype a, qsizetype b) const;

    QVector<quint64> celle; // row by row, in the order read
    QVector<Tipo> tipi;
    QByteArray testi;
    QVector<int> ordine; // shown row -> row read
    int lette = 0;
    qsizetype testiPrimaDellUltima = 0;
};
