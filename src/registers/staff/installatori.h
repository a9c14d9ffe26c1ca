#pragma once
#include "registers/modello/elenco_registro.h"

// The firms and persons that install appliances at customers' addresses.
class schInstallatore : public SchedaRegistro {
public:
    schInstallatore();
};

class frmInstallatori : public ElencoRegistro {
public:
    frmInstallatori();
};
