#include "calls/celle_planning.h"
#include "calls/mod_planning.h"
#include "calls/stati_intervento.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include <QHash>
#include <QMap>

using namespace Qt::StringLiterals;

namespace {
// Holidays by date, in the current year only (as a single day is looked up).
QMap<QDate, QString> festivitaAnnoCorrente()
{
    const int anno = oggi().year();
    QMap<QDate, QString> festivita;
    for (Recordset rs = connessione.apriAvanti(
             u"SELECT dataFestivita, desc_festivita FROM festivita where dataFestivita>=? and dataFestivita<=? "
             "order by dataFestivita, idFestivita"_s,
             {QDate(anno, 1, 1), QDate(anno, 12, 31)});
         !rs.eof(); rs.moveNext()) {
        const QDate d = rs.campo(0).toDate();
        if (!festivita.contains(d))
            festivita.insert(d, rs.campo(1).toString());
    }
    return festivita;
}

struct Periodo {
    QDate da, a;
};

QHash<long, QList<Periodo>> ferie(const QDate& da, const QDate& a)
{
    QHash<long, QList<Periodo>> f;
    for (Recordset rs = connessione.apriAvanti(u"select ferieCodTecnico, ferieDataDa, ferieDataA from ferie where "
                                               "ferieEliminato=0 and ferieDataDa<=? and ferieDataA>=?"_s,
                                               {a, da});
         !rs.eof(); rs.moveNext())
        f[long(rs.campo(0).toLongLong())].append({rs.campo(1).toDate(), rs.campo(2).toDate()});
    return f;
}

bool inFerie(const QList<Periodo>& periodi, const QDate& giorno)
{
    for (const Periodo& p : periodi)
        if (p.da <= giorno && giorno <= p.a)
            return true;
    return false;
}

struct Conteggi {
    int sospesi = 0, daSvolgere = 0;
};
} // namespace

QString testoConteggi(int sospesi, int daSvolgere)
{
    return (sospesi > 0 ? u"S:"_s + QString::number(sospesi) + u"\r\n"_s : QString())
           + (daSvolgere > 0 ? u"F:"_s + QString::number(daSvolgere) : QString());
}

QVector<QVector<CellaPlanning>> cellePlanning(const QList<long>& tecnici, const QDate& inizio, int giorni)
{
    const QDate fine = inizio.addDays(giorni - 1);
    const QMap<QDate, QString> festivita = festivitaAnnoCorrente();
    const QHash<long, QList<Periodo>> periodi = ferie(inizio, fine);
    // One count per appliance row; the states compare exactly.
    QHash<std::pair<long, QDate>, Conteggi> conteggi;
    for (Recordset rs = interventiPeriodo(inizio, fine); !rs.eof(); rs.moveNext()) {
        Conteggi& c = conteggi[{long(rs[u"cod_tecnico"_s].toLongLong()), rs[u"data_int"_s].toDate()}];
        const QString stato = rs[u"cod_stato_int"_s].toString();
        if (stato == statoSospeso)
            ++c.sospesi;
        else if (stato == statoDaSvolgere)
            ++c.daSvolgere;
    }

    QVector<QVector<CellaPlanning>> celle(tecnici.size(), QVector<CellaPlanning>(giorni));
    const int anno = oggi().year();
    for (int c = 0; c < giorni; ++c) {
        const QDate d = inizio.addDays(c);
        const QString festa = festivita.value(QDate(anno, d.month(), d.day()));
        for (int r = 0; r < tecnici.size(); ++r) {
            CellaPlanning& cella = celle[r][c];
            if (!festa.isEmpty()) {
                cella = {CellaPlanning::Stato::festivo, festa};
            } else if (d.dayOfWeek() == Qt::Sunday) {
                cella = {CellaPlanning::Stato::domenica, {}};
            } else if (inFerie(periodi.value(tecnici[r]), d)) {
                cella = {CellaPlanning::Stato::ferie, u"FERIE"_s};
            } else {
                const Conteggi n = conteggi.value({tecnici[r], d});
                cella = {CellaPlanning::Stato::lavorativo, testoConteggi(n.sospesi, n.daSvolgere)};
            }
        }
    }
    return celle;
}
