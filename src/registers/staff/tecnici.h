#pragma once
#include "registers/modello/elenco_registro.h"

// The centre's technicians. For this table `eliminato` means disabled: the list shows every
// technician, and the card sets and clears the flag.
class schTecnico : public SchedaRegistro {
public:
    schTecnico();
};

class frmTecnici : public ElencoRegistro {
public:
    frmTecnici();
};
