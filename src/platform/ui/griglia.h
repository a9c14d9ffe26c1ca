#pragma once
#include "platform/db/modello_recordset.h"
#include <QTableView>

// A read-only grid over a static recordset; its current row is the recordset's current row.
class Griglia : public QTableView {
    Q_OBJECT
public:
    explicit Griglia(QWidget* parent = nullptr);

    void imposta(const Recordset& rs, QList<ColonnaGriglia> colonne = {});
    Recordset& recordset() { return modello->recordset(); }
    // The current row's field, Null with no current row.
    QVariant valore(const QString& campo);
    bool haRigaCorrente();
    // Shows as current the recordset's current row (after a seek on it).
    void sincronizza();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void adattaColonne();
    ModelloRecordset* modello;
    bool colonneDaAdattare = false;
};
