#pragma once
#include "platform/ui/finestra.h"

class QLineEdit;
class QPushButton;

struct ControlliCambioPassword {
    QLineEdit* txtOldPwd;
    QLineEdit* txtPwd1;
    QLineEdit* txtPwd2;
    QPushButton* cmdOk;
    QPushButton* cmdAnnulla;
};

// The logged-in operator changes his own password.
class frmCambioPassword : public FinestraCon<ControlliCambioPassword> {
public:
    ControlliCambioPassword& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;

private:
    void cmdOk_Click();
};
