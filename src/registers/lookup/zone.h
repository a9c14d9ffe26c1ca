#pragma once
#include "registers/modello/elenco_registro.h"

// Zones of the territory, into which customers fall and which technicians cover.
class schZona : public SchedaRegistro {
public:
    schZona();
};

class frmZone : public ElencoRegistro {
public:
    frmZone();
};
