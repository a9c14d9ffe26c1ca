#pragma once
#include "platform/db/recordset.h"
#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

class VersioneRiga;

// The rows of the service-call card: the call and its intervention, the lists it offers, the
// call's appliances and the requests on each. Appliances and requests are written one at a
// time, as the operator adds them; the caller groups them with the checks they need.

// True when a call, or appliance rows of a call not yet saved, use the number.
bool numeroChiamataUsato(qint64 numero);

// The customer's appliances: id_pro_cli, pro ("type - brand - model - internal code").
Recordset prodottiDelCliente(qint64 idCliente);
// Every request type: idTipoRichiesta, ric ("code - name"), by code.
Recordset tipiRichiestaChiamata();

// Reads into `versione` the call and its intervention as the card writes them.
void leggiVersioneChiamata(VersioneRiga& versione, qint64 idChiamata);
Recordset leggiChiamata(qint64 idChiamata);
Recordset leggiIntervento(qint64 idChiamata);
// The operator's user name; empty when there is no such operator.
QString utenteOperatore(qint64 idOperatore);

// The call's appliances with their type and brand, the last added first.
Recordset prodottiInChiamata(qint64 idChiamata);
// The requests on an appliance row of the call with their type; Null (no row) reads none.
Recordset richiesteProdotto(const QVariant& idProdChiamata);

// What the card writes of the call and its intervention, texts as they are stored.
struct ValoriChiamata {
    qint64 idChiamata = 0;
    qint64 idCliente = 0;
    QDate data;
    qint64 operatore = 0;
    QString note;
    QVariant tecnico;
    QDate dataIntervento;
    QString noteIntervento;
    QString stato;
    QTime oraInizio, oraFine;
};
void inserisciChiamata(const ValoriChiamata& v);
// Throws RigaMancante when the call or its intervention is gone.
void aggiornaChiamata(const ValoriChiamata& v);
// Stores on each appliance row of the call the codes of its requests, " - " between them.
void scriviSigleRichieste(qint64 idChiamata);
// The call, its intervention, its appliance rows and their requests, together.
void eliminaChiamata(qint64 idChiamata);

void aggiungiProdottoChiamata(qint64 idChiamata, const QVariant& idProdottoCliente);
void eliminaProdottoChiamata(const QVariant& idProdChiamata);
void aggiungiRichiestaProdotto(const QVariant& idProdChiamata, const QVariant& idTipoRichiesta);
void eliminaRichiestaProdotto(const QVariant& idRichiesta);
