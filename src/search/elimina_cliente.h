#pragma once
#include <QtGlobal>

// Deletes a customer with everything of his: per call its intervention, per appliance of the
// call its requests, defects, the materials of its activities and the activities, then the
// call's appliances; the calls; the maintenances of his appliances; the appliances; the
// customer. One write group: a failure leaves every row in place.
void eliminaCliente(qint64 idCli);
