#include "registers/staff/calendario.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"

using namespace Qt::StringLiterals;

namespace {
QString letterale(const QDate& giorno)
{
    return u"#"_s + dataSQL(giorno) + u"#"_s;
}
} // namespace

bool tecnicoInFerie(long idTecnico, const QDate& giorno)
{
    const QString g = letterale(giorno);
    return !connessione
                .apriAvanti(u"select idFerie from ferie where ferieEliminato=0 and ferieCodTecnico="_s
                            + QString::number(idTecnico) + u" and ferieDataDa <= "_s + g + u" and ferieDataA >= "_s
                            + g)
                .eof();
}

QString descrizioneFestivita(const QDate& giorno)
{
    // Day and month in the current year: holidays are stored with the year they were saved in.
    // 29 February of a year that has none is no day of the current one, so no holiday.
    if (!QDate(oggi().year(), giorno.month(), giorno.day()).isValid())
        return {};
    Recordset rs = connessione.apriAvanti(u"SELECT desc_festivita FROM festivita where dataFestivita=#%1/%2#"_s
                                              .arg(giorno.month())
                                              .arg(giorno.day()));
    return rs.eof() ? QString() : nz(rs.campo(u"desc_festivita"_s)).toString();
}
