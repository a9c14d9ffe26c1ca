#include "platform/report/testo_a_capo.h"
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

QTextOption testoACapo(Qt::Alignment allineamento)
{
    QTextOption o(allineamento);
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return o;
}

namespace {
// The text as drawText lays it out: a line feed ends a line, a carriage return or a tab is a
// space. A text of several length variants (U+009C between them) is left to drawText alone.
bool comeDrawText(QString& testo)
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        switch (testo[i].unicode()) {
        case u'\n':
            testo[i] = QChar::LineSeparator;
            break;
        case u'\r':
        case u'\t':
            testo[i] = u' ';
            break;
        case 0x9c:
            return false;
        }
    }
    return true;
}
}

TestoACapo::TestoACapo(QPainter& p, double larghezza, const QString& testo) : testo(testo)
{
    const QFontMetricsF metrica(p.font(), p.device());
    if (testo.isEmpty()) {
        alto = metrica.height();
        return;
    }
    QString letto = testo;
    if (!comeDrawText(letto)) {
        alto = p.boundingRect(QRectF(0, 0, larghezza, 1e9), testo, testoACapo(Qt::AlignLeft | Qt::AlignTop)).height();
        return;
    }
    righe = std::make_unique<QTextLayout>(letto, p.font(), p.device());
    righe->setTextOption(testoACapo(Qt::AlignLeft));
    righe->setCacheEnabled(true);
    // Each line starts on a whole unit below the one before.
    const double interlinea = metrica.leading();
    alto = -interlinea;
    righe->beginLayout();
    for (QTextLine riga = righe->createLine(); riga.isValid(); riga = righe->createLine()) {
        riga.setLineWidth(std::max(0.0, larghezza));
        alto = std::ceil(alto + interlinea);
        riga.setPosition(QPointF(0, alto));
        alto += riga.ascent() + riga.descent();
        largo = std::max(largo, riga.naturalTextWidth());
    }
    righe->endLayout();
}

TestoACapo::TestoACapo(TestoACapo&&) noexcept = default;
TestoACapo& TestoACapo::operator=(TestoACapo&&) noexcept = default;
TestoACapo::~TestoACapo() = default;

void TestoACapo::disegna(QPainter& p, const QRectF& riquadro, Qt::Alignment allineamento) const
{
    if (testo.isEmpty())
        return;
    const double dy = allineamento & Qt::AlignBottom ? riquadro.height() - alto : 0;
    if (!righe || !riquadro.contains(QRectF(riquadro.x(), riquadro.y() + dy, largo, alto))) {
        p.drawText(riquadro, testo, testoACapo(allineamento));
        return;
    }
    for (int i = 0; i < righe->lineCount(); ++i)
        righe->lineAt(i).draw(&p, QPointF(riquadro.x(), riquadro.y() + dy));
}
