#pragma once
#include <QList>
#include <QString>
#include <QVariantList>

// The first column of every row of a statement, read whole (so the rows can then be deleted).
QList<qint64> elencoChiavi(const QString& sql, const QVariantList& valori = {});
