#include "platform/report/testo_a_capo.h"
#include <QFontMetricsF>
#include <QPainter>

QTextOption testoACapo(Qt::Alignment allineamento)
{
    QTextOption o(allineamento);
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return o;
}

double altezzaACapo(QPainter& p, double larghezza, const QString& testo)
{
    if (testo.isEmpty())
        return QFontMetricsF(p.font(), p.device()).height();
    return p.boundingRect(QRectF(0, 0, larghezza, 1e9), testo, testoACapo(Qt::AlignLeft | Qt::AlignTop)).height();
}
