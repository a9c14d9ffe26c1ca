#pragma once
#include "registers/modello/elenco_registro.h"
#include "registers/operatori/sch_operatori.h"

// The operators register, for administrators. Operators are deleted for real.
class frmOperatori : public ElencoRegistro {
public:
    frmOperatori();

protected:
    void alCaricamento() override;
};
