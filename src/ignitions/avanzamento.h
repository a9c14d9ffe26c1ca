#pragma once
#include <QtGlobal>

class QLabel;

// Shows a count of rows done and lets the window repaint and answer, about once a frame
// (repainting after each of 10,000 rows would cost more than the rows themselves).
class Avanzamento {
public:
    explicit Avanzamento(QLabel* etichetta);
    void segna(int righe);

private:
    QLabel* etichetta;
    qint64 ultimo = -1;
};
