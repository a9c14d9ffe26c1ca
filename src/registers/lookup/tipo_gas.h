#pragma once
#include "registers/modello/elenco_registro.h"

// Gas supplies of an appliance, shown as "Alimentazioni".
class schTipoGas : public SchedaRegistro {
public:
    schTipoGas();
};

class frmTipoGas : public ElencoRegistro {
public:
    frmTipoGas();
};
