#pragma once
#include "elenco_registro.h"

// Customer types.
class schTipoCli : public SchedaRegistro {
public:
    schTipoCli();
};

class frmTipoCli : public ElencoRegistro {
public:
    frmTipoCli();
};
