#pragma once
#include <QString>
#include <QStringList>

// Splits an SQL script into its statements at the semicolons that stand outside quoted
// texts, quoted names and comments. Comments are dropped; empty statements are skipped.
// A trigger body, with semicolons of its own, is not supported.
QStringList divideIstruzioni(const QString& script);
