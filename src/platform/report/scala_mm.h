#pragma once
#include <QPaintDevice>
#include <QRectF>

// Millimetres, measured from the paper's top left corner, in the units of a paint device.
class ScalaMm {
public:
    explicit ScalaMm(const QPaintDevice& d) : x(d.logicalDpiX() / 25.4), y(d.logicalDpiY() / 25.4) {}
    QRectF rettangolo(const QRectF& mm) const { return {mm.x() * x, mm.y() * y, mm.width() * x, mm.height() * y}; }
    double larghezza(double mm) const { return mm * x; }

private:
    double x;
    double y;
};
