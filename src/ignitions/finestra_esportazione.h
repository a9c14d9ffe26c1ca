#pragma once
#include "ignitions/tracciato_accensioni.h"
#include "platform/ui/finestra.h"
#include <functional>

class CampoData;
class FormaDialogo;
class QLabel;
class QPushButton;
class Recordset;

struct ControlliEsportazione {
    FormaDialogo* forma;
    CampoData* dtpDataDa;
    CampoData* dtpDataA;
    QLabel* lblNum;
    QPushButton* cmdEsporta;
    QPushButton* cmdAnnulla;
};

// What the export windows share: the test-date range, the rows counted as they are written,
// "Esporta" and "Annulla". A window says what it selects, what it offers besides the dates
// and which workbooks it writes.
class FinestraEsportazione : public FinestraCon<ControlliEsportazione> {
public:
    ControlliEsportazione& controlli() { return ui(); }

    // True when the choices allow an export; the window that checks nothing says true.
    virtual bool check() { return true; }
    // The selection statement for the chosen dates (and choices).
    virtual QString componiSELECT() = 0;
    // Selects, asks "Verranno esportati nr: ..." and, on Yes, writes the workbooks.
    void recuperaDati();

protected:
    explicit FinestraEsportazione(QString titolo);
    QWidget* costruisci() override;
    // The window's own controls, laid out between the dates and the progress.
    virtual QWidget* costruisciScelte(QWidget*) { return nullptr; }
    // Writes the workbooks of a selection that holds rows.
    virtual void esportaSelezione(Recordset& rs) = 0;
    // One workbook through the export frame, named from the window's dates.
    void esporta(const QString& prefisso, Recordset& rs, std::function<void(const Recordset&, RigaTracciato&)> riga);

private:
    void cmdEsporta_Click();
    QString titolo;
};
