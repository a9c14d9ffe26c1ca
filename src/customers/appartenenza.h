#pragma once
#include "common/elenchi.h"
#include "platform/db/recordset.h"
#include <QList>
#include <QString>

// "Gruppo", "Proprietario", "Inquilino" or "" for a customer's membership.
QString descrizioneAppartenenza(long idcli);

// The customers whose membership is one of `tipi` (0 none, 1 group, 2 owner, 3 tenant), as a
// customer card offers them to belong to, by surname: idcli, `colonna` "surname - name".
Recordset clientiPerAppartenenza(const QList<int>& tipi, const QString& colonna, ComeElenco::Nulli nulli);
