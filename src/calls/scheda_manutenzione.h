#pragma once
#include "platform/ui/finestra.h"
#include <QString>

class ComboDati;
class FormaDialogo;
class QPushButton;

struct ControlliManutenzione {
    FormaDialogo* forma;
    ComboDati* cmbTipoMan;
    QPushButton *cmdConferma, *cmdAnnulla;
};

// "Scheda Manutenzione": the operator picks the type of a maintenance done on an installed
// appliance during a call. The opener loads the card, sets dataMan (dd/MM/yyyy), nIdChiamata
// and nIdProdotto (id_pro_cli), shows it modally and reads bConferma.
class schMan : public FinestraCon<ControlliManutenzione> {
public:
    QString dataMan;
    qint64 nIdChiamata = 0;
    qint64 nIdProdotto = 0;
    bool bConferma = false; // True when the card stored the maintenance

    void riempiCombo();
    ControlliManutenzione& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    void cmdConferma_Click();
    void cmdAnnulla_Click();
};
