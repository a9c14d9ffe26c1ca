#pragma once
#include "registers/modello/elenco_registro.h"

// Activity types of the technician's report.
class schTipoAtt : public SchedaRegistro {
public:
    schTipoAtt();
};

class frmTipoAtt : public ElencoRegistro {
public:
    frmTipoAtt();
};
