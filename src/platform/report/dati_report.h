#pragma once
#include "platform/report/definizione_report.h"
#include "platform/report/formula.h"
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// The printed texts of a report's rows: one text per field the layout uses.
struct DatiReport {
    QStringList campi;
    QList<QStringList> righe;
    int indice(const QString& campo) const; // -1 when missing; case is ignored
};


// The fields of the tables a formula may name, as the database declares them.
CampiFormula campiDelleTabelle(const QSqlDatabase& db, const QStringList& tabelle);

// Runs the definition's query with the condition and its bound values.
// Throws ErroreDb when the query fails or lacks a field the layout prints.
DatiReport leggiDati(const QSqlDatabase& db, const DefinizioneReport& definizione, const CondizioneSql& condizione);
