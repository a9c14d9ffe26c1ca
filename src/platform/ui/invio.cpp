#include "platform/ui/invio.h"
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

bool tastoInvio(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return && e->modifiers() == Qt::NoModifier)
           || (e->key() == Qt::Key_Enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
}

QAbstractButton* pulsanteConFocus(const QWidget* finestra)
{
    QWidget* w = finestra->focusWidget();
    if (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w))
        return static_cast<QAbstractButton*>(w);
    return nullptr;
}

void premi(QAbstractButton* pulsante)
{
    if (pulsante && pulsante->isEnabled())
        pulsante->click();
}

namespace {
// Sees the Enter a focused button left to its window.
class InvioSulPulsante : public QObject {
public:
    explicit InvioSulPulsante(QWidget* finestra) : QObject(finestra), finestra(finestra) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || !tastoInvio(static_cast<QKeyEvent*>(e)))
            return false;
        QAbstractButton* b = pulsanteConFocus(finestra);
        premi(b);
        return b != nullptr;
    }

private:
    QWidget* finestra;
};
} // namespace

void invioPremeIlPulsante(QWidget* finestra)
{
    finestra->installEventFilter(new InvioSulPulsante(finestra));
}
