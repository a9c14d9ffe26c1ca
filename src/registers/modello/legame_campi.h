#pragma once
#include "platform/db/recordset.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

// What a control holds and how it is written to its column.
enum class TipoCampo {
    testo,    // QLineEdit: the text in capitals
    memo,     // QPlainTextEdit: the text in capitals, line breaks kept
    intero,   // QLineEdit: a whole number; empty is the field's empty value
    decimale, // QLineEdit: a number with the Italian comma (a point is taken too)
    numeroIniziale, // QLineEdit: checked as decimale; writes the number its leading digits form
                    // (a point as decimal mark, reading stops at any other character)
    ora,      // CampoOra: hh:mm
    data,     // DataOpzionale: the date, Null when unticked
    giornoMese, // DataOpzionale showing day and month: that day of the current year
              // (a time or a ticked date typed that cannot be is refused with its field's reason)
    spunta,   // QCheckBox: 1 or 0
    elenco,   // QComboBox of fixed entries: the entry's text, in capitals
    voce,     // QComboBox of fixed entries: the entry's number from 1, 0 when none; a stored
              // number it does not list shows no entry and is written back until one is chosen
              // or the field is emptied
    combo,    // ComboDati: the chosen key, 0 when none
};

// The fields of a card bound to the columns of its row: one list that shows a row, empties
// the fields, checks the values against their kinds and gives the values that both the
// INSERT and the UPDATE bind, in the same order.
class LegameCampi {
public:
    struct Legame {
        QString colonna;
        QWidget* controllo = nullptr;
        TipoCampo tipo = TipoCampo::testo;
        // What a field of kind intero or decimale writes when it is empty.
        QVariant vuoto = 0;
        // The message for a value that is not of the field's kind.
        QString messaggio{};
        // testo, memo: written in capitals; false: written as it stands.
        bool maiuscolo = true;
    };

    void lega(Legame l);
    void lega(const QString& colonna, QWidget* controllo, TipoCampo tipo) { lega({colonna, controllo, tipo}); }
    const QList<Legame>& elenco() const { return legami; }

    // The control of a column as its class; throws when there is none of that class.
    template <class T>
    T* campo(const QString& colonna) const
    {
        T* c = qobject_cast<T*>(controllo(colonna));
        if (!c)
            nonTrovato(colonna);
        return c;
    }
    QWidget* controllo(const QString& colonna) const; // nullptr when not bound

    // Shows the current row of rs in every field whose column it holds (Null as empty).
    void mostra(const Recordset& rs) const;
    void mostra(const QString& colonna, const QVariant& valore) const;
    // Empties every field.
    void svuota() const;
    // The messages of the fields whose text is not of their kind, in field order.
    QStringList errori() const;
    // The value a column writes; throws ErroreDb when it cannot be written (errori() says why).
    QVariant valore(const QString& colonna) const;
    // Every column and its value, in field order.
    QStringList colonne() const;
    QVariantList valori() const;

    // "INSERT INTO t (a,b,..) VALUES (?,?,..)" and "UPDATE t SET a=?,b=?,.. WHERE chiave=?"
    // over `prime`, columns the caller gives values for (first), and the bound columns.
    QString istruzioneInserimento(const QString& tabella, const QStringList& prime = {}) const;
    QString istruzioneModifica(const QString& tabella, const QString& chiave, const QStringList& prime = {}) const;

private:
    [[noreturn]] static void nonTrovato(const QString& colonna);
    const Legame* trova(const QString& colonna) const;
    QList<Legame> legami;
};

// The same statements over a given list of columns, one `?` each (and the key last).
QString sqlInserimento(const QString& tabella, const QStringList& colonne);
QString sqlModifica(const QString& tabella, const QStringList& colonne, const QString& chiave);

// A text as its column takes it: in capitals; an empty text is '' and never Null.
QString testoColonna(const QString& testo);

// Whole numbers and decimals as an operator types them ("-12", "12,5", "12.5").
bool leggiIntero(const QString& testo, qlonglong* valore);
bool leggiDecimale(const QString& testo, double* valore);
// The number the leading digits of a text form, a point as decimal mark ("12,5" gives 12).
double numeroIniziale(const QString& testo);
