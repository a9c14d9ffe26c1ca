#pragma once
#include "registers/modello/elenco_registro.h"
#include "registers/staff/seconda_disposizione.h"

// Technicians' leave periods, both ends included.
class schFerie : public SchedaSecondaDisposizione {
public:
    schFerie();
    // Reversed dates are exchanged first, whether or not a technician is chosen.
    bool check() override;
};

class frmFerie : public ElencoRegistro {
public:
    frmFerie();

protected:
    QString istruzioneElenco() const override;
};
