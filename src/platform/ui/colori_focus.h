#pragma once
#include <QColor>
#include <QWidget>

// The field that has the focus turns yellow (65535) and back to white (16777215) when it loses it.
inline const QColor coloreFocus(255, 255, 0);
inline const QColor coloreNormale(255, 255, 255);

// Applies the rule to the given fields of a window; `normale` is the colour without the focus.
void coloraFocus(std::initializer_list<QWidget*> campi);
void coloraFocus(const QList<QWidget*>& campi, const QColor& normale = coloreNormale);
