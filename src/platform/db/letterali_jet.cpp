#include "platform/db/letterali_jet.h"
#include "platform/db/testo_citato.h"
#include <QRegularExpression>

namespace {

QString data(int anno, int mese, int giorno)
{
    return QDate(anno, mese, giorno).toString(QStringLiteral("yyyy-MM-dd"));
}

// The text between two # signs as an ISO literal, or empty when it is no Jet literal.
QString converti(const QString& dentro, const QDate& oggi)
{
    static const QRegularExpression dataOra(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*$)"));
    static const QRegularExpression soloData(QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})\s*$)"));
    static const QRegularExpression senzaAnno(QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})\s*$)"));
    static const QRegularExpression ora(QStringLiteral(R"(^\s*(\d{1,2}):(\d{2})\s*$)"));

    auto n = [](const QRegularExpressionMatch& m, int i) { return m.captured(i).toInt(); };
    QRegularExpressionMatch m;
    if ((m = dataOra.match(dentro)).hasMatch()) {
        const QDate d(n(m, 3), n(m, 1), n(m, 2));
        const QTime t(n(m, 4), n(m, 5), m.captured(6).isEmpty() ? 0 : n(m, 6));
        if (d.isValid() && t.isValid())
            return d.toString(QStringLiteral("yyyy-MM-dd")) + u' ' + t.toString(QStringLiteral("HH:mm:ss"));
    } else if ((m = soloData.match(dentro)).hasMatch()) {
        if (QDate::isValid(n(m, 3), n(m, 1), n(m, 2)))
            return data(n(m, 3), n(m, 1), n(m, 2));
    } else if ((m = senzaAnno.match(dentro)).hasMatch()) {
        if (QDate::isValid(oggi.year(), n(m, 1), n(m, 2)))
            return data(oggi.year(), n(m, 1), n(m, 2));
    } else if ((m = ora.match(dentro)).hasMatch()) {
        const QTime t(n(m, 1), n(m, 2));
        if (t.isValid())
            return t.toString(QStringLiteral("HH:mm"));
    }
    return {};
}

} // namespace

QString riscriviLetteraliJet(const QString& sql, const QDate& oggi)
{
    if (!sql.contains(u'#'))
        return sql;
    QString esito;
    esito.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (apreCitazione(c)) {
            // A quoted text or name is copied as it stands.
            const qsizetype fine = fineCitazione(sql, i);
            esito += QStringView(sql).mid(i, fine - i);
            i = fine;
        } else if (c == u'#') {
            const qsizetype j = sql.indexOf(u'#', i + 1);
            const QString iso = j > i ? converti(sql.mid(i + 1, j - i - 1), oggi) : QString();
            if (iso.isEmpty()) {
                esito += c;
                ++i;
            } else {
                esito += u'\'' + iso + u'\'';
                i = j + 1;
            }
        } else {
            esito += c;
            ++i;
        }
    }
    return esito;
}
