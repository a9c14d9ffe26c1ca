#pragma once
#include "registers/staff/elenco_ordinato.h"
#include "registers/staff/seconda_disposizione.h"

// Materials, each in an intervention area (its group).
class schMateriale : public SchedaSecondaDisposizione {
public:
    schMateriale();

protected:
    // A deleted material is not opened.
    QString istruzioneLettura() const override;
};

class frmMateriali : public ElencoOrdinato {
public:
    frmMateriali();
};
