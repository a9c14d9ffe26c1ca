#include "platform/ui/tasti_funzione.h"
#include <QApplication>
#include <QKeyEvent>

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
