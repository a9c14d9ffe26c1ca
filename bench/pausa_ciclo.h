#pragma once
#include "misure.h"
#include <QTimer>
#include <algorithm>

// The longest the event loop goes without serving its events while it is watched: a timer of
// no interval fires at each turn of the loop, and the longest time between two turns is kept,
// counted from avvia() to ferma().
class PausaPiuLunga {
public:
    PausaPiuLunga()
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] { giro(); });
    }

    void avvia()
    {
        massima = 0;
        t.start();
        timer.start();
    }

    // The longest pause, in ms.
    double ferma()
    {
        giro();
        timer.stop();
        return massima;
    }

private:
    void giro()
    {
        massima = std::max(massima, ms(t));
        t.restart();
    }

    QTimer timer;
    QElapsedTimer t;
    double massima = 0;
};
