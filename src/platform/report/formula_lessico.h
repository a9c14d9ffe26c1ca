#pragma once
#include <QList>
#include <QString>
#include <QVariant>

// One token of a selection formula.
struct Lessema {
    enum class Tipo { Campo, Numero, Testo, Simbolo, Parola, Fine };
    Tipo tipo;
    QString testo;   // Campo: "tabella.campo" in lower case; Simbolo: the symbol; Parola: upper case
    QVariant valore; // Numero and Testo
    int posizione;   // 1-based position in the formula
};

// Splits a formula into tokens, ending with Fine. Throws ErroreDb on what it cannot read.
QList<Lessema> leggiLessemi(const QString& formula);

// Throws the error of a formula that cannot be read at the given position.
[[noreturn]] void formulaNonValida(const QString& motivo, int posizione);
