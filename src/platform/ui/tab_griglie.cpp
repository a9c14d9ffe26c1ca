#include "platform/ui/tab_griglie.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {
class FiltroTabGriglie : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab)
            || (k->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
            return false;
        auto* vista = qobject_cast<QAbstractItemView*>(o);
        // A drop-down's list is left alone: it is a popup of its own.
        if (!vista || vista->window()->windowType() == Qt::Popup)
            return false;
        vista->setTabKeyNavigation(false);
        if (!(k->modifiers() & Qt::ControlModifier))
            return false;
        // Ctrl+Tab moves on as Tab does (Qt leaves it to the control, which would ignore it).
        QKeyEvent semplice(QEvent::KeyPress, k->key(), k->modifiers() & Qt::ShiftModifier);
        QCoreApplication::sendEvent(vista, &semplice);
        return true;
    }
};
} // namespace

void tabEsceDalleGriglie()
{
    static QPointer<QObject> filtro;
    if (filtro)
        return;
    filtro = new FiltroTabGriglie(qApp);
    qApp->installEventFilter(filtro);
}
