#pragma once
#include "platform/ui/finestra.h"

class QLineEdit;
class QPushButton;

struct ControlliAutenticazione {
    QLineEdit* txtOperatore;
    QLineEdit* txtPassword;
    QPushButton* cmdConferma;
    QPushButton* cmdAnnulla;
};

// The login window.
class schAutenticazione : public FinestraCon<ControlliAutenticazione> {
public:
    // True when the operator was identified and recorded.
    bool checkPassword();

    // The controls, for callers and tests (touching them loads the window).
    ControlliAutenticazione& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;

private:
    void cmdConferma_Click();
    void cmdAnnulla_Click();
};
