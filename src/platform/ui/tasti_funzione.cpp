#include "platform/ui/tasti_funzione.h"
#include <QApplication>
#include <QKeyEvent>

namespace {
// The control asks for the key itself, as Qt asks before a shortcut.
bool loVuoleIlControllo(QWidget* w, const QKeyEvent* k)
{
    QKeyEvent richiesta(QEvent::ShortcutOverride, k->key(), k->modifiers(), k->text());
    richiesta.ignore();
    QCoreApplication::sendEvent(w, &richiesta);
    return richiesta.isAccepted();
}
} // namespace

FiltroTasti::FiltroTasti(QWidget* f, Momento m, Gestore g) : QObject(f), forma(f), momento(m), gestore(std::move(g))
{
    qApp->installEventFilter(this);
}

bool FiltroTasti::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
        return false;
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || !forma || w->window() != forma)
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->isAutoRepeat() && e->type() == QEvent::KeyRelease)
        return false;
    const int tasto = k->key();
    if (e->type() == QEvent::KeyPress) {
        // Esc that a field uses itself (a typed date it puts back) is not the window's.
        if (tasto == Qt::Key_Escape && loVuoleIlControllo(w, k))
            return false;
        premuti.insert(tasto);
        return momento == Momento::pressione && gestore(tasto, k->modifiers());
    }
    if (!premuti.remove(tasto))
        return false;
    return momento == Momento::rilascio && gestore(tasto, k->modifiers());
}

void filtraTasti(QWidget* forma, FiltroTasti::Momento momento, FiltroTasti::Gestore gestore)
{
    new FiltroTasti(forma, momento, std::move(gestore));
}
