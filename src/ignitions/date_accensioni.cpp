#include "ignitions/date_accensioni.h"
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QDate dataCompleta(const QVariant& valore)
{
    if (valore.typeId() == QMetaType::QDate)
        return valore.toDate();
    if (valore.typeId() == QMetaType::QDateTime)
        return valore.toDateTime().date();
    static const QRegularExpression italiana(u"^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"_s);
    static const QRegularExpression iso(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    const QString testo = valore.toString();
    if (const auto m = italiana.match(testo); m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (const auto m = iso.match(testo); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return QDate();
}

QString testoData(const QDate& data)
{
    return data.toString(u"dd/MM/yyyy"_s);
}
