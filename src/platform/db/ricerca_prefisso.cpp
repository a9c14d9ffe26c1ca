#include "platform/db/ricerca_prefisso.h"
#include "platform/db/testi_sql.h"

using namespace Qt::StringLiterals;

QString testoLike(const QString& testo)
{
    QString p = maiuscolo(testo);
    return p.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s).replace(u'\'', u"''"_s);
}

QString condizionePrefisso(const QString& colonna, const QString& prefisso)
{
    return colonna + u" like '"_s + testoLike(prefisso) + u"%' ESCAPE '\\'"_s;
}
