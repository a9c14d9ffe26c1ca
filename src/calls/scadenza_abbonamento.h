#pragma once
#include <QDate>

// The expiry proposed for a subscription stipulated on that day: the same day a year later,
// 28 February when that year has no 29 February.
QDate scadenzaProposta(const QDate& stipulazione);
