#include "platform/ui/forma_dialogo.h"
#include "platform/ui/dimensioni_form.h"
#include "platform/ui/invio.h"
#include "platform/ui/tab_griglie.h"
#include "platform/ui/utilita_form.h"
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
// The scroll area around the content of a window larger than the screen: it asks for the
// content's whole size (Qt's own would ask for a small part of it).
class AreaScorrimento : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        return widget()->sizeHint().expandedTo(widget()->minimumSizeHint())
               + QSize(verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height());
    }
};

// A window whose content cannot shrink to the screen (large fonts, a scaled display) scrolls:
// its content moves, layout and controls, into a scroll area that fills the window.
void scorriSeNonEntra(QDialog* finestra)
{
    const QScreen* s = finestra->screen();
    QLayout* l = finestra->layout();
    if (!s || !l)
        return;
    rimisura(finestra);
    const QSize spazio = s->availableGeometry().size() - cornice();
    const QSize minima = finestra->minimumSizeHint().expandedTo(finestra->minimumSize());
    if (minima.width() <= spazio.width() && minima.height() <= spazio.height())
        return;
    auto* contenuto = new QWidget;
    contenuto->setLayout(l);
    auto* area = new AreaScorrimento(finestra);
    area->setObjectName(QStringLiteral("scorrimento"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(contenuto);
    auto* tutto = new QVBoxLayout(finestra);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->addWidget(area);
}
} // namespace

FormaDialogo::FormaDialogo(const QString& titolo)
{
    setWindowTitle(titolo);
    setAttribute(Qt::WA_DeleteOnClose, false);
    tabEsceDalleGriglie();
}

void FormaDialogo::impostaPredefinito(QPushButton* pulsante)
{
    predefinito = pulsante;
    pulsante->setDefault(true);
}

void FormaDialogo::impostaAnnulla(QAbstractButton* pulsante, Esc esc)
{
    annulla = pulsante;
    escPremeAnnulla = esc == Esc::premeAnnulla;
}

void FormaDialogo::setVisible(bool visibile)
{
    if (visibile) {
        // An auto-default button would become the default of a window that has none when shown,
        // and the default of any window while it has the focus.
        for (QPushButton* p : findChildren<QPushButton*>())
            if (p->window() == this)
                p->setAutoDefault(false);
        nominaGriglie(this);
        etichettePrimaDeiControlli(this);
    }
    if (visibile && !dimensionata) {
        dimensionata = true;
        scorriSeNonEntra(this);
        dimensionaForm(this);
    }
    QDialog::setVisible(visibile);
}

void FormaDialogo::keyPressEvent(QKeyEvent* e)
{
    // Here come the keys the focused control left alone: a push button without auto-default
    // and a tool button leave Enter to their window.
    if (tastoInvio(e)) {
        QAbstractButton* focale = pulsanteConFocus(this);
        premi(focale ? focale : predefinito.data());
        e->accept();
        return;
    }
    // Esc never reaches the dialog's own handling, which would hide the window past its handlers.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (escPremeAnnulla)
            premi(annulla);
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
