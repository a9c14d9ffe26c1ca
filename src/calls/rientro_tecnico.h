#pragma once
#include "platform/ui/finestra.h"
#include "registers/modello/legame_campi.h"
#include <QPointer>
#include <QString>
#include <QVariant>

class ComboDati;
class DataOpzionale;
class FormaDialogo;
class Griglia;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

struct ControlliRientro {
    FormaDialogo* forma;
    // Seleziona il prodotto
    ComboDati* cmbProdotti;
    QPushButton* cmdCliente;
    // Difetti riscontrati
    ComboDati* cmbDifetti;
    QLineEdit* txtNoteDifetto;
    QPushButton *cmdAggiungiDifetto, *cmdRimuoviDifetto, *cmdAggiornaNotaDifetto, *cmdNuovoDifetto;
    Griglia* grigliaDifetti;
    // Interventi svolti
    ComboDati* cmbTipoAttivita;
    QLineEdit* txtNoteAttivita;
    QPushButton *cmdAggiungiAttivita, *cmdRimuoviAttivita, *cmdAggiornaNotaAttivita, *cmdNuovoIntervento;
    Griglia* grigliaTipologia;
    // Materiali dell'intervento
    ComboDati *cmbArea, *cmbMateriale;
    QPushButton *cmdAggiungiMateriale, *cmdRimuoviMateriale, *cmdNuovaArea, *cmdNuovoMateriale;
    Griglia* grigliaMateriale;
    // Abbonamento, Manutenzione Programmata
    ComboDati* cmbTipoAbbonamento;
    QLineEdit *txtCosto, *txtNumRicevuta, *txtAnno;
    DataOpzionale *dtpDataStipulazione, *dtpDataScadenza, *dtpUltimaCombustione;
    QComboBox* cmbMese;
    QPushButton* cmdAggiorna;
    LegameCampi legame; // the appliance's columns the panel writes (the month aside)
    // Manutenzioni associate al prodotto
    Griglia* grigliaManutenzioni;
    QPushButton *cmdAggiungiMan, *cmdRimuoviMan;
    // The call
    QPlainTextEdit* txtNote;
    QPushButton* cmdChiudi;
};

// "Scheda Rientro Tecnico": what the technician found and did at a call, per appliance of the
// call (defects, activities with their materials, maintenances, the appliance's subscription
// and planned maintenance) and a note for the whole call. Rows are written as they are added;
// the appliance panel and the note are written by their buttons and by the confirmation.
//
// Opening, from the call card: set nID (before the window loads) and dataIntervento
// (dd/MM/yyyy), cmbStatoChiamata and bSvoltoChiamata; predisponi() (false: do not show); the selector's bound value
// to the card's appliance row; aggiornaProdottoSelezionato(); show modally. When the
// confirmation marks the intervention "ESEGUITO" it sets the card's state list to that entry
// and its bSvolto to true.
class schRientroTecnico : public FinestraCon<ControlliRientro> {
public:
    QString dataIntervento; // the date a new maintenance gets
    qint64 nID = 0;         // the call
    bool bGiaAggiornato = true; // the appliance panel holds no unsaved change
    QPointer<QComboBox> cmbStatoChiamata; // the call card's state list (entry 1 "ESEGUITO")
    bool* bSvoltoChiamata = nullptr;      // the call card's bSvolto

    void riempiCombo();
    // Code and name joined by the separator (the first filling uses " - ").
    void riempiArea(const QString& separatore = QStringLiteral("-"));
    void riempiDifetti(const QString& separatore = QStringLiteral(" "));
    void riempiTipologiaAttività(const QString& separatore = QStringLiteral(" "));
    void riempiMat();
    // Loads the call's note; false when the call cannot be read (the box has said why).
    bool predisponi();
    // Writes the panel to the appliance it was loaded for; false when refused (already said).
    bool modificaProdotto();
    void aggiornaMan();
    void aggiornaDettProdotto();
    void aggiornaGrigliaDifetti();
    // The activity `corrente` stays (or becomes) the current row; without it, or when it is not
    // listed, the first row.
    void aggiornaGrigliaAttivita(const QVariant& corrente = QVariant());
    void aggiornaGrigliaMateriali();
    // Every panel for the selected appliance, which then holds no unsaved change.
    void aggiornaProdottoSelezionato();

    ControlliRientro& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    QWidget* costruisciDifetti(QWidget* f);
    QWidget* costruisciAttivita(QWidget* f);
    QWidget* costruisciMateriali(QWidget* f);
    QWidget* costruisciAbbonamento(QWidget* f);
    QWidget* costruisciManutenzioneProgrammata(QWidget* f);
    QWidget* costruisciManutenzioni(QWidget* f);
    void legaPannello();

    QVariant prodottoSelezionato();
    // A click on the appliance selector: offers to save the panel; false when a save was refused.
    bool offriSalvataggio();
    void cmbProdotti_Scelta();
    void cmdCliente_Click();
    void cmdChiudi_Click();
    bool tasto(int tasto);

    void cmdAggiungiDifetto_Click();
    void cmdAggiornaNotaDifetto_Click();
    void cmdRimuoviDifetto_Click();
    void cmdAggiungiAttivita_Click();
    void cmdAggiornaNotaAttivita_Click();
    void cmdRimuoviAttivita_Click();
    void cmdAggiungiMateriale_Click();
    void cmdRimuoviMateriale_Click();
    void grigliaDifetti_Riga();
    void grigliaTipologia_Riga();

    // True when the panel was written.
    bool cmdAggiorna_Click();
    void dtpDataStipulazione_Cambio();
    void modificato();

    void cmdAggiungiMan_Click();
    void cmdRimuoviMan_Click();

    bool elencoProdotti = false;   // the selector has been filled
    bool attivitaLette = false;    // the activity grid has been filled
    QVariant prodottoPannello;     // the appliance row the panel was loaded for
    int caricamentoPannello = 0;   // while the panel is filled, its changes are not the operator's
};
