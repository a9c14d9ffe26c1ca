#pragma once
#include "registers/modello/elenco_registro.h"

// Brands: the appliance makers of the catalogue.
class schMarca : public SchedaRegistro {
public:
    schMarca();
};

class frmMarche : public ElencoRegistro {
public:
    frmMarche();
};
