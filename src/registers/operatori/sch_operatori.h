#pragma once
#include "registers/modello/scheda_registro.h"

// The operator card: user name, password (in clear) and type.
class schOperatori : public SchedaRegistro {
public:
    schOperatori();

    QString strOpNome; // the user name as loaded for editing

    bool predisponi() override;
    // Both refuse a user name that another operator already has.
    bool inserisci() override;
    // Also refuses to take the type "AMMINISTRATORE" from the last administrator.
    bool modificaScheda() override;

protected:
    void alCaricamento() override;

private:
    QString nome();
    bool nomeGiaUsato();
};
