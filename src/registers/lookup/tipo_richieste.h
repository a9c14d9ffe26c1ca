#pragma once
#include "registers/modello/elenco_registro.h"

// Request types of a service call. Rows are deleted for real, but not while a request of a
// call still uses the type.
class schTipoRic : public SchedaRegistro {
public:
    schTipoRic();
};

class frmTipoRichieste : public ElencoRegistro {
public:
    frmTipoRichieste();
};
