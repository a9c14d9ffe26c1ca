#pragma once
#include "registers/modello/elenco_registro.h"

// Product types: the kinds of appliance of the catalogue.
class schTipoProdotto : public SchedaRegistro {
public:
    schTipoProdotto();
};

class frmTipoProdotto : public ElencoRegistro {
public:
    frmTipoProdotto();
};
