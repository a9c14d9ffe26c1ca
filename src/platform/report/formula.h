#pragma once
#include <QHash>
#include <QString>
#include <QVariantList>

// A selection formula turned into an SQL condition: '?' placeholders and their values, in order.
struct CondizioneSql {
    QString testo; // empty: every row
    QVariantList valori;
};

// The fields a formula may name: "tabella.campo" in lower case -> its SQL reference.
using CampiFormula = QHash<QString, QString>;

// Compiles a formula of the report language: {tabella.campo}, = <> < > <= >=, AND, OR, NOT,
// parentheses, numbers, quoted texts, Date (y,m,d); keywords in any case, blanks anywhere.
// Throws ErroreDb on a formula it cannot read or a field it does not know.
CondizioneSql compilaFormula(const QString& formula, const CampiFormula& campi);
