#pragma once
#include "registers/modello/elenco_registro.h"

// Intervention areas, the groups of the materials.
class schAreaInt : public SchedaRegistro {
public:
    schAreaInt();
};

class frmAreaInt : public ElencoRegistro {
public:
    frmAreaInt();
};
