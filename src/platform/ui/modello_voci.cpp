#include "platform/ui/modello_voci.h"

void ModelloVoci::imposta(QVector<QString> t, QVector<QVariant> c)
{
    beginResetModel();
    testi = std::move(t);
    chiavi = std::move(c);
    endResetModel();
}

void ModelloVoci::aggiungi(const QString& testo, const QVariant& chiave)
{
    const int n = int(testi.size());
    beginInsertRows({}, n, n);
    testi.append(testo);
    chiavi.append(chiave);
    endInsertRows();
}

int ModelloVoci::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(testi.size());
}

QVariant ModelloVoci::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= testi.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return testi[index.row()];
    case Qt::UserRole:
        return chiavi[index.row()];
    default:
        return {};
    }
}
