#include "platform/db/condizioni_sql.h"
#include "platform/db/ricerca_prefisso.h"
#include "platform/db/testi_sql.h"

using namespace Qt::StringLiterals;

namespace condizione {
namespace {
QString letterale(const QDate& d)
{
    return u'#' + dataSQL(d) + u'#';
}
} // namespace

QString iniziaCon(const QString& colonna, const QString& testo)
{
    return colonna + u" LIKE '"_s + testoLike(testo) + u"%' ESCAPE '\\'"_s;
}

QString contiene(const QString& colonna, const QString& testo)
{
    return colonna + u" LIKE '%"_s + testoLike(testo) + u"%' ESCAPE '\\'"_s;
}

QString numeroContiene(const QString& colonna, const QString& testo)
{
    // 12.5 reads "12,5" and 12.0 reads "12", as the regional number format writes them.
    const QString numero = u"replace(iif(%1 = CAST(%1 AS INTEGER), CAST(CAST(%1 AS INTEGER) AS TEXT), "
                           "CAST(%1 AS TEXT)), '.', ',')"_s.arg(colonna);
    return contiene(numero, testo);
}

QString uguale(const QString& colonna, qint64 valore)
{
    return colonna + u" = "_s + QString::number(valore);
}

QString diverso(const QString& colonna, qint64 valore)
{
    return colonna + u" <> "_s + QString::number(valore);
}

QString tra(const QString& colonna, const QDate& da, const QDate& a)
{
    if (da.isValid() && a.isValid())
        return colonna + u" >= "_s + letterale(da) + u" and "_s + colonna + u" <= "_s + letterale(a);
    if (da.isValid())
        return colonna + u" >= "_s + letterale(da);
    if (a.isValid())
        return colonna + u" <= "_s + letterale(a);
    return {};
}

QString fuori(const QString& colonna, const QDate& da, const QDate& a)
{
    return colonna + u" NOT BETWEEN "_s + letterale(da) + u" AND "_s + letterale(a);
}

QString presente(const QString& colonna, bool presente)
{
    return colonna + (presente ? u" is not null"_s : u" is null"_s);
}
} // namespace condizione

Condizioni& Condizioni::operator<<(const QString& condizione)
{
    if (!condizione.isEmpty())
        parti << condizione;
    return *this;
}
