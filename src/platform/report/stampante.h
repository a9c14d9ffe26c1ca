#pragma once
#include <QString>

// What printing answers on a computer with no printer at all, and what to do instead.
inline const QString nessunaStampante =
    QStringLiteral("Nessuna stampante installata su questo computer: per avere un file PDF usare ANTEPRIMA e, "
                   "nell'anteprima, il pulsante di stampa (Stampa su file)");

// The computer has a printer.
bool stampanteInstallata();
