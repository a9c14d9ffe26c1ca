#pragma once
#include <QAbstractListModel>
#include <QVector>

// The entries of a data combo: a text shown and a key (Qt::UserRole) each, filled in one go.
class ModelloVoci : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void imposta(QVector<QString> testi, QVector<QVariant> chiavi);
    void aggiungi(const QString& testo, const QVariant& chiave);

    // The row of the first entry with that key (a number, or a text as a number is written),
    // -1 when none.
    int riga(const QVariant& chiave) const;
    // The row of the entry with the most characters, -1 when there are none.
    int piuLunga() const { return lunga; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void misura(int riga);
    QVector<QString> testi;
    QVector<QVariant> chiavi;
    int lunga = -1;
};
