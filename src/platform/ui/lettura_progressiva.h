#pragma once
#include "platform/db/modello_recordset.h"
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <exception>

// Reads a grid's snapshot on to its end from the event loop, in slices of some tens of
// milliseconds: the first screen shows at once, the operator can work meanwhile, and the
// reading never waits on him, since its open statement keeps other workstations' commits
// waiting for the file.
class LetturaProgressiva : public QObject {
    Q_OBJECT
public:
    explicit LetturaProgressiva(ModelloRecordset* modello);

    // Reads the rows of a first screen of a snapshot still being read, before it is shown, for
    // as long as a slice: what a first screen needs more is read on from the event loop.
    static void primaSchermata(Recordset& rs);
    // Reads on the model's snapshot, when it is still being read.
    void avvia();
    bool attiva() const { return timer.isActive(); }
    // Reads the rest now.
    void completa();
    // Why the reading stopped short, after fallita().
    std::exception_ptr errore() const { return motivo; }

signals:
    void finita();
    void fallita();

private:
    void leggi(bool tutto);
    ModelloRecordset* modello;
    QTimer timer;
    QElapsedTimer mostrate; // since the grid last took in the rows read
    std::exception_ptr motivo;
};
