#include "calls/griglia_planning.h"
#include "calls/griglia_planning_accessibile.h"
#include <QAbstractButton>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

GrigliaPlanning::GrigliaPlanning(QWidget* padre) : QTableWidget(padre)
{
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setSectionResizeMode(QHeaderView::Fixed);
    }
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    rendiAccessibileGrigliaPlanning();
    if (QAbstractButton* b = pulsanteAngolo())
        b->installEventFilter(this);
}

QAbstractButton* GrigliaPlanning::pulsanteAngolo() const
{
    return findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void GrigliaPlanning::impostaAngolo(const QString& testo)
{
    testoAngolo = testo;
    if (QAbstractButton* b = pulsanteAngolo()) {
        b->setAccessibleName(testo);
        b->update();
    }
    // The names' column is at least as wide as the caption above it.
    verticalHeader()->setMinimumWidth(testo.isEmpty() ? 0 : fontMetrics().horizontalAdvance(testo) + 16);
}

bool GrigliaPlanning::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::Paint || o != pulsanteAngolo())
        return QTableWidget::eventFilter(o, e);
    // The corner drawn as a heading with its caption.
    auto* b = static_cast<QWidget*>(o);
    QStyleOptionHeader opt;
    opt.initFrom(b);
    opt.rect = b->rect();
    opt.position = QStyleOptionHeader::OnlyOneSection;
    opt.text = testoAngolo;
    opt.textAlignment = Qt::AlignCenter;
    QPainter p(b);
    b->style()->drawControl(QStyle::CE_Header, &opt, &p, b);
    return true;
}

void GrigliaPlanning::impostaGiorno(int colonna, const QString& intestazione, bool inizioMese)
{
    auto* i = new QTableWidgetItem(intestazione);
    if (inizioMese) {
        QFont grassetto = font();
        grassetto.setBold(true);
        i->setFont(grassetto);
        iniziMese.insert(colonna);
    } else {
        iniziMese.remove(colonna);
    }
    setHorizontalHeaderItem(colonna, i);
}

void GrigliaPlanning::paintEvent(QPaintEvent* e)
{
    QTableWidget::paintEvent(e);
    QPainter p(viewport());
    for (int c : std::as_const(iniziMese))
        if (c < columnCount())
            p.fillRect(columnViewportPosition(c), 0, 2, viewport()->height(), palette().color(QPalette::WindowText));
}

void GrigliaPlanning::adattaCelle()
{
    const int colonne = columnCount(), righe = rowCount();
    if (colonne <= 0 || righe <= 0)
        return;
    const QFontMetrics fm = fontMetrics();
    const int minimaColonna = fm.horizontalAdvance(QStringLiteral("S:99")) + 12;
    const int minimaRiga = 2 * fm.lineSpacing() + 4;
    QList<int> minime(colonne);
    for (int i = 0; i < colonne; ++i)
        minime[i] = std::max(minimaColonna, horizontalHeader()->sectionSizeHint(i));
    // Rows that do not fit the height scroll, and their scroll bar takes its width.
    verticalHeader()->setMaximumWidth(QWIDGETSIZE_MAX);
    updateGeometries();
    const int barra = righe * minimaRiga > maximumViewportSize().height() ? verticalScrollBar()->sizeHint().width() : 0;
    int settimana = 0;
    for (int i = 0; i < std::min(colonne, 7); ++i)
        settimana += minime[i];
    const int nomi = verticalHeader()->sizeHint().width();
    const int spazio = maximumViewportSize().width() + verticalHeader()->width() - barra;
    verticalHeader()->setMaximumWidth(std::max(verticalHeader()->minimumWidth(), std::min(nomi, spazio - settimana)));
    updateGeometries();
    // The viewport without scroll bars; a row of days wider than that scrolls sideways.
    QSize area = maximumViewportSize();
    area.rwidth() -= barra;
    // The columns whose minimum exceeds an equal share keep it; the others share what is left.
    QList<bool> alMinimo(colonne, false);
    int libera = area.width(), libere = colonne;
    for (bool cambiato = true; cambiato && libere > 0;) {
        cambiato = false;
        for (int i = 0; i < colonne; ++i)
            if (!alMinimo[i] && minime[i] > libera / libere) {
                alMinimo[i] = true;
                libera -= minime[i];
                --libere;
                cambiato = true;
            }
    }
    int larghezza = 0;
    for (int i = 0; i < colonne; ++i) {
        setColumnWidth(i, alMinimo[i] ? minime[i] : libera / libere);
        larghezza += columnWidth(i);
    }
    if (larghezza > area.width())
        area.rheight() -= horizontalScrollBar()->sizeHint().height();
    for (int i = 0; i < righe; ++i)
        setRowHeight(i, std::max(minimaRiga, area.height() / righe));
}

void GrigliaPlanning::resizeEvent(QResizeEvent* e)
{
    QTableWidget::resizeEvent(e);
    adattaCelle();
}
