#pragma once
#include "registers/modello/elenco_registro.h"

// Defects a technician can find on an appliance.
class schDifetto : public SchedaRegistro {
public:
    schDifetto();
};

class frmDifetti : public ElencoRegistro {
public:
    frmDifetti();
};
