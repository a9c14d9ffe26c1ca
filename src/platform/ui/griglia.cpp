#include "platform/ui/griglia.h"
#include <QHeaderView>

Griglia::Griglia(QWidget* parent) : QTableView(parent), modello(new ModelloRecordset(this))
{
    setModel(modello);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& i) {
        Recordset& rs = modello->recordset();
        if (rs.statico() && i.isValid())
            rs.vaiA(i.row());
    });
    connect(modello, &QAbstractItemModel::modelReset, this, [this] {
        sincronizza();
        adattaColonne();
    });
    // Typical contents: the first rows are enough to size a column.
    verticalHeader()->setResizeContentsPrecision(100);
}

void Griglia::showEvent(QShowEvent* e)
{
    QTableView::showEvent(e);
    if (colonneDaAdattare)
        adattaColonne();
}

void Griglia::adattaColonne()
{
    // A grid not shown has no width yet: its columns are sized when it is shown.
    colonneDaAdattare = !isVisible();
    if (colonneDaAdattare)
        return;
    // Each column as wide as its heading and its contents, within half the grid's width.
    const int massima = std::max(100, viewport()->width() / 2);
    for (int i = 0; i < modello->columnCount(); ++i)
        setColumnWidth(i, std::min(massima, std::max(sizeHintForColumn(i), horizontalHeader()->sectionSizeHint(i))));
}

void Griglia::imposta(const Recordset& rs, QList<ColonnaGriglia> colonne)
{
    modello->imposta(rs, std::move(colonne));
}

bool Griglia::haRigaCorrente()
{
    Recordset& rs = modello->recordset();
    return rs.statico() && !rs.eof() && !rs.bof();
}

QVariant Griglia::valore(const QString& campo)
{
    return haRigaCorrente() ? modello->recordset().campo(campo) : QVariant();
}

void Griglia::sincronizza()
{
    Recordset& rs = modello->recordset();
    const int r = rs.posizione();
    QSignalBlocker b(selectionModel());
    if (r >= 0) {
        const QModelIndex i = modello->index(r, 0);
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(i);
    } else {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}
