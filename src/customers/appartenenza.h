#pragma once
#include <QString>

// "Gruppo", "Proprietario", "Inquilino" or "" for a customer's membership.
QString descrizioneAppartenenza(long idcli);
