#pragma once
#include "customers/dati_accensione.h"
#include "platform/ui/finestra.h"
#include <QList>
#include <utility>

class DataOpzionale;
class FormaDialogo;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;

struct ControlliPrimaAccensione {
    FormaDialogo* forma;
    QButtonGroup* grpPressioneValvola; // each pair: "SI" id 1, "NO" id 0
    QButtonGroup* grpPressioneEntrata;
    QButtonGroup* grpTensione;
    QButtonGroup* grpConsumoGas;
    QButtonGroup* grpPrimaVerifica;
    DataOpzionale* dtpDataInstallazione;
    QComboBox* cmbTipoScarico;
    QComboBox* cmbVerifica;
    QLineEdit* txtAltroVerifica;
    QPushButton* cmdOk;
    QPushButton* cmdAnnulla;
};

// The first-ignition answers of one appliance. The opener loads the card, sets the members,
// calls predisponi, shows it and reads the members back when bConferma is True.
class schPrimaAccensione : public FinestraCon<ControlliPrimaAccensione>, public DatiPrimaAccensione {
public:
    bool bConferma = false;

    // Shows the members in the controls.
    void predisponi();

protected:
    QWidget* costruisci() override;

private:
    QList<std::pair<QButtonGroup*, int*>> risposte(); // each yes/no pair and its member
    void ok();
    void annulla();
};
