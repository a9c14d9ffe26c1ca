#pragma once
#include "common/versione_riga.h"
#include "platform/ui/finestra.h"
#include <QString>

class ComboDati;
struct ValoriChiamata;
class FormaDialogo;
class Griglia;
class CampoData;
class CampoOra;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct ControlliChiamata {
    FormaDialogo* forma;
    QLabel* lblCliente;
    // DATI CHIAMATA
    CampoData* dtpDataChiamata;
    QLabel* lblOperatore;
    QLineEdit* txtNoteChiamata;
    QComboBox* cmbStato;
    // DATI INTERVENTO
    ComboDati* cmbTecnico;
    CampoData* dtpDataIntervento;
    CampoOra *dtpOraDa, *dtpOraA;
    QLineEdit* txtNoteIntervento;
    // PRODOTTI IN CHIAMATA
    ComboDati* cmbProdotti;
    QPushButton *cmdAggiungiProdotto, *cmdRimuoviProdotto;
    Griglia* grigliaProdotti;
    // ELENCO RICHIESTE
    ComboDati* cmbRichieste;
    QPushButton *cmdAggiungiRichiesta, *cmdRimuoviRichiesta, *cmdNuovaRichiesta;
    Griglia* grigliaRichieste;
    QPushButton *cmdConferma, *cmdRientro, *cmdElimina, *cmdAnnulla;
};

// The service-call card: the call, its intervention, the customer's appliances it concerns
// and the requests on each. Appliances and requests are stored as they are added; call and
// intervention at CONFERMA.
//
// New call: nIDcliente, strCliente, nModalita = 0; carica; nIdChiamata = incChiamata() (0: no
// number, do not show); riempiCombo; dates and technician; bElimina = false; modal show.
// Edit: nIdChiamata, nIDcliente, strCliente, nModalita = 1; carica; riempiCombo; predisponi
// (false: the call is gone, do not show); bElimina = false; modal show. Afterwards bElimina
// true asks the opener to delete the call.
class frmChiamata : public FinestraCon<ControlliChiamata> {
public:
    long nIDcliente = 0;
    long nIdChiamata = 0;
    bool bConferma = false;
    int nModalita = 0;
    QString strCliente;
    bool bElimina = false;
    bool bSvolto = false;

    void riempiCombo();
    bool predisponi();
    // The next call number, 0 when it could not be drawn (the error box was shown).
    long incChiamata();
    bool check();
    void inserisci();
    void modificaChiamata();
    // Writes on each appliance row of the call the codes of its requests, as the planner lists them.
    void costruisciRichieste();
    void cancellaChiamata();
    void aggiornaProdotti();
    void aggiornaRichieste();
    void riempiTecnici();
    void riempiProdotti();
    void riempiRichieste();
    QString trovaNomeOperatore(long id);

    ControlliChiamata& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    QWidget* costruisciChiamata(QWidget* f);
    QWidget* costruisciIntervento(QWidget* f);
    QWidget* costruisciProdotti(QWidget* f);
    QWidget* costruisciRiquadroRichieste(QWidget* f);
    void cmdConferma_Click();
    // False when the operator chose to stay.
    bool cmdAnnulla_Click();
    void cmdElimina_Click();
    void cmdRientro_Click();
    void cmdAggiungiProdotto_Click();
    void cmdRimuoviProdotto_Click();
    void cmdAggiungiRichiesta_Click();
    void cmdRimuoviRichiesta_Click();
    void cmdNuovaRichiesta_Click();
    bool tasto(int tasto);
    // The call and its intervention as the card would write them now.
    ValoriChiamata valori();

    // The operator who took the call: the current one for a new call, the stored one on edit.
    long nOperatore = 0;
    // The call and its intervention as loaded, against changes by another workstation.
    VersioneRiga versione;
};
