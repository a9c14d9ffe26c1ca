#include "platform/db/testo_citato.h"

bool apreCitazione(QChar c)
{
    return c == u'\'' || c == u'"' || c == u'`' || c == u'[';
}

qsizetype fineCitazione(QStringView sql, qsizetype i)
{
    const QChar chiusura = sql[i] == u'[' ? QChar(u']') : sql[i];
    const qsizetype n = sql.size();
    qsizetype j = i + 1;
    while (j < n) {
        if (sql[j] == chiusura) {
            if (chiusura != u']' && j + 1 < n && sql[j + 1] == chiusura) {
                j += 2;
                continue;
            }
            return j + 1;
        }
        ++j;
    }
    return n;
}
