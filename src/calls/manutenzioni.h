#pragma once
#include <QtGlobal>

// Rewrites an installed appliance's maintenance summary: the code of its latest maintenance
// (by date, then by the highest key) whose type exists, "-" and that date as dd/MM/yyyy; "-"
// when there is none. Runs inside the caller's write group when there is one.
void aggiornaManutenzioneProdotto(qint64 idProdotto);

// Removes the materials of every activity of an appliance row of a call (not the activities).
void eliminaAttivitaProdotto(qint64 idProdChiamata);
// Removes the materials of one activity.
void eliminaMaterialiAttivita(qint64 idAttivita);
