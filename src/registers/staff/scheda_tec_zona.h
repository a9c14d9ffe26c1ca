#pragma once
#include "platform/ui/finestra.h"
#include "registers/modello/protocollo_scheda.h"

class ComboDati;
class FormaDialogo;
class QLabel;
class QListWidget;
class QPushButton;

struct ControlliTecZona {
    FormaDialogo* forma;
    QLabel* Label1;
    ComboDati* cmbTecnico;
    QPushButton* cmdResetTecnico;
    QLabel* Label2;
    ComboDati* cmbZona;
    QPushButton* cmdResetZone;
    QLabel* Label3;
    QListWidget* lstZone; // the technician's live pairs, each bound to its idTecZon
    QPushButton* cmdAggiungi;
    QPushButton* cmdRimuovi;
    QPushButton* cmdChiudi;
};

// The zones of one technician: pairs are added and removed at once, there is nothing to confirm.
// nID is the pair (idTecZon) the list opens the card on.
class schTecZona : public FinestraCon<ControlliTecZona>, public ProtocolloScheda {
public:

    // Chooses the pair's technician and zone and lists his zones; false when the pair is no
    // longer live (the card has said so and closed).
    bool predisponi() override;
    Finestra& finestra() override { return *this; }
    void aggiornaZone(); // the chosen technician's live pairs; no choice leaves the list alone
    void riempiCombo();  // both combos afresh, the first enabled technician chosen, no zone

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    void elencaZone(long idTecnico);
    void aggiungi();
    void rimuovi();
};
