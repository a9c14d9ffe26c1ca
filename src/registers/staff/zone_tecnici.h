#pragma once
#include "registers/staff/elenco_ordinato.h"

// The technician-zone pairs; its card (schTecZona) keeps the zones of one technician.
class frmZoneTecnici : public ElencoOrdinato {
public:
    frmZoneTecnici();

protected:
    void alCaricamento() override;
};
