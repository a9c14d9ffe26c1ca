#pragma once
#include "platform/ui/finestra.h"
#include <QMap>

class FormaDialogo;
class QLabel;
class QPushButton;
class Recordset;

struct ControlliDettagliRiga {
    FormaDialogo* forma;
    QMap<QString, QLabel*> valori; // the value labels by name (lblCognome, lblDataImp, ...)
    QPushButton* cmdChiudi;
};

// One imported first ignition, read only: an archived row or a duplicate, with its run's date.
class schDettagliRiga : public FinestraCon<ControlliDettagliRiga> {
public:
    QString titolo; // the caption predisponi gives the card

    // Fills the labels from the row the recordset stands on, then takes titolo as caption.
    void predisponi(const Recordset& record);
    QLabel* etichetta(const QString& nome) { return ui().valori.value(nome); }

protected:
    QWidget* costruisci() override;
};
