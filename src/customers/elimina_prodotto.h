#pragma once
#include <QtGlobal>

// Deletes an installed appliance with everything the calls recorded about it: its
// maintenances; for each of its rows in a call, the materials of the activities, the
// activities, the defects found and the requests; those rows; the appliance. The calls and
// their interventions stay. One write group: a failure leaves every row in place.
void eliminaProdottoCliente(qint64 idProdotto);

// The same for every appliance stored under a customer number.
void eliminaProdottiCliente(qint64 idCliente);
