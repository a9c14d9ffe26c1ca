#pragma once
#include "elenco_registro.h"
#include "sch_operatori.h"

// The operators register, for administrators. Operators are deleted for real.
class frmOperatori : public ElencoRegistro {
public:
    frmOperatori();
};
