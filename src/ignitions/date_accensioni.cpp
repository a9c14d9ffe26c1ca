#include "ignitions/date_accensioni.h"
#include <QRegularExpression>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
// Day 0 of the serial numbers (day 1 is 31/12/1899) and the last one, 31/12/9999.
const QDate origineSeriali(1899, 12, 30);
constexpr qint64 ultimoSeriale = 2958465;

int anno(int a, qsizetype cifre)
{
    if (cifre == 4)
        return a;
    return a + (a < 30 ? 2000 : 1900);
}

int anno(const QString& cifre)
{
    return anno(cifre.toInt(), cifre.size());
}

// The Italian form written plainly, ASCII digits and a separator and nothing else, read
// without the expression: an import reads a date on each row. nullopt for any other text.
std::optional<QDate> italianaSemplice(QStringView testo)
{
    qsizetype i = 0;
    // The digits from i on: how many, and their value.
    const auto cifre = [&] {
        const qsizetype inizio = i;
        int n = 0;
        for (; i < testo.size() && i - inizio < 5 && testo[i] >= u'0' && testo[i] <= u'9'; ++i)
            n = n * 10 + (testo[i].unicode() - u'0');
        return std::pair{i - inizio, n};
    };
    const auto [cifreGiorno, giorno] = cifre();
    if (cifreGiorno < 1 || cifreGiorno > 2 || i == testo.size() || (testo[i] != u'/' && testo[i] != u'-'))
        return std::nullopt;
    const QChar separatore = testo[i++];
    const auto [cifreMese, mese] = cifre();
    if (cifreMese < 1 || cifreMese > 2 || i == testo.size() || testo[i++] != separatore)
        return std::nullopt;
    const auto [cifreAnno, a] = cifre();
    if (i != testo.size() || (cifreAnno != 2 && cifreAnno != 4))
        return std::nullopt;
    return QDate(anno(a, cifreAnno), mese, giorno);
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
    if (const std::optional<QDate> d = italianaSemplice(testo))
        return *d;
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
    // Digit by digit: an export writes one for each date cell.
    int anno = 0, mese = 0, giorno = 0;
    data.getDate(&anno, &mese, &giorno);
    if (anno < 1000 || anno > 9999)
        return data.toString(u"dd/MM/yyyy"_s);
    const auto cifra = [](int n) { return QChar(u'0' + n % 10); };
    const QChar testo[10] = {cifra(giorno / 10), cifra(giorno),    u'/',
                             cifra(mese / 10),   cifra(mese),      u'/',
                             cifra(anno / 1000), cifra(anno / 100), cifra(anno / 10), cifra(anno)};
    return QString(testo, 10);
}
