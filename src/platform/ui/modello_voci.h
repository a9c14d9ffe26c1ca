#pragma once
#include <QAbstractListModel>
#include <QVector>

// The entries of a data combo: a text shown and a key (Qt::UserRole) each, filled in one go.
class ModelloVoci : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void imposta(QVector<QString> testi, QVector<QVariant> chiavi);
    void aggiungi(const QString& testo, const QVariant& chiave);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QVector<QString> testi;
    QVector<QVariant> chiavi;
};
