#pragma once
#include "registers/modello/elenco_registro.h"

// An affiliated service centre (CAT), whose first-ignition workbooks are imported.
class schCAT : public SchedaRegistro {
public:
    schCAT();
};

// The centres: deleted for real, every one listed.
class frmElencoCAT : public ElencoRegistro {
public:
    frmElencoCAT();
};
