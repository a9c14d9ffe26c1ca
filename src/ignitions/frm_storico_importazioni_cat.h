#pragma once
#include "platform/ui/finestra.h"

class FormaDialogo;
class Griglia;
class QPushButton;

struct ControlliStoricoImportazioni {
    FormaDialogo* forma;
    Griglia* griglia;
    QPushButton* cmdSeleziona;
    QPushButton* cmdElimina;
    QPushButton* cmdChiudi;
};

// The import runs with their centre and outcome: one reopens in the import window, or goes
// with every row it stored.
class frmStoricoImportazioniCAT : public FinestraCon<ControlliStoricoImportazioni> {
public:
    ControlliStoricoImportazioni& controlli() { return ui(); }
    void aggiornaGriglia();

protected:
    QWidget* costruisci() override;
    void alCaricamento() override { aggiornaGriglia(); }

private:
    // False, after saying so, when the list has no current run.
    bool rigaScelta();
    void cmdSeleziona_Click();
    void cmdElimina_Click();
};
