#include "platform/ui/etichetta_valore.h"
#include <QAccessibleWidget>

namespace {
// The caption and the value, as one text read: "CLIENTE: ROSSI MARIO", "INDIRIZZO: VIA PO 1".
QString nome(const QString& didascalia, const QString& valore)
{
    if (didascalia.isEmpty() || valore.isEmpty())
        return didascalia.isEmpty() ? valore : didascalia;
    return didascalia.endsWith(u' ') ? didascalia + valore : didascalia + u' ' + valore;
}

class EtichettaAccessibile : public QAccessibleWidget {
public:
    explicit EtichettaAccessibile(EtichettaValore* e) : QAccessibleWidget(e, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* e = static_cast<const EtichettaValore*>(widget());
        switch (t) {
        case QAccessible::Name:
            return nome(e->didascalia(), e->text());
        case QAccessible::Value:
            return e->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* e = static_cast<const EtichettaValore*>(widget());
        if (e->didascalia().isEmpty() && e->text().isEmpty())
            s.invisible = true;
        return s;
    }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* o)
{
    auto* e = qobject_cast<EtichettaValore*>(o);
    return classe == QLatin1String("EtichettaValore") && e ? new EtichettaAccessibile(e) : nullptr;
}
} // namespace

EtichettaValore::EtichettaValore(const QString& didascalia, QWidget* padre) : QLabel(padre), didascalia_(didascalia)
{
    static bool installata = false;
    if (!installata) {
        installata = true;
        QAccessible::installFactory(fabbrica);
    }
}
