#pragma once
#include "platform/ui/campo_digitato.h"
#include <QTime>

// A time typed whole as HH:mm (see CampoDigitato). It starts on 00:00.
class CampoOra : public CampoDigitato {
    Q_OBJECT
public:
    explicit CampoOra(QWidget* parent = nullptr);

    QTime time() const { return valore().toTime(); }
    // An invalid time changes nothing.
    void setTime(const QTime& t);

signals:
    void timeChanged(const QTime& t);

protected:
    QVariant interpreta(const QList<int>& numeri) const override;
    QString testoDi(const QVariant& valore) const override;
};
