#include "platform/ui/griglia.h"
#include "platform/ui/intestazione_righe.h"
#include "platform/ui/lettura_progressiva.h"
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <functional>

Griglia::Griglia(QWidget* parent)
    : QTableView(parent), modello(new ModelloRecordset(this)), lettura(new LetturaProgressiva(modello))
{
    setVerticalHeader(new IntestazioneRighe(this));
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
        intestazioni.clear();
        sincronizza();
        contenutiCambiati();
    });
    connect(modello, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int prima) {
        if (misurabile(prima))
            contenutiCambiati();
    });
    connect(lettura, &LetturaProgressiva::finita, this, &Griglia::letturaFinita);
    connect(lettura, &LetturaProgressiva::fallita, this, &Griglia::letturaFallita);
    // Typical contents: the first rows are enough to size a column (the precision of the
    // columns' sizes is the horizontal header's).
    horizontalHeader()->setResizeContentsPrecision(100);
}

void Griglia::showEvent(QShowEvent* e)
{
    QTableView::showEvent(e);
    if (colonneDaAdattare)
        adattaColonne();
}

void Griglia::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        intestazioni.clear();
        volute.clear();
    }
    QTableView::changeEvent(e);
}

// What the grid asks its layout for changes with the rows it is measured from (and its font
// and style) alone: only then is the layout asked to make room again, so that fitting the
// columns to a new size never starts another round of layouts.
void Griglia::contenutiCambiati()
{
    volute.clear();
    updateGeometry();
    adattaColonne();
}

void Griglia::resizeEvent(QResizeEvent* e)
{
    QTableView::resizeEvent(e);
    adattaColonne();
}

namespace {
// A column's measure, kept until the measures are cleared (-1: not taken yet).
int misuraTenuta(QVector<int>& misure, int colonne, int colonna, const std::function<int()>& misura)
{
    if (misure.size() != colonne)
        misure.fill(-1, colonne);
    int& m = misure[colonna];
    if (m < 0)
        m = misura();
    return m;
}
} // namespace

int Griglia::intestazione(int colonna) const
{
    return misuraTenuta(intestazioni, modello->columnCount(), colonna,
                        [&] { return horizontalHeader()->sectionSizeHint(colonna); });
}

// Qt measures a column from the rows shown and, the precision not reached, the rows around
// them: never from a row this far past the last one shown.
bool Griglia::misurabile(int riga) const
{
    const int ultima = rowAt(viewport()->height());
    return ultima < 0 || riga <= ultima + horizontalHeader()->resizeContentsPrecision();
}

// Measured once for the rows shown, the layout asking again and again.
int Griglia::voluta(int colonna) const
{
    return misuraTenuta(volute, modello->columnCount(), colonna,
                        [&] { return std::max(intestazione(colonna), sizeHintForColumn(colonna)); });
}

int Griglia::bordi() const
{
    return 2 * frameWidth() + (verticalHeader()->isHidden() ? 0 : verticalHeader()->width())
           + verticalScrollBar()->sizeHint().width();
}

QSize Griglia::sizeHint() const
{
    int larghezza = bordi();
    for (int i = 0; i < modello->columnCount(); ++i)
        larghezza += voluta(i);
    return {std::max(larghezza, QTableView::sizeHint().width()), QTableView::sizeHint().height()};
}

QSize Griglia::minimumSizeHint() const
{
    int larghezza = bordi();
    for (int i = 0; i < modello->columnCount(); ++i)
        larghezza += intestazione(i);
    const QSize base = QTableView::minimumSizeHint();
    return {std::max(larghezza, base.width()), base.height()};
}

void Griglia::adattaColonne()
{
    // A grid not shown has no width yet: its columns are sized when it is shown.
    colonneDaAdattare = !isVisible();
    if (colonneDaAdattare)
        return;
    // Every column at its heading and typical contents when they fit; otherwise each keeps its
    // heading, and its short texts (a date, a code, a place) when they all fit too, and the
    // room left goes to the longer contents, the columns that ask least served first, so one
    // long text cannot push the others out; a text longer than its column is cut short (whole
    // in its tooltip). Only headings wider than the grid scroll.
    const int n = modello->columnCount();
    const int breve = 16 * fontMetrics().averageCharWidth();
    QList<int> colonne(n), minime(n), oltre(n);
    int spazio = viewport()->width(), brevi = 0;
    for (int i = 0; i < n; ++i) {
        colonne[i] = i;
        minime[i] = intestazione(i);
        oltre[i] = voluta(i) - minime[i];
        spazio -= minime[i];
        if (oltre[i] > 0 && voluta(i) <= breve)
            brevi += oltre[i];
    }
    int resto = spazio;
    if (brevi <= spazio)
        for (int i = 0; i < n; ++i)
            if (oltre[i] > 0 && voluta(i) <= breve) {
                minime[i] += oltre[i];
                oltre[i] = 0;
                resto -= minime[i] - intestazione(i);
            }
    std::sort(colonne.begin(), colonne.end(), [&](int a, int b) { return oltre[a] < oltre[b]; });
    for (int k = 0; k < n; ++k) {
        const int i = colonne[k];
        const int aggiunta = std::clamp(resto / (n - k), 0, oltre[i]);
        setColumnWidth(i, minime[i] + aggiunta);
        resto -= aggiunta;
    }
}

void Griglia::imposta(const Recordset& rs, QList<ColonnaGriglia> colonne)
{
    Recordset r = rs;
    LetturaProgressiva::primaSchermata(r);
    modello->imposta(r, std::move(colonne));
    lettura->avvia();
}

bool Griglia::inLettura() const
{
    return lettura->attiva();
}

void Griglia::completaLettura()
{
    lettura->completa();
}

std::exception_ptr Griglia::erroreLettura() const
{
    return lettura->errore();
}

bool Griglia::haRigaCorrente()
{
    return modello->recordset().posizione() >= 0;
}

QVariant Griglia::valore(const QString& campo)
{
    return haRigaCorrente() ? modello->recordset().campo(campo) : QVariant();
}

void Griglia::sincronizza()
{
    modello->mostraNuoveRighe();
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
