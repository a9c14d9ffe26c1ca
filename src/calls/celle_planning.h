#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QVector>

// What a planner cell shows: a holiday or a Sunday (the whole column), a technician on leave,
// or a working day with the counts of its appointments.
struct CellaPlanning {
    enum class Stato { festivo, domenica, ferie, lavorativo };
    Stato stato = Stato::lavorativo;
    QString testo;
};

// The cells of the planner, [technician][day], for `giorni` days from `inizio`. Leave,
// holidays and interventions are read with one statement each.
QVector<QVector<CellaPlanning>> cellePlanning(const QList<long>& tecnici, const QDate& inizio, int giorni);

// "S:n" and a line break when n > 0, then "F:m" when m > 0.
QString testoConteggi(int sospesi, int daSvolgere);
