#pragma once
#include "platform/db/recordset.h"
#include <QDate>

// The technicians shown as the planner's rows (idTecn, sigla_tecnico, tecnico).
extern Recordset rsTecnici;

// The live technicians of a zone, each once, by name; 0, or a zone without any, gives every
// live technician. With none at all the two warnings are shown and the recordset is empty.
Recordset caricaTecnici(long idZona);

// The technician's appointments of the day not yet done, one row per appliance of a call,
// by start and end time.
Recordset appuntamentiTecnico(long idTecnico, const QDate& giorno);
// The technician's interventions of the day in every state, one row per appliance.
Recordset interventiTecnico(long idTecnico, const QDate& giorno);
// Every technician's interventions of a period, both ends included, one row per appliance.
Recordset interventiPeriodo(const QDate& da, const QDate& a);

// Removes the activities, the defects and the requests of an appliance row of a call (its
// materials go first, through eliminaAttivitaProdotto).
void eliminaDatiRiga(qint64 idProdChiamata);

// Deletes a call with everything that hangs on it, in one write group, and rewrites the
// maintenance summary of its appliances. A failure shows the error box and leaves every row;
// true when the call is gone.
bool eliminaAppuntamento(qint64 idChiamata);
