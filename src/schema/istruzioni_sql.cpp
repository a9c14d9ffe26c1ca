#include "schema/istruzioni_sql.h"

namespace {
// The character that closes a quote opened by c, or a null character when c opens none.
QChar chiusura(QChar c)
{
    switch (c.unicode()) {
    case '\'': return u'\'';
    case '"': return u'"';
    case '`': return u'`';
    case '[': return u']';
    default: return QChar();
    }
}

// Where the quote opened at inizio ends; a doubled closing quote inside stands for itself.
qsizetype fineQuotato(const QString& script, qsizetype inizio, QChar fine)
{
    const bool raddoppiabile = fine != u']';
    qsizetype j = inizio + 1;
    while (j < script.size()) {
        if (script.at(j) == fine) {
            if (!raddoppiabile || j + 1 >= script.size() || script.at(j + 1) != fine)
                return j;
            ++j;
        }
        ++j;
    }
    return script.size() - 1;
}

void aggiungi(QStringList& istruzioni, const QString& testo)
{
    const QString t = testo.trimmed();
    if (!t.isEmpty())
        istruzioni << t;
}
} // namespace

QStringList divideIstruzioni(const QString& script)
{
    QStringList istruzioni;
    QString corrente;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        const QChar dopo = i + 1 < n ? script.at(i + 1) : QChar();
        if (const QChar fine = chiusura(c); !fine.isNull()) {
            const qsizetype j = fineQuotato(script, i, fine);
            corrente += script.mid(i, j - i + 1);
            i = j;
        } else if (c == u'-' && dopo == u'-') {
            while (i < n && script.at(i) != u'\n')
                ++i;
            corrente += u'\n';
        } else if (c == u'/' && dopo == u'*') {
            const qsizetype fine = script.indexOf(QStringLiteral("*/"), i + 2);
            i = fine < 0 ? n : fine + 1;
            corrente += u' ';
        } else if (c == u';') {
            aggiungi(istruzioni, corrente);
            corrente.clear();
        } else {
            corrente += c;
        }
    }
    aggiungi(istruzioni, corrente);
    return istruzioni;
}
