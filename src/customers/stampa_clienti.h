#pragma once
#include "platform/ui/finestra.h"
#include <QString>

class FormaDialogo;
class QComboBox;
class QLabel;
class QPushButton;

struct ControlliStampaClienti {
    FormaDialogo* forma;
    QComboBox* cmbTipoStampa;
    QLabel* lblTipoStampa;
    QPushButton* Command1; // Anteprima (F10)
    QPushButton* Command2; // Stampa (F12)
    QPushButton* Command3; // Annulla (ESC)
};

// Prints labels, the customer list or envelopes of the customers listed in the table stampe.
class frmStampaClienti : public FinestraCon<ControlliStampaClienti> {
public:
    QString strQryCriteri; // the condition of the last search (not used here)
    QString strFileRpt;    // the chosen report file

    // A preview window (true) or the printer (false); a failure shows the error box.
    void stampa(bool anteprima);
    ControlliStampaClienti& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;

private:
    void cmbTipoStampa_Click(int posizione);
    void stampa_Click(bool anteprima);
};
