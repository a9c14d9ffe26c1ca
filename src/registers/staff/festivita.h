#pragma once
#include "registers/modello/elenco_registro.h"
#include "registers/staff/seconda_disposizione.h"

// Public holidays. A holiday holds the year in which its card was last confirmed.
class schFestivita : public SchedaSecondaDisposizione {
public:
    schFestivita();
    // The name is required, and the chosen day must exist in the current year.
    bool check() override;
};

class frmFestivita : public ElencoRegistro {
public:
    frmFestivita();
};
