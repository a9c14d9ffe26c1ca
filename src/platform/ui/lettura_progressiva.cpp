#include "platform/ui/lettura_progressiva.h"
#include <QElapsedTimer>

namespace {
// A screen, and the rows the columns are sized from.
constexpr int righeSchermata = 100;
// How long a slice reads before the events waiting are seen to, and how often the grid takes in
// the rows read since (each time its layout is done again).
constexpr int msFetta = 30;
constexpr int msMostra = 250;
constexpr int righePasso = 4096;
} // namespace

LetturaProgressiva::LetturaProgressiva(ModelloRecordset* modello) : QObject(modello), modello(modello)
{
    timer.setSingleShot(true);
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, this, [this] { leggi(false); });
}

void LetturaProgressiva::primaSchermata(Recordset& rs)
{
    if (!rs.statico())
        return;
    QElapsedTimer t;
    t.start();
    while (!rs.completo() && rs.dati()->numeroRighe() < righeSchermata && t.elapsed() < msFetta)
        rs.leggiAltre(righeSchermata * 5);
}

void LetturaProgressiva::avvia()
{
    timer.stop();
    motivo = nullptr;
    mostrate.start();
    if (!modello->recordset().completo())
        timer.start();
}

void LetturaProgressiva::completa()
{
    if (timer.isActive())
        leggi(true);
}

void LetturaProgressiva::leggi(bool tutto)
{
    timer.stop();
    Recordset& rs = modello->recordset();
    bool finito = false;
    try {
        QElapsedTimer t;
        t.start();
        do
            finito = rs.leggiAltre(righePasso);
        while (!finito && (tutto || t.elapsed() < msFetta));
    } catch (...) {
        motivo = std::current_exception();
        emit fallita();
        return;
    }
    // A first screen that took longer than a slice shows as soon as it is there.
    if (finito || mostrate.elapsed() >= msMostra || modello->rowCount() < righeSchermata) {
        modello->mostraNuoveRighe();
        mostrate.start();
    }
    if (finito)
        emit finita();
    else
        timer.start();
}
