#pragma once
#include <QWidget>
#include <functional>

// Every window of the program, loaded, for the tests that look at all of them: one row of a
// data-driven test each, named by the window's class, in the column "forma".
void righeFinestre();
using FormaFinestra = std::function<QWidget*()>;
class frmChiamata;
class frmPlanning;
// The planner for customer 1 in zone 1, loaded and filled.
frmPlanning& planningClienteUno();
// The call card on call 1 of customer 1, loaded and filled as the planner's MODIFICA opens it.
frmChiamata& chiamataUno();
// The appliance card on appliance 7 of customer 1, loaded to edit it.
QWidget* prodottoSetteClienteUno();
// The return report as the call card opens it: call 1 reported on its appliance row 1,
// intervention of 4 August 2026.
QWidget* rientroChiamataUno();
