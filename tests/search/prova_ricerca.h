#pragma once
#include "ambiente_test.h"
#include "platform/report/controllo_report.h"
#include "search/scheda_ricerca.h"
#include <QObject>
#include <memory>

// The customer search window and its controls.
schRicCliente& r();
ControlliRicerca& c();

// Each test on a fresh database, filled by the given routine, with the search window loaded over
// it, printing watched and the message and modal seams reset; every window released after.
class ProvaRicerca : public QObject {
    Q_OBJECT

public:
    explicit ProvaRicerca(void (*riempi)()) : riempimento(riempi) {}

protected:
    std::unique_ptr<DatabaseTest> db;

private slots:
    void init();
    void cleanup();

private:
    void (*riempimento)();
    ControlloReport controllo;
};
