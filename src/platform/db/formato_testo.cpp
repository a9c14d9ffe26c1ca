#include "platform/db/formato_testo.h"
#include <QDate>
#include <QDateTime>
#include <QTime>

QString testoValore(const QVariant& v, FormatoTesto formato)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("hh:mm"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(formato == FormatoTesto::griglia ? QStringLiteral("dd/MM/yyyy hh:mm:ss")
                                                                        : QStringLiteral("dd/MM/yyyy hh:mm"));
    case QMetaType::Double:
        return QString::number(v.toDouble());
    default:
        return v.toString();
    }
}
