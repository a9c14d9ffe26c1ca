#include "platform/db/testi_sql.h"
#include "platform/ambiente/ambiente.h"
#include <QRegularExpression>

QString maiuscolo(const QString& testo)
{
    // One character to one: "ß" stays, where QString::toUpper would write "SS" (and "FI" for
    // "ﬁ", "ʼN" for "ŉ").
    QString risultato;
    risultato.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        char32_t c = testo[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < testo.size() && testo[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), testo[++i].unicode());
        const char32_t grande = QChar::toUpper(c);
        if (QChar::requiresSurrogates(grande)) {
            risultato += QChar(QChar::highSurrogate(grande));
            risultato += QChar(QChar::lowSurrogate(grande));
        } else {
            risultato += QChar(char16_t(grande));
        }
    }
    return risultato;
}

QString sqlTesto(const QString& testo)
{
    return maiuscolo(QString(testo).replace(u'\'', QStringLiteral("''")));
}

namespace {
// Day before month, as the operators write dates; a missing year is the current one,
// a two-digit year lies between 1930 and 2029.
QDate riconosciData(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral(R"(^\s*(\d{1,2})[/.-](\d{1,2})(?:[/.-](\d{2}|\d{4}))?\s*$)"));
    const QRegularExpressionMatch m = forma.match(testo);
    if (!m.hasMatch())
        return {};
    int anno = oggi().year();
    if (m.capturedLength(3) == 4)
        anno = m.captured(3).toInt();
    else if (m.capturedLength(3) == 2)
        anno = m.captured(3).toInt() + (m.captured(3).toInt() < 30 ? 2000 : 1900);
    return QDate(anno, m.captured(2).toInt(), m.captured(1).toInt());
}
} // namespace

QString dataSQL(const QDate& data)
{
    return QStringLiteral("%1/%2/%3").arg(data.month()).arg(data.day()).arg(data.year());
}

QString dataSQL(const QString& testo)
{
    const QDate d = riconosciData(testo);
    if (d.isValid())
        return dataSQL(d);
    return oggi().toString(QStringLiteral("MM/dd/yyyy"));
}

QVariant nz(const QVariant& valore)
{
    return valore.isNull() ? QVariant(QString()) : valore;
}

QVariant seNullo(const QVariant& valore, const QVariant& predefinito)
{
    return valore.isNull() ? predefinito : valore;
}
