#pragma once
#include "platform/ui/finestra.h"

class CampoData;
class ComboDati;
class FormaDialogo;
class QCheckBox;
class QPushButton;

struct ControlliStampaPlanner {
    FormaDialogo* forma;
    CampoData *dtpDataDa, *dtpDataA;
    ComboDati* cmbTecnici;
    QCheckBox* chkTutti;
    ComboDati* cmbZona;
    QCheckBox* chkTutteZone;
    QCheckBox *chkDaSvolgere, *chkSospeso, *chkAnnullato, *chkSvolto;
    QPushButton *cmdAnteprima, *cmdStampa, *cmdChiudi;
};

// The technicians' route sheet of a range of days, optionally of one technician and one zone,
// in the chosen states: previewed or printed through the main window's report control.
class frmStampaPlanner : public FinestraCon<ControlliStampaPlanner> {
public:
    void stampa(bool anteprima);
    void riempiCombo();

    ControlliStampaPlanner& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;
};
