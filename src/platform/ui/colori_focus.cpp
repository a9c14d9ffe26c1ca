#include "platform/ui/colori_focus.h"
#include <QEvent>

namespace {
class FiltroFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            auto* w = static_cast<QWidget*>(o);
            QPalette p = w->palette();
            p.setColor(QPalette::Base, e->type() == QEvent::FocusIn ? coloreFocus : coloreNormale);
            w->setPalette(p);
        }
        return false;
    }
};
}

void coloraFocus(const QList<QWidget*>& campi)
{
    for (QWidget* w : campi) {
        auto* f = new FiltroFocus(w);
        w->installEventFilter(f);
        QPalette p = w->palette();
        p.setColor(QPalette::Base, coloreNormale);
        w->setPalette(p);
    }
}

void coloraFocus(std::initializer_list<QWidget*> campi)
{
    coloraFocus(QList<QWidget*>(campi));
}
