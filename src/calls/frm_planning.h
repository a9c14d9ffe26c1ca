#pragma once
#include "platform/ui/finestra.h"
#include <QDate>
#include <QString>

class CampoData;
class ComboDati;
class FormaDialogo;
class Griglia;
class GrigliaPlanning;
class QComboBox;
class QLabel;
class QPushButton;

struct ControlliPlanning {
    FormaDialogo* forma;
    // picMenu
    CampoData* dtpData;
    ComboDati* cmbZona;
    QComboBox* cmbGiorniVisualizzati;
    QPushButton *cmdIndietro, *cmdAvanti, *cmdAggiorna, *cmdResetZone, *cmdChiudi;
    QLabel *lblCliente, *lblIndirizzo;
    // picPlanning
    GrigliaPlanning* griglia;
    QLabel* pic;
    // picAppuntamenti
    Griglia* grigliaInterventi;
    QLabel* lblData;
    QPushButton *cmdNuovoAppuntamento, *cmdModificaApp, *cmdEliminaApp, *cmdStampa;
};

// The planner: one row per technician of a zone, one column per day from the chosen date, each
// cell telling whether the technician can be booked that day and how many appointments he has;
// below, the appointments of the selected cell. Books, edits, deletes and prints calls.
//
// The customer search sets cliente, indirizzo, nIDcliente and idZona, calls predisponi and
// shows it modally; the main window just shows it.
class frmPlanning : public FinestraCon<ControlliPlanning> {
public:
    QString cliente;
    QString indirizzo;
    int volte = 0;
    bool bPrimaVolta = false;
    bool bSemaforo = false;
    int idZona = 0;
    bool visualizza = false;
    QString formato;
    int nIDcliente = 0;
    int riga = -1, colonna = -1;
    QDate ultimaData;
    short giorniVisualizzati = 7;

    void predisponi();
    void punta(int colonna, int riga);
    void riempiPlanning();
    void scriviTecnici();
    void costruisciGriglia();
    void riempiCombo();

    ControlliPlanning& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;
    void alloScaricamento() override;

private:
    QWidget* costruisciMenu(QWidget* f);
    QWidget* costruisciAppuntamenti(QWidget* f);
    void primaAttivazione();
    void selezioneCella();
    // Refill and the first technician's first day again.
    void aggiorna();
    // "<" and ">": the start date that many days away.
    void sposta(int giorni);
    void cmbGiorniVisualizzati_Click(int indice);
    void cmbZona_Click();
    void cmdResetZone_Click();
    void cmdNuovoAppuntamento_Click();
    void cmdModificaApp_Click();
    void cmdEliminaApp_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    bool tasto(int tasto);

    int righeTecnici = 0;
    bool mostrata = false;          // shown at least once since it was loaded
    QDate giornoSelezionato;        // the day of lblData
};
