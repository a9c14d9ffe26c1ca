#include "platform/ui/colori_focus.h"
#include <QEvent>

namespace {
class FiltroFocus : public QObject {
public:
    FiltroFocus(QObject* padre, const QColor& normale) : QObject(padre), normale(normale) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            auto* w = static_cast<QWidget*>(o);
            QPalette p = w->palette();
            p.setColor(QPalette::Base, e->type() == QEvent::FocusIn ? coloreFocus : normale);
            w->setPalette(p);
        }
        return false;
    }

private:
    QColor normale;
};
}

void coloraFocus(const QList<QWidget*>& campi, const QColor& normale)
{
    for (QWidget* w : campi) {
        auto* f = new FiltroFocus(w, normale);
        w->installEventFilter(f);
        QPalette p = w->palette();
        p.setColor(QPalette::Base, normale);
        w->setPalette(p);
    }
}

void coloraFocus(std::initializer_list<QWidget*> campi)
{
    coloraFocus(QList<QWidget*>(campi));
}
