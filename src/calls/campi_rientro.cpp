#include "calls/campi_rientro.h"
#include <QEvent>
#include <QKeyEvent>

namespace {
class FiltroCanc : public QObject {
public:
    FiltroCanc(QObject* padre, std::function<void()> f) : QObject(padre), f(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Delete)
            return false;
        f();
        return true;
    }

private:
    std::function<void()> f;
};
} // namespace

void alTastoCanc(QWidget* controllo, std::function<void()> f)
{
    controllo->installEventFilter(new FiltroCanc(controllo, std::move(f)));
}
