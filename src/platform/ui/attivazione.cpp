#include "platform/ui/attivazione.h"
#include <QEvent>

namespace {
class Attivazione : public QObject {
public:
    Attivazione(QObject* padre, std::function<void()> f) : QObject(padre), f(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate)
            f();
        return false;
    }

private:
    std::function<void()> f;
};
} // namespace

void alAttivarsi(QWidget* finestra, std::function<void()> f)
{
    finestra->installEventFilter(new Attivazione(finestra, std::move(f)));
}
