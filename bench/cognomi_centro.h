#pragma once
#include <QString>

// The surname of customer n of 1..clienti as an SQL expression, as a centre's archive holds them:
// typed in no surname order, so that the surnames have no relation to the rows' order (number k
// is customer n's surname number, a fixed shuffle of 1..clienti), 2 % of them (k a multiple of
// 50, scattered over the rows) beginning with an accent or an apostrophe (ÀLVARO, D'ANGELO,
// ÉBOLI, ÒRSINI, ÙBERTI), each surname told apart by its number. `ordinati` gives the surnames
// in the rows' order instead (k = n), as an archive typed in surname order.
inline QString cognomeDiCentro(const QString& n, int clienti, bool ordinati)
{
    // 7919 is prime to every number of customers the benchmarks use (their factors are 2 and 5).
    const QString k = ordinati ? n : QStringLiteral("((%1 - 1) * 7919 % %2 + 1)").arg(n).arg(clienti);
    return QStringLiteral("CASE WHEN @ % 50 = 0 THEN CASE @ / 50 % 5 WHEN 0 THEN 'ÀLVARO' WHEN 1 THEN 'D''ANGELO' "
                          "WHEN 2 THEN 'ÉBOLI' WHEN 3 THEN 'ÒRSINI' ELSE 'ÙBERTI' END "
                          "ELSE substr('ROSSIBIANCVERDINERIGALLI', (@ % 5) * 5 + 1, 5) END || printf('%07d', @)")
        .replace(QLatin1Char('@'), k);
}
