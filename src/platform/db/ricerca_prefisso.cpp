#include "platform/db/ricerca_prefisso.h"
#include "platform/db/testi_sql.h"

using namespace Qt::StringLiterals;

QString condizionePrefisso(const QString& colonna, const QString& prefisso)
{
    QString p = maiuscolo(prefisso);
    p.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s).replace(u'\'', u"''"_s);
    return colonna + u" like '"_s + p + u"%' ESCAPE '\\'"_s;
}
