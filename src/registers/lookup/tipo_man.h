#pragma once
#include "registers/modello/elenco_registro.h"

// Maintenance types.
class schTipoMan : public SchedaRegistro {
public:
    schTipoMan();
};

class frmTipoMan : public ElencoRegistro {
public:
    frmTipoMan();
};
