#pragma once
#include <QString>

// The last operator of type "AMMINISTRATORE" keeps that type and is not deleted.
// The rule as an SQL condition on a row of operatori: it is not the last administrator.
QString nonUltimoAmministratore();
// What the operator is told when the rule refuses a change.
QString messaggioUltimoAmministratore();
