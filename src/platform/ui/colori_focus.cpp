#include "platform/ui/colori_focus.h"
#include <QComboBox>
#include <QEvent>

namespace {
// The background of an enabled field; a disabled one keeps the look of a disabled field.
// A list that cannot be edited is drawn as a button, with the button's colour.
void imposta(QWidget* w, const QColor& colore)
{
    const auto* lista = qobject_cast<QComboBox*>(w);
    const QPalette::ColorRole ruolo = lista && !lista->isEditable() ? QPalette::Button : QPalette::Base;
    QPalette p = w->palette();
    p.setColor(QPalette::Active, ruolo, colore);
    p.setColor(QPalette::Inactive, ruolo, colore);
    w->setPalette(p);
}

class FiltroFocus : public QObject {
public:
    FiltroFocus(QObject* padre, const QColor& normale) : QObject(padre), normale(normale) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            auto* w = static_cast<QWidget*>(o);
            imposta(w, e->type() == QEvent::FocusIn ? coloreFocus : normale);
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
        imposta(w, normale);
    }
}

void coloraFocus(std::initializer_list<QWidget*> campi)
{
    coloraFocus(QList<QWidget*>(campi));
}
