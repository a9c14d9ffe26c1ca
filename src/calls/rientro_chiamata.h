#pragma once
#include <QDate>
#include <functional>

class Griglia;
class QComboBox;

// What the call card's "RIENTRO (F2)" hands to the return report.
struct ChiamataRientro {
    qint64 nIdChiamata = 0;
    bool nuova = false; // a call not confirmed yet
    QDate dataIntervento;
    Griglia* grigliaProdotti = nullptr; // the call's appliance rows, with idProdChiamata
    QComboBox* cmbStato = nullptr;      // the state list, entry 1 "ESEGUITO"
    bool* bSvolto = nullptr;
    std::function<void()> aggiornaProdotti; // reloads the customer's appliances and grigliaProdotti
    std::function<void()> conferma;         // presses the card's CONFERMA
};

// The technician's return report for the card's current appliance row. Afterwards the card
// reloads its appliances and, when the report marked the intervention done, confirms itself;
// otherwise it goes back to the same appliance row.
void rientroTecnico(const ChiamataRientro& c);
