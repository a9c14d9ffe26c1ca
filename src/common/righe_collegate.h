#pragma once
#include "platform/db/errore_db.h"
#include <QVariant>

// Rows that others hang on. Several workstations share the file, so another one may have
// deleted the row since this one read it.
enum class RigaCollegata {
    cliente,          // clienti.idCli
    prodottoCliente,  // prodotti_ai_clienti.id_pro_cli
    chiamata,         // chiamate.idChiamata
    prodottoChiamata, // prodotti_in_chiamata.idProdChiamata
    attivita,         // attività_svolte.idAttivita
    richiesta,        // richieste.idRichiesta
};

// The row is gone: nothing was written. The description says so in the operator's words.
class RigaMancante : public ErroreDb {
public:
    explicit RigaMancante(RigaCollegata riga);
    RigaCollegata riga;
};

// What the operator reads when the row is gone, before what was not saved.
QString testoRigaMancante(RigaCollegata riga);
bool esisteRiga(RigaCollegata riga, const QVariant& chiave);
// Run inside the write's transaction, before the rows that hang on it: throws RigaMancante
// when the row is gone.
void richiediRiga(RigaCollegata riga, const QVariant& chiave);
