#include "platform/ui/forma_dialogo.h"
#include <QKeyEvent>

namespace {
bool invio(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return && e->modifiers() == Qt::NoModifier)
           || (e->key() == Qt::Key_Enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
}

void premi(QAbstractButton* pulsante)
{
    if (pulsante && pulsante->isEnabled())
        pulsante->click();
}
} // namespace

FormaDialogo::FormaDialogo(const QString& titolo)
{
    setWindowTitle(titolo);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormaDialogo::impostaPredefinito(QPushButton* pulsante)
{
    predefinito = pulsante;
    pulsante->setDefault(true);
}

void FormaDialogo::setVisible(bool visibile)
{
    // An auto-default button would become the default of a window that has none when shown,
    // and the default of any window while it has the focus.
    if (visibile)
        for (QPushButton* p : findChildren<QPushButton*>())
            if (p->window() == this)
                p->setAutoDefault(false);
    QDialog::setVisible(visibile);
}

void FormaDialogo::keyPressEvent(QKeyEvent* e)
{
    // Here come the keys the focused control left alone: a push button without auto-default
    // leaves Enter to its window.
    if (invio(e)) {
        auto* focale = qobject_cast<QPushButton*>(focusWidget());
        premi(focale ? focale : predefinito.data());
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        premi(annulla);
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
