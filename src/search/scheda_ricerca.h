#pragma once
#include "platform/ui/finestra.h"
#include "search/criteri_ricerca.h"
#include <QString>
#include <functional>
#include <optional>

class ComboDati;
class Recordset;
class DataOpzionale;
class FormaDialogo;
class Griglia;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

struct ControlliRicerca {
    FormaDialogo* forma;
    QTabWidget* TabStrip;
    // Cliente: DATI ANAGRAFICI
    QLineEdit *txtCognome, *txtNome, *txtRagione, *txtIndirizzo, *txtIndirizzo2, *txtCondFraz, *txtNote, *txtTelCasa,
        *txtTelCellulare, *txtAltro, *txtCap, *txtCitta, *txtProvincia, *txtNaz, *txtGruppo, *txtCodGas;
    QCheckBox* chkContatto;
    QRadioButton *optContattoSI, *optContattoNO;
    ComboDati* cmbZona;
    QPushButton *cmdNoteUlteriori, *txtNotePagamento;
    // Cliente: PRODOTTO
    ComboDati *cmbTipoProdotto, *cmbMarcaProdotto, *cmbProdotto;
    QLineEdit* txtMatricola1;
    // Cliente: Categoria Cliente
    QRadioButton *optGruppo, *optProprietario, *optInquilino, *optTutti;
    ComboDati *cmbTipoCliente, *cmbAppartenenza;
    QLabel* lblTipo;
    // Prodotti
    ComboDati *cmbInstallatore, *cmbPosizione, *cmbTipoGas, *cmbTecnico;
    QLineEdit *txtMatricola2, *txtCodiceInterno, *txtNumRf, *txtNoteColli, *txtNumLibretto, *txtDimAria, *txtCrono;
    QCheckBox *chkDichConf, *chkFumi, *chkAria;
    QRadioButton *optDichConfSI, *optDichConfNO, *optFumiSi, *optFumiNo, *optAriaSi, *optAriaNo;
    QCheckBox *chkAbbonamento, *chkNoAbb;
    ComboDati* cmbTipoAbbonamento;
    DataOpzionale *dtpDataStipulazioneDa, *dtpDataStipulazioneA, *dtpDataScadenzaDa, *dtpDataScadenzaA;
    QLineEdit *txtCosto, *txtNumRicevuta;
    QCheckBox *chkManutenzioneProgrammata, *chkNoManutenzione;
    QComboBox *cmbMeseDa, *cmbMeseA;
    QLineEdit *txtAnnoDa, *txtAnnoA;
    QPushButton *cmdResetMeseDa, *cmdResetMeseA;
    QCheckBox *chkDataCollaudo, *chkNoCollaudo, *chkDataInserimento, *chkNoInserimento, *chkDataLibretto,
        *chkNoLibretto, *chkDataUltimaCombustione, *chkNoCombustione, *chkManutenzione, *chkNessunaMan, *chkNotMan;
    DataOpzionale *dtpDataCollaudoDa, *dtpDataCollaudoA, *dtpDataInserimentoDa, *dtpDataInserimentoA,
        *dtpDataLibrettoDa, *dtpDataLibrettoA, *dtpUltimaCombustioneDa, *dtpUltimaCombustioneA, *dtpManDa, *dtpManA;
    // Elenco
    QGroupBox* fraRisultati; // its title is the result grid's caption
    Griglia *griglia, *grigliaProdotti, *grigliaStoricoManutenzioni, *grigliaStoricoChiamate, *grigliaAttivita,
        *grigliaMateriali;
    QFrame* picStampa;
    QProgressBar* ProgressBar1;
    // Commands
    QPushButton *cmdReset, *cmdChiamata, *cmdModChiamata, *cmdNuovo, *cmbModificaCliente, *cmdEliminaCliente,
        *cmdRicerca, *cmdStampa, *cmdChiudi;
};

// The customer search: criteria on the customer and his appliances, the customers found with
// their appliances, maintenances, calls, activities and materials, and the actions on them.
class schRicCliente : public FinestraCon<ControlliRicerca> {
public:
    QString cNoteUlteriori;
    QString cNotePagamento;
    long nCodAppartenenza = 0;
    long nCodTipoCliente = 0;
    long nCodZona = 0;
    long nTipoGruppo = 0;
    QString csqlRic; // the statement of the last search

    // From the main window: brings the window to the front when it is already shown (by the
    // planner), else shows it modally.
    void apri();
    // From the planner: shown without being modal.
    void mostra();

    void riempiCombo();
    void riempiComboProdotti();
    void riempiGruppo();
    bool check();
    void Ricerca();
    void reset();
    void caricaProdotti();
    void caricaManutenzioni();
    void caricaChiamate();
    void caricaAttivita();
    void caricaMateriali();
    // The criteria as the controls hold them.
    CriteriRicerca criteri();

    ControlliRicerca& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;
    void alloScaricamento() override;

private:
    QWidget* costruisciCliente();
    QWidget* costruisciProdotti();
    QWidget* costruisciElenco();
    QWidget* costruisciDate(QWidget* padre);
    QWidget* costruisciAbbonamento(QWidget* padre);
    QWidget* costruisciManutenzione(QWidget* padre);
    void collegaSwitch();
    void collegaElenco();
    bool tasto(int tasto);
    void tabCambiata(int indice);
    void mostraTipoAppartenenza();
    void ricostruisciModelli(bool conMarca, bool conTipo);
    void mostraRisultato(const Recordset& rs);
    void presentaRisultato(const Recordset& rs, const QString& didascaliaConteggio);
    void contaRisultato();
    void svuotaRisultato();
    bool rieseguiCercando(qint64 idCli, std::function<void()> dopo = {});
    // The refreshed result on the customer it was on, once his row is among those shown.
    void ritrovaCliente();
    void didascalia(const QString& testo, int righe);

    void cmdRicerca_Click();
    void cmdNuovo_Click();
    void cmbModificaCliente_Click();
    void cmdEliminaCliente_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();
    void cmdChiamata_Click();
    void cmdModChiamata_Click();
    void aggiornaDopoChiamate();

    bool mostrata = false; // the shown mark: set when the window is activated
    QString didascaliaRisultato = QStringLiteral("RISULTATO DELLA RICERCA = "); // before the count of the result shown
    // A refresh's customer, until his row is shown, and what follows it then.
    std::optional<qint64> clienteCercato;
    std::function<void()> dopoAggiornamento;
};
