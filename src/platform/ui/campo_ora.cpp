#include "platform/ui/campo_ora.h"

using namespace Qt::StringLiterals;

CampoOra::CampoOra(QWidget* parent) : CampoDigitato({{2, 2}, u':', u"L'ora"_s, u"hh:mm"_s}, parent)
{
    impostaValore(QTime(0, 0));
    connect(this, &CampoDigitato::cambiato, this, [this] { emit timeChanged(time()); });
}

void CampoOra::setTime(const QTime& t)
{
    if (t.isValid())
        impostaValore(t);
}

QVariant CampoOra::interpreta(const QList<int>& n) const
{
    const QTime t(n[0], n[1]);
    return t.isValid() ? QVariant(t) : QVariant();
}

QString CampoOra::testoDi(const QVariant& v) const
{
    return v.toTime().toString(u"HH:mm"_s);
}
