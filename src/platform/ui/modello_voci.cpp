#include "platform/ui/modello_voci.h"

void ModelloVoci::imposta(QVector<QString> t, QVector<QVariant> c)
{
    beginResetModel();
    testi = std::move(t);
    chiavi = std::move(c);
    lunga = -1;
    for (int i = 0; i < testi.size(); ++i)
        misura(i);
    endResetModel();
}

void ModelloVoci::aggiungi(const QString& testo, const QVariant& chiave)
{
    const int n = int(testi.size());
    beginInsertRows({}, n, n);
    testi.append(testo);
    chiavi.append(chiave);
    misura(n);
    endInsertRows();
}

void ModelloVoci::misura(int riga)
{
    if (lunga < 0 || testi[riga].size() > testi[lunga].size())
        lunga = riga;
}

int ModelloVoci::riga(const QVariant& chiave) const
{
    bool numero = false;
    const qint64 n = chiave.toLongLong(&numero);
    const QString testo = chiave.toString();
    for (int i = 0; i < chiavi.size(); ++i) {
        const QVariant& v = chiavi[i];
        const bool intero = v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int;
        if (intero ? numero && v.toLongLong() == n : v.toString() == testo)
            return i;
    }
    return -1;
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
