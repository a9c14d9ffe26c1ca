#pragma once
#include "ignitions/finestra_esportazione.h"
#include <QPointer>

class QListWidget;
class QRadioButton;

// Exports the centre's own first ignitions of the chosen brands and test dates into the
// complete workbook and, with "RUR - DUZ", into the DUZ workbook after it.
class schExPrimeAccensioni : public FinestraEsportazione {
public:
    schExPrimeAccensioni();

    QListWidget* lstElencoMarche();
    QRadioButton* optCompleta();
    QRadioButton* optRUR();

    void riempiMarche();
    bool check() override; // at least one brand chosen
    QString componiSELECT() override;
    void esportaExcelCompleta(Recordset& rs);
    void esportaExcelDUZ(Recordset& rs);

protected:
    QWidget* costruisciScelte(QWidget* forma) override;
    void alCaricamento() override;
    void esportaSelezione(Recordset& rs) override;

private:
    QPointer<QListWidget> marche;
    QPointer<QRadioButton> completa;
    QPointer<QRadioButton> rur;
};
