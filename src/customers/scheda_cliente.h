#pragma once
#include "common/versione_riga.h"
#include "platform/ui/finestra.h"
#include "registers/modello/legame_campi.h"
#include <QString>

class ComboDati;
class FormaDialogo;
class Griglia;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

struct ControlliCliente {
    FormaDialogo* forma;
    // ANAGRAFICA CLIENTE
    QLineEdit *txtCognome, *txtNome, *txtRagione, *txtIndirizzo, *txtIndirizzo2, *txtCap, *txtCitta, *txtProvincia,
        *txtNaz, *txtCondFraz;
    QPlainTextEdit* txtNote;
    QLineEdit *txtGruppo, *txtCodGas;
    ComboDati* cmbZona;
    QPushButton* cmdNuovaZona;
    QCheckBox* chkContatto;
    QPushButton* txtNotePagamento;
    QPushButton* cmdNoteUlteriori;
    // CONTATTI
    QLineEdit *txtTelCasa, *txtTelCellulare, *txtAltro;
    // CATEGORIA CLIENTE
    QRadioButton *optGruppo, *optProprietario, *optInquilino;
    ComboDati* cmbTipoCliente;
    ComboDati* cmbAppartenenza;
    QLabel* lblTipo;
    // PRODOTTI INSTALLATI
    Griglia* grigliaProdotti;
    QPushButton *cmdAggiungi, *cmdModifica, *cmdRimuovi;
    QPushButton *cmdConferma, *cmdAnnulla;
    // The fields written to the row, each bound to its column.
    LegameCampi legame;
};

// The customer card: a new customer or the edit of one, with the appliances installed at
// the customer's address, which are stored at once by their own card.
//
// New customer: nModalità = 0, predisponi (false: no number could be drawn, do not show),
// modal show, then bConferma and nIDcliente. Edit: carica, nModalità = 1,
// ripristinaCliente(id) (false: not found, do not show), modal show, then bConferma.
class schCliente : public FinestraCon<ControlliCliente> {
public:
    int nModalità = 0;
    bool bConferma = false;
    long nIDcliente = 0;
    QString cNoteUlteriori;
    QString cNotePagamento;
    long nCodAppartenenza = 0;
    long nCodTipoCliente = 0;
    long nCodZona = 0;
    long nTipoGruppo = 0;

    bool ripristinaCliente(long id);
    void aggiornaProdotti();
    void riempiCombo();
    void riempiTipoCli();
    void riempiZona();
    bool check();
    bool inserisciCliente();
    bool modificaCliente();
    bool predisponi();
    long incCliente();
    void riempiGruppo();

    ControlliCliente& controlli() { return ui(); }

protected:
    QWidget* costruisci() override;
    void alCaricamento() override;

private:
    void costruisciAnagrafica(QWidget* f);
    void costruisciCategoria(QWidget* f);
    void costruisciProdotti(QWidget* f);
    void lega();
    void cmdConferma_Click();
    void cmdAnnulla_Click();
    void cmdNuovaZona_Click();
    void cmdAggiungi_Click();
    void cmdModifica_Click();
    void cmdRimuovi_Click();
    void note_Click(QString& testo);
    void coloraNote();
    void mostraTipoAppartenenza();
    bool tasto(int tasto);
    QVariantList valoriMembri() const;

    VersioneRiga versione;           // the row as loaded, against changes by another workstation
    bool grigliaLegata = false;      // the appliance grid has a recordset
    bool prodottiModificati = false; // an appliance was stored or deleted during this opening
};
