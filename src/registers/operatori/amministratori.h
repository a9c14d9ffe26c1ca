#pragma once
#include <QString>

// The last operator of type "AMMINISTRATORE" keeps that type and is not deleted.
// The rule as an SQL condition on a row of operatori: it is not the last administrator.
QString nonUltimoAmministratore();
// What the operator is told when the rule refuses a change.
QString messaggioUltimoAmministratore();

// For the load handlers of the operators' windows: the logged-in operator's type is read
// again, since another administrator may have changed it (or removed him) after the login.
// A window he may no longer use says so and is not shown.
void controllaAmministratore();
