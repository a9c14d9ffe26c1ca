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

    // As wide as its columns at their headings' and typical contents' size; never narrower
    // than its headings, so a layout gives it room for them.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void adattaColonne();
    // What the column needs: its heading's width, and that with its typical contents.
    int intestazione(int colonna) const;
    int voluta(int colonna) const;
    // The frame, the names' column and a vertical scroll bar around the columns.
    int bordi() const;
    ModelloRecordset* modello;
    bool colonneDaAdattare = false;
};
