#pragma once
#include "platform/ui/finestra.h"

class ComboDati;
class FormaDialogo;
class QLineEdit;
class QPushButton;

struct ControlliRichiesta {
    FormaDialogo* forma;
    ComboDati* cmbTipologia;
    QLineEdit* txtNote;
    QPushButton *cmdOk, *cmdAnnulla;
};

// A request on an appliance row of a call, with its note. The card protocol: nModalità (0 new,
// 1 edit), nIdChiamata (the appliance row) and, to edit, nID; predisponi; modal show; bConferma.
class frmRichiesta : public FinestraCon<ControlliRichiesta> {
public:
    bool bConferma = false;
    int nModalità = 0;
    long nIdChiamata = 0;
    long nID = 0;

    void riempiCombo();
    void predisponi();
    void ripristinaRichiesta();
    bool check();
    void inserisci();
    void modificaScheda();

    ControlliRichiesta& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    void cmdOk_Click();
    void cmdAnnulla_Click();
};
