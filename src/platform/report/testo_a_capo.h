#pragma once
#include <QString>
#include <QTextOption>
#include <memory>

class QPainter;
class QRectF;
class QTextLayout;

// Text wrapped within a width: lines break between words, and inside a word only when it is
// wider than the width.
QTextOption testoACapo(Qt::Alignment allineamento);

// A text wrapped to a width in the painter's font, laid out once: its height, then its lines
// drawn where QPainter::drawText draws them in a rectangle of that width, without laying them
// out again. An empty text keeps its line and draws nothing.
class TestoACapo {
public:
    TestoACapo(QPainter& p, double larghezza, const QString& testo);
    TestoACapo(TestoACapo&&) noexcept;
    TestoACapo& operator=(TestoACapo&&) noexcept;
    ~TestoACapo();

    double altezza() const { return alto; }

    // Left-aligned, at the rectangle's top or bottom. Lines that would leave the rectangle are
    // cut at its edges, in the painter's font, which must be the one the text was laid out in.
    void disegna(QPainter& p, const QRectF& riquadro, Qt::Alignment allineamento) const;

private:
    QString testo;
    std::unique_ptr<QTextLayout> righe; // none when only drawText can lay the text out
    double alto = 0;
    double largo = 0; // the widest line
};
