#pragma once
#include "platform/db/modello_recordset.h"
#include <QTableView>
#include <exception>

class LetturaProgressiva;

// A read-only grid over a static recordset; its current row is the recordset's current row.
// A snapshot still being read (Connessione::apriInLettura) shows its first screen at once and
// is read on to its end by itself, without waiting on the operator.
class Griglia : public QTableView {
    Q_OBJECT
public:
    explicit Griglia(QWidget* parent = nullptr);

    // A failure reading the first screen leaves the grid as it was.
    void imposta(const Recordset& rs, QList<ColonnaGriglia> colonne = {});
    bool inLettura() const;
    // What needs the whole result waits for it: reads the rest now.
    void completaLettura();
    // Why the reading stopped short, after letturaFallita().
    std::exception_ptr erroreLettura() const;
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

signals:
    void letturaFinita();
    void letturaFallita();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void contenutiCambiati();
    void adattaColonne();
    // What the column needs: its heading's width, and that with its typical contents.
    int intestazione(int colonna) const;
    int voluta(int colonna) const;
    bool misurabile(int riga) const;
    // The frame, the names' column and a vertical scroll bar around the columns.
    int bordi() const;
    ModelloRecordset* modello;
    LetturaProgressiva* lettura;
    // Each column's heading and voluta as measured: the headings until the columns, the font or
    // the style change, the contents until the rows measured change too.
    mutable QVector<int> intestazioni, volute;
    bool colonneDaAdattare = false;
};
