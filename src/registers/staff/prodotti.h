#pragma once
#include "registers/staff/elenco_ordinato.h"
#include "registers/staff/seconda_disposizione.h"

// The brand-model catalogue. After a confirmed insert the card tells its caller the new
// model's type, brand and name (and its key, nNuovoID).
class schProdotto : public SchedaSecondaDisposizione {
public:
    long codTipo = 0;
    long codMarca = 0;
    QString prodotto; // the model name as stored

    schProdotto();
    bool inserisci() override;
};

class frmProdotti : public ElencoOrdinato {
public:
    frmProdotti();
};
