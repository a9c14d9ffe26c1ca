#pragma once
#include "registers/modello/elenco_registro.h"

// Positions: where an appliance is installed in the customer's home.
class schPosizione : public SchedaRegistro {
public:
    schPosizione();
};

class frmPosizioni : public ElencoRegistro {
public:
    frmPosizioni();
};
