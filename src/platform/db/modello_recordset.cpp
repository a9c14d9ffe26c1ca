#include "platform/db/modello_recordset.h"
#include "platform/db/formato_testo.h"

ModelloRecordset::ModelloRecordset(QObject* parent) : QAbstractTableModel(parent) {}

void ModelloRecordset::imposta(const Recordset& r, QList<ColonnaGriglia> colonne)
{
    beginResetModel();
    rs = r;
    if (colonne.isEmpty())
        for (int i = 0; i < rs.numeroCampi(); ++i)
            colonne.append({rs.nomeCampo(i), rs.nomeCampo(i)});
    col = std::move(colonne);
    indici.clear();
    const auto d = rs.dati();
    for (const auto& c : col)
        indici.append(d ? d->indice(c.campo) : -1);
    righe = d ? d->numeroRighe() : 0;
    endResetModel();
}

bool ModelloRecordset::mostraNuoveRighe()
{
    const auto d = rs.dati();
    const int n = d ? d->numeroRighe() : 0;
    if (n <= righe)
        return false;
    beginInsertRows({}, righe, n - 1);
    righe = n;
    endInsertRows();
    return true;
}

int ModelloRecordset::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : righe;
}

int ModelloRecordset::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(col.size());
}

QVariant ModelloRecordset::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= col.size())
        return {};
    const int i = indici[index.column()];
    const auto d = rs.dati();
    if (i < 0 || !d || index.row() >= righe)
        return {};
    const QVariant v = d->valore(index.row(), i);
    // The tooltip shows the whole text of a cell too narrow for it.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const auto& f = col[index.column()].formato;
        return f ? f(v) : testoValore(v);
    }
    if (role == Qt::UserRole)
        return v;
    return {};
}

QVariant ModelloRecordset::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < col.size() ? col[section].intestazione : QVariant();
    return {};
}

void ModelloRecordset::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= col.size() || indici[column] < 0)
        return;
    // Every row first: the sort is of the whole snapshot.
    rs.leggiTutte();
    mostraNuoveRighe();
    beginResetModel();
    rs.ordina(col[column].campo, order == Qt::DescendingOrder);
    endResetModel();
}
