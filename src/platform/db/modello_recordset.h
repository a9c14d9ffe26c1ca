#pragma once
#include "platform/db/recordset.h"
#include <QAbstractTableModel>
#include <functional>

// A grid column: the field it shows, its heading and, when needed, how its value reads.
struct ColonnaGriglia {
    QString campo;
    QString intestazione;
    std::function<QString(const QVariant&)> formato = {};
};

// A table model over a static recordset. The grid's current row and the recordset's
// current row are kept as one by the grid; sorting sorts the recordset itself. A snapshot
// still being read shows its rows as they come (mostraNuoveRighe).
class ModelloRecordset : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloRecordset(QObject* parent = nullptr);

    // Columns empty: every field, headed by its name.
    void imposta(const Recordset& rs, QList<ColonnaGriglia> colonne = {});
    Recordset& recordset() { return rs; }
    const QList<ColonnaGriglia>& colonne() const { return col; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Adds the rows the recordset has shown since; true when there were any.
    bool mostraNuoveRighe();

private:
    Recordset rs;
    QList<ColonnaGriglia> col;
    QVector<int> indici;
    int righe = 0;
};
