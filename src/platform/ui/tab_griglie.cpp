#include "platform/ui/tab_griglie.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTabWidget>

namespace {
// The tab control whose pages the focused control belongs to, else the window's only one.
QTabWidget* schedeDellaFinestra(QWidget* w)
{
    for (QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
        if (auto* t = qobject_cast<QTabWidget*>(p))
            return t;
    QList<QTabWidget*> schede;
    for (QTabWidget* t : w->window()->findChildren<QTabWidget*>())
        if (t->window() == w->window())
            schede << t;
    return schede.size() == 1 ? schede.first() : nullptr;
}

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
        auto* w = qobject_cast<QWidget*>(o);
        // A drop-down's list is left alone: it is a popup of its own.
        if (!w || w->window()->windowType() == Qt::Popup)
            return false;
        auto* vista = qobject_cast<QAbstractItemView*>(o);
        if (vista)
            vista->setTabKeyNavigation(false);
        if (!(k->modifiers() & Qt::ControlModifier))
            return false;
        // Ctrl+Tab turns the page: the tab control does it when the key reaches it.
        if (QTabWidget* schede = schedeDellaFinestra(w); schede && schede != o) {
            QKeyEvent pagina(QEvent::KeyPress, k->key(), k->modifiers());
            QCoreApplication::sendEvent(schede, &pagina);
            return true;
        }
        if (!vista)
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
