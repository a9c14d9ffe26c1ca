#include "ignitions/date_accensioni.h"
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {
// Day 0 of the serial numbers (day 1 is 31/12/1899) and the last one, 31/12/9999.
const QDate origineSeriali(1899, 12, 30);
constexpr qint64 ultimoSeriale = 2958465;

int anno(const QString& cifre)
{
    const int a = cifre.toInt();
    if (cifre.size() == 4)
        return a;
    return a + (a < 30 ? 2000 : 1900);
}
} // namespace

QDate dataCompleta(const QVariant& valore)
{
    if (valore.typeId() == QMetaType::QDate)
        return valore.toDate();
    if (valore.typeId() == QMetaType::QDateTime)
        return valore.toDateTime().date();
    if (valore.typeId() != QMetaType::QString)
        return QDate();
    static const QRegularExpression italiana(u"^\\s*(\\d{1,2})([/-])(\\d{1,2})\\2(\\d{4}|\\d{2})\\s*$"_s);
    static const QRegularExpression iso(u"^\\s*(\\d{4})-(\\d{2})-(\\d{2})\\s*$"_s);
    const QString testo = valore.toString();
    if (const auto m = italiana.match(testo); m.hasMatch())
        return QDate(anno(m.captured(4)), m.captured(3).toInt(), m.captured(1).toInt());
    if (const auto m = iso.match(testo); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return QDate();
}

QDate dataCollaudoCella(const QString& testo)
{
    if (const QDate d = dataCompleta(testo); d.isValid())
        return d;
    static const QRegularExpression seriale(u"^\\s*(\\d{1,7})(?:[,.]\\d+)?\\s*$"_s);
    const auto m = seriale.match(testo);
    if (!m.hasMatch())
        return QDate();
    const qint64 giorni = m.captured(1).toLongLong();
    return giorni >= 1 && giorni <= ultimoSeriale ? origineSeriali.addDays(giorni) : QDate();
}

QString testoData(const QDate& data)
{
    return data.toString(u"dd/MM/yyyy"_s);
}
