#pragma once
#include <QString>

// Module-level state shared by every window (the connection itself is `connessione`).
extern QString stringaConnessione; // "dsn=corvext"
extern QString nomeOperatore;      // user name of the logged-in operator; empty when nobody is
extern long codiceOperatore;       // idOperatore; -1 after a cancelled login, 0 before any
