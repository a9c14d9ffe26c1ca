#pragma once
#include <QString>
#include <QTextOption>

class QPainter;

// Text wrapped within a width: lines break between words, and inside a word only when it is
// wider than the width.
QTextOption testoACapo(Qt::Alignment allineamento);

// The height of a text wrapped to the width, in the painter's font; an empty text keeps its line.
double altezzaACapo(QPainter& p, double larghezza, const QString& testo);
