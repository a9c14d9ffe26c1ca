#include "calls/griglia_planning_accessibile.h"
#include "calls/griglia_planning.h"
#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>

namespace {
enum class Tipo { cella, giorno, tecnico };

// Child i of the grid, as Qt numbers a table's children: the headings' row and the names'
// column come first, the corner is 0.
int indiceFiglio(const QTableWidget* g, int riga, int colonna) { return (riga + 1) * (g->columnCount() + 1) + colonna + 1; }

QAccessibleInterface* interfacciaGriglia(GrigliaPlanning* g) { return QAccessible::queryAccessibleInterface(g); }

// A day heading (riga -1), a technician's name (colonna -1) or a cell.
class CellaAccessibile : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellaAccessibile(GrigliaPlanning* g, Tipo tipo, int riga, int colonna) : g(g), tipo(tipo), riga(riga), colonna(colonna) {}

    bool isValid() const override
    {
        return g && riga < g->rowCount() && colonna < g->columnCount() && (tipo == Tipo::giorno || riga >= 0)
               && (tipo == Tipo::tecnico || colonna >= 0);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return g ? g->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return g ? interfacciaGriglia(g) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        const QTableWidgetItem* i = tipo == Tipo::giorno     ? g->horizontalHeaderItem(colonna)
                                    : tipo == Tipo::tecnico ? g->verticalHeaderItem(riga)
                                                             : g->item(riga, colonna);
        if (!i)
            return {};
        // The whole text, also where the column shows it cut short.
        return i->text();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        QRect r;
        QWidget* superficie = g->viewport();
        if (tipo == Tipo::giorno) {
            superficie = g->horizontalHeader();
            r = QRect(g->horizontalHeader()->sectionViewportPosition(colonna), 0, g->columnWidth(colonna),
                      g->horizontalHeader()->height());
        } else if (tipo == Tipo::tecnico) {
            superficie = g->verticalHeader();
            r = QRect(0, g->verticalHeader()->sectionViewportPosition(riga), g->verticalHeader()->width(),
                      g->rowHeight(riga));
        } else {
            r = g->visualRect(g->model()->index(riga, colonna));
        }
        return r.translated(superficie->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        return tipo == Tipo::giorno ? QAccessible::ColumnHeader : tipo == Tipo::tecnico ? QAccessible::RowHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || tipo != Tipo::cella)
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = g->hasFocus() && g->currentRow() == riga && g->currentColumn() == colonna;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface && tipo == Tipo::cella ? static_cast<QAccessibleTableCellInterface*>(this)
                                                                          : nullptr;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        auto* t = parent();
        return t ? QList<QAccessibleInterface*>{t->child(indiceFiglio(g, -1, colonna))} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        auto* t = parent();
        return t ? QList<QAccessibleInterface*>{t->child(indiceFiglio(g, riga, -1))} : QList<QAccessibleInterface*>{};
    }
    int columnIndex() const override { return colonna; }
    int rowIndex() const override { return riga; }
    bool isSelected() const override
    {
        return isValid() && g->selectionModel()->isSelected(g->model()->index(riga, colonna));
    }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<GrigliaPlanning> g;
    Tipo tipo;
    int riga, colonna;
};

class GrigliaAccessibile : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GrigliaAccessibile(GrigliaPlanning* g) : QAccessibleWidget(g, QAccessible::Table) {}
    ~GrigliaAccessibile() override { dimentica(); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return (griglia()->rowCount() + 1) * (griglia()->columnCount() + 1); }

    QAccessibleInterface* child(int i) const override
    {
        const int colonne = griglia()->columnCount() + 1;
        if (i < 0 || i >= childCount())
            return nullptr;
        if (i == 0)
            return QAccessible::queryAccessibleInterface(griglia()->pulsanteAngolo());
        const int riga = i / colonne - 1, colonna = i % colonne - 1;
        return elemento(riga < 0 ? Tipo::giorno : colonna < 0 ? Tipo::tecnico : Tipo::cella, riga, colonna);
    }

    int indexOfChild(const QAccessibleInterface* figlio) const override
    {
        if (!figlio)
            return -1;
        if (figlio->object() && figlio->object() == griglia()->pulsanteAngolo())
            return 0;
        if (const auto* c = dynamic_cast<const CellaAccessibile*>(figlio); c && c->isValid())
            return indiceFiglio(griglia(), c->rowIndex(), c->columnIndex());
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        GrigliaPlanning* g = griglia();
        const QPoint globale(x, y);
        for (int i = 0; i < childCount(); ++i)
            if (i == 0 || i / (g->columnCount() + 1) == 0 || i % (g->columnCount() + 1) == 0)
                if (QAccessibleInterface* c = child(i); c && c->rect().contains(globale))
                    return c;
        const QModelIndex m = g->indexAt(g->viewport()->mapFromGlobal(globale));
        return m.isValid() ? cellAt(m.row(), m.column()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const GrigliaPlanning* g = griglia();
        return g->currentRow() >= 0 && g->currentColumn() >= 0 ? cellAt(g->currentRow(), g->currentColumn()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int riga, int colonna) const override
    {
        return riga >= 0 && colonna >= 0 ? child(indiceFiglio(griglia(), riga, colonna)) : nullptr;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> celle;
        for (const QModelIndex& m : griglia()->selectionModel()->selectedIndexes())
            celle << cellAt(m.row(), m.column());
        return celle;
    }
    QString columnDescription(int colonna) const override
    {
        const QTableWidgetItem* i = griglia()->horizontalHeaderItem(colonna);
        return i ? i->text() : QString();
    }
    QString rowDescription(int riga) const override
    {
        const QTableWidgetItem* i = griglia()->verticalHeaderItem(riga);
        return i ? i->text() : QString();
    }
    int columnCount() const override { return griglia()->columnCount(); }
    int rowCount() const override { return griglia()->rowCount(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { dimentica(); }

private:
    GrigliaPlanning* griglia() const { return static_cast<GrigliaPlanning*>(widget()); }

    QAccessibleInterface* elemento(Tipo tipo, int riga, int colonna) const
    {
        const quint64 chiave = (quint64(quint32(riga + 1)) << 32) | quint32(colonna + 1);
        if (const QAccessible::Id id = elementi.value(chiave))
            return QAccessible::accessibleInterface(id);
        auto* c = new CellaAccessibile(griglia(), tipo, riga, colonna);
        elementi.insert(chiave, QAccessible::registerAccessibleInterface(c));
        return c;
    }

    // The interfaces of the cells go with the rows and columns they stood for.
    void dimentica()
    {
        for (const QAccessible::Id id : std::as_const(elementi))
            QAccessible::deleteAccessibleInterface(id);
        elementi.clear();
    }

    mutable QHash<quint64, QAccessible::Id> elementi;
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* o)
{
    auto* g = qobject_cast<GrigliaPlanning*>(o);
    return classe == QLatin1String("GrigliaPlanning") && g ? new GrigliaAccessibile(g) : nullptr;
}
} // namespace

void rendiAccessibileGrigliaPlanning()
{
    static bool installata = false;
    if (!installata) {
        installata = true;
        QAccessible::installFactory(fabbrica);
    }
}
