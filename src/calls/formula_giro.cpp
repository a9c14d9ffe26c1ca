#include "calls/formula_giro.h"
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
QString data(const QDate& d)
{
    return u"%1,%2,%3"_s.arg(d.year()).arg(d.month()).arg(d.day());
}
} // namespace

std::optional<QString> formulaGiro(const QVariant& tecnico, const QVariant& zona, const QDate& da, const QDate& a,
                                   const StatiGiro& stati)
{
    QString f;
    if (!tecnico.isNull())
        f = u"{tecnici.idtecn}="_s + tecnico.toString();
    if (!zona.isNull()) {
        if (!f.isEmpty())
            f += u" AND "_s;
        f += u"{clienti.cod_zona}="_s + zona.toString();
    }
    f += (f.isEmpty() ? u"{interventi.data_int}>=Date ("_s : u" AND {interventi.data_int}>=Date ("_s) + data(da)
         + u") AND {interventi.data_int}<=Date ("_s + data(a) + u") "_s;
    QStringList s;
    const std::pair<bool, const char*> scelte[] = {{stati.daSvolgere, "DA SVOLGERE"},
                                                   {stati.sospeso, "SOSPESO"},
                                                   {stati.annullato, "ANNULLATO"},
                                                   {stati.svolto, "ESEGUITO"}};
    for (const auto& [scelto, stato] : scelte)
        if (scelto)
            s << u"{interventi.cod_stato_int}='"_s + QLatin1String(stato) + u"'"_s;
    if (s.isEmpty())
        return std::nullopt;
    return f + u" AND ("_s + s.join(u" OR "_s) + u")"_s;
}
