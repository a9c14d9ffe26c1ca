#pragma once
#include "ignitions/righe_scartate.h"
#include "platform/ui/finestra.h"

class ComboDati;
class FormaDialogo;
class Griglia;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Recordset;

struct ControlliImportaAccensioni {
    FormaDialogo* forma;
    ComboDati* cmbCAT;
    QLineEdit* txtNomeFile;
    QPushButton* cmdSfoglia;
    QPushButton* cmdImporta;
    QPushButton* cmdChiudi;
    QLabel* lblNum;
    QTabWidget* SSTab1;
    Griglia* griglia;
    Griglia* grigliaDoppia;
    QPushButton* cmdArchivio;
};

// Imports a centre's workbook of first ignitions as one run: each row goes to the archive, or
// to the duplicates when its serial is already archived. Also shows a past run for review.
class frmImportaAccensioniCAT : public FinestraCon<ControlliImportaAccensioni> {
public:
    long nID = 0;    // the run predisponi shows
    long codCAT = 0; // that run's centre

    ControlliImportaAccensioni& controlli() { return ui(); }
    // Shows run nID of centre codCAT; no import can start from it.
    void predisponi();
    // One import run; false when the workbook cannot be opened.
    bool importa();
    void riempiCAT();
    bool check();
    void aggiornaMatricole(long run);
    void aggiornaMatricoleDoppie(long run);

protected:
    QWidget* costruisci() override;
    void alCaricamento() override { riempiCAT(); }
    // While a run writes its rows the window stays open.
    bool chiusuraRichiesta() override { return !inCorso; }

private:
    struct EsitoRighe {
        int doppie = 0;
        RigheScartate scartate;
    };
    // The rows of the workbook into the archive, with the run's outcome.
    EsitoRighe importaRighe(long run, long cat);
    void abilita(bool abilitati);
    void cmdSfoglia_Click();
    // False, after saying so, when the grid has no rows or no current row.
    static bool rigaScelta(Griglia* g, const QString& nessunaRiga);
    void dettaglioRiga();
    void dettaglioDoppia();
    void cmdArchivio_Click();
    static void mostraDettaglio(const Recordset& rs, const QString& titolo);
    bool inCorso = false;
};
