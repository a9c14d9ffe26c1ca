#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// Conditions of a WHERE clause written out as text. Texts are upper-cased with their
// apostrophes doubled, as sqlTesto does, and LIKE patterns take % and _ literally (ESCAPE);
// dates are Jet literals (#m/d/yyyy#), which the connection rewrites.
namespace condizione {
// <colonna> LIKE 'TESTO%'
QString iniziaCon(const QString& colonna, const QString& testo);
// <colonna> LIKE '%TESTO%'
QString contiene(const QString& colonna, const QString& testo);
// A number column read as the Italian number text (decimal comma, no trailing ",0") contains the text.
QString numeroContiene(const QString& colonna, const QString& testo);
// <colonna> = <valore>
QString uguale(const QString& colonna, qint64 valore);
// <colonna> <> <valore>
QString diverso(const QString& colonna, qint64 valore);
// The column between the dates given (either may be invalid: open on that side); empty with neither.
QString tra(const QString& colonna, const QDate& da, const QDate& a);
// The column outside the range; both dates are needed.
QString fuori(const QString& colonna, const QDate& da, const QDate& a);
// <colonna> is not null, or is null.
QString presente(const QString& colonna, bool presente = true);
}

// Conditions joined by " AND "; an empty one adds nothing.
class Condizioni {
public:
    Condizioni& operator<<(const QString& condizione);
    QString testo() const { return parti.join(QStringLiteral(" AND ")); }
    bool vuota() const { return parti.isEmpty(); }

private:
    QStringList parti;
};
