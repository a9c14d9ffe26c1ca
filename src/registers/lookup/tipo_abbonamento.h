#pragma once
#include "registers/modello/elenco_registro.h"

// Subscription types an installed appliance can carry.
class schTipoAbbonamento : public SchedaRegistro {
public:
    schTipoAbbonamento();
};

class frmTipoAbbonamento : public ElencoRegistro {
public:
    frmTipoAbbonamento();
};
