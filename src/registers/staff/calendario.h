#pragma once
#include <QDate>
#include <QString>

// Leave and holidays as the planning and the call card look a day up.
// Both run on the shared connection and leave a database failure to their caller.

// True when the technician has a live leave period that holds the day, both ends included.
bool tecnicoInFerie(long idTecnico, const QDate& giorno);
// The holiday stored for the day's day and month in the current year; empty when there is none.
QString descrizioneFestivita(const QDate& giorno);
