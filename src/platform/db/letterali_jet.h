#pragma once
#include <QDate>
#include <QString>

// Rewrites Jet date and time literals outside quoted texts into SQLite's ISO texts:
// #m/d/yyyy# -> 'yyyy-mm-dd', #m/d# -> the current year, #hh:mm# -> 'hh:mm',
// #m/d/yyyy hh:mm[:ss]# -> 'yyyy-mm-dd hh:mm:ss'. Anything else is left as it stands.
QString riscriviLetteraliJet(const QString& sql, const QDate& oggi);
