#pragma once
#include "platform/db/recordset.h"
#include <QString>

// The maintenances of an installed appliance as the return report keeps them.

// Every maintenance of the appliance, from every call, newest first, with its type.
Recordset manutenzioniProdotto(const QVariant& idProdotto);
// True when the appliance already has a maintenance on that day (dd/MM/yyyy), from any call.
bool manutenzioneGiaAssegnata(qint64 idProdotto, const QString& data);
// Stores a maintenance and recomputes the appliance's summary, together.
void inserisciManutenzione(const QString& data, qint64 idTipoMan, qint64 idChiamata, qint64 idProdotto);
// Removes a maintenance and recomputes its appliance's summary, together.
void eliminaManutenzione(qint64 id, qint64 idProdotto);
