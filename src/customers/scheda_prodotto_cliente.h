#pragma once
#include "common/versione_riga.h"
#include "customers/dati_accensione.h"
#include "platform/db/recordset.h"
#include "platform/ui/finestra.h"
#include "registers/modello/legame_campi.h"
#include <functional>

class ComboDati;
class DataOpzionale;
class FormaDialogo;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

struct ControlliProdottoCliente {
    FormaDialogo* forma;
    QPushButton* cmdDatiAccensione;
    // DATI PRODOTTO
    ComboDati* cmbTipoProdotto;
    ComboDati* cmbMarcaProdotto;
    QPushButton* cmdNuovaMarca;
    ComboDati* cmbModello;
    QPushButton* cmdNuovaTipologia;
    ComboDati* cmbPosizione;
    QPushButton* cmdNuovaPosizione;
    ComboDati* cmbTipoGas;
    QPushButton* cmdNuovoTipoGas;
    QLineEdit* txtMatricola1;
    QLineEdit* txtMatricola2;
    QLineEdit* txtCodiceInterno;
    QLineEdit* txtNumLibretto;
    DataOpzionale* dtpDataLibretto;
    QCheckBox* chkFumi;
    QCheckBox* chkAria;
    QLineEdit* txtDimAria;
    QLineEdit* txtCrono;
    // DATI 1° ACCENSIONE
    ComboDati* cmbTecnico;
    QPushButton* cmdNuovoTecnico;
    ComboDati* cmbInstallatore;
    QPushButton* cmdNuovoInstallatore;
    DataOpzionale* dtpDataCollaudo;
    DataOpzionale* dtpDataInserimento;
    DataOpzionale* dtpUltimaCombustione;
    QLineEdit* txtNoteColli;
    QLineEdit* txtNumRf;
    QCheckBox* chkDichConf;
    // MANUTENZIONE PROGRAMMATA
    QComboBox* cmbMese;
    QLineEdit* txtAnno;
    // ABBONAMENTO
    ComboDati* cmbTipoAbbonamento;
    QPushButton* cmdNuovoAbbonamento;
    QLineEdit* txtCosto;
    QLineEdit* txtNumRicevuta;
    DataOpzionale* dtpDataStipulazione;
    DataOpzionale* dtpDataScadenza;

    QPushButton* cmConferma;
    QPushButton* cmdAnnulla;
    LegameCampi legame; // the columns of the row that controls hold
};

// One appliance installed at a customer's address, added (nModalità 0) or modified (1).
// The opener sets nModalità, loads the card, sets nIDcliente and bClienteNuovo (and nIdProdotto, then calls
// ripristinaProdotto, showing nothing when it fails), shows it modally and reads bConferma.
class schProdottoCliente : public FinestraCon<ControlliProdottoCliente>, public DatiPrimaAccensione {
public:
    bool bConferma = false; // True only after a confirmed write; kept between openings
    int nModalità = 0;      // read while loading: 0 lists enabled technicians only
    long nIDcliente = 0;
    // The customer is a new card's, not stored yet: a new appliance does not need its row.
    bool bClienteNuovo = false;
    long nIdProdotto = 0;
    QString strMatricola; // the serial as loaded: what the duplicate check compares against

    void riempiCombo();
    void riempiTipoProdotti();
    void riempiMarche();
    void riempiModelli();
    void riempiPosizioni();
    void riempiTecniciAbilitati();
    void riempiTecniciDisabilitati(); // every technician, disabled ones too
    void riempiInstallatori();
    void riempiAbbonamenti();
    void riempiTipogas();

    // The row's operations: each true when it went through (a failure has been shown).
    bool inserisciProdotto();
    bool ripristinaProdotto(); // row nIdProdotto; when it cannot be loaded, says so and closes
    bool modificaProdotto();

    bool check();
    // True when another appliance already carries the serial (an empty one is never looked up).
    bool chkMatricola(const QString& matricola);

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    void collega();
    void legaColonne();
    QVariantList valoriRiga();
    void riempiDa(ComboDati* combo, const std::function<Recordset()>& elenco, const QString& mostrato,
                  const QString& legato);
    void elenca(ComboDati* combo, const Recordset& rs, const QString& mostrato, const QString& legato);
    void elencaModelli(const QVariant& marca);
    void cambioTipo();
    void cambioMarca();
    void cancellaMarca();
    template <class Scheda>
    void aggiuntaDa(QPushButton* pulsante, ComboDati* combo, void (schProdottoCliente::*riempi)());
    void nuovoModello();
    void datiAccensione();
    void proponiScadenza();
    bool valido(const QString& colonna);
    void conferma();
    void annulla();

    bool caricato = false;   // the row nIdProdotto was loaded whole: only then may it be updated
    VersioneRiga versione;   // that row as loaded, against changes by another workstation
    bool riempiendo = false; // a list is being refilled: its choice changes are not the operator's
    bool controllando = false; // a number box's message is up
};
