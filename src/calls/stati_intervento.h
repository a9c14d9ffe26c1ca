#pragma once
#include <QStringList>

// The intervention states, stored as the state list shows them, in the list's order.
inline const QString statoDaSvolgere = QStringLiteral("DA SVOLGERE");
inline const QString statoEseguito = QStringLiteral("ESEGUITO");
inline const QString statoSospeso = QStringLiteral("SOSPESO");
inline const QString statoAnnullato = QStringLiteral("ANNULLATO");
inline const QStringList statiIntervento = {statoDaSvolgere, statoEseguito, statoSospeso, statoAnnullato};
