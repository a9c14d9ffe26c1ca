#pragma once
#include "platform/db/modello_recordset.h"
#include "platform/db/recordset.h"

// The rows behind the search's result grids, each read for the key of its parent's current
// row; the key -1 matches nothing and gives the grid an empty snapshot.
Recordset prodottiCliente(qint64 idCli);           // appliances, key id_pro_cli
Recordset chiamateProdotto(qint64 idProCli);       // newest first, key idProdChiamata
Recordset attivitaChiamata(qint64 idProdChiamata); // key idAttivita
Recordset materialiAttivita(qint64 idAttivita);    // by material group

// The columns each grid shows.
namespace colonne {
QList<ColonnaGriglia> clienti();
QList<ColonnaGriglia> prodotti();
QList<ColonnaGriglia> manutenzioni();
QList<ColonnaGriglia> chiamate();
QList<ColonnaGriglia> attivita();
QList<ColonnaGriglia> materiali();
}
