#pragma once
#include "platform/report/controllo_report.h"
#include "platform/ui/finestra.h"
#include <QAction>
#include <QMap>

class QMainWindow;
class QMenu;
class QToolButton;

struct ControlliPrincipale {
    QMenu* mnuDUZ;
    QMap<QString, QAction*> voci; // menu entries by their control name (mnuZone, mnuOperatori, ...)
    QToolButton* cmdRicerca;
    QToolButton* cmdNuovoCliente;
    QToolButton* cmdPlanner;
    QToolButton* cmdNascondi;
    QToolButton* cmdUscita;
};

// The main window: a small bar with the menu and five buttons, the only modeless window.
class MDIprincipale : public FinestraCon<ControlliPrincipale> {
public:
    // The report control every print goes through.
    ControlloReport stampa;

    // Loads and shows the window, modelessly.
    void mostra();
    QAction* mnuOperatori() { return voce(QStringLiteral("mnuOperatori")); }
    // A menu entry by its control name.
    QAction* voce(const QString& nome) { return ui().voci.value(nome); }
    ControlliPrincipale& controlli() { return ui(); }
    // The exit command: closes the shared connection, then the window (which ends the run).
    void uscita();

protected:
    QWidget* costruisci() override;
    bool chiusuraRichiesta() override;

private:
    void costruisciMenu(QMainWindow* f);
    void costruisciPulsanti(QMainWindow* f);
};
