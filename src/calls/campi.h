#pragma once
#include <QGridLayout>
#include <QLabel>
#include <QString>

// A label naming a control (its buddy) and the control, side by side on a grid.
inline QLabel* campo(QGridLayout* g, int riga, int colonna, const QString& etichetta, QWidget* controllo,
                     int colonne = 1)
{
    auto* l = new QLabel(etichetta, controllo->parentWidget());
    l->setBuddy(controllo);
    g->addWidget(l, riga, colonna);
    g->addWidget(controllo, riga, colonna + 1, 1, colonne);
    return l;
}
