#pragma once
#include "platform/db/recordset.h"
#include <QString>
#include <QVariant>

// The rows of the technician's return report: the appliances of a call, the defects found on
// each, the activities done with the materials used in each, the call's return note and state.
// A key that is Null (nothing selected) reads no rows.

// The call's appliances, the last added first: idProdChiamata, txtModello (model-internal code).
Recordset prodottiChiamata(qint64 idChiamata);
// The installed appliance (id_pro_cli) of an appliance row of a call; Null when the row is gone.
QVariant prodottoInstallato(const QVariant& idProdChiamata);

Recordset difettiProdotto(const QVariant& idProdChiamata);
void aggiungiDifetto(qint64 idProdChiamata, qint64 idDifetto, const QString& nota);
void aggiornaNotaDifetto(qint64 idAttProd, const QString& nota);
void eliminaDifetto(qint64 idAttProd);

Recordset attivitaProdotto(const QVariant& idProdChiamata, qint64 idChiamata);
// The new activity's key.
qint64 aggiungiAttivita(qint64 idProdChiamata, qint64 idTipoAttivita, const QString& nota);
void aggiornaNotaAttivita(qint64 idAttivita, const QString& nota);
// The activity and its materials, together.
void eliminaAttivita(qint64 idAttivita);

// The materials of an activity, with their area.
Recordset materialiAttivita(const QVariant& idAttivita);
// The materials read when the activity grid has no rows at all: none.
Recordset materialiSenzaAttivita();
void aggiungiMateriale(qint64 idAttivita, qint64 idMat);
void eliminaMateriale(qint64 idMatAtt);

// Live materials of an area (Null: none).
Recordset materialiArea(const QVariant& idGruppo);

QString noteRientro(qint64 idChiamata); // throws when the call does not exist
void salvaNoteRientro(qint64 idChiamata, const QString& testo);
// The call's intervention becomes "ESEGUITO".
void segnaEseguito(qint64 idChiamata);
// The call's customer; Null when the call does not exist.
QVariant clienteChiamata(qint64 idChiamata);
