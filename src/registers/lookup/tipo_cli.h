#pragma once
#include "registers/modello/elenco_registro.h"

// Customer types.
class schTipoCli : public SchedaRegistro {
public:
    schTipoCli();
};

class frmTipoCli : public ElencoRegistro {
public:
    frmTipoCli();
};
