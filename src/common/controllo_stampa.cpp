#include "common/controllo_stampa.h"
#include "platform/db/errore_db.h"

namespace {
ControlloReport* controlloAttuale = nullptr;
}

void impostaControlloStampa(ControlloReport* controllo)
{
    controlloAttuale = controllo;
}

ControlloReport& controlloStampa()
{
    if (!controlloAttuale)
        throw ErroreDb(erroreConnessione, QStringLiteral("stampa"), QStringLiteral("Controllo di stampa non disponibile"));
    return *controlloAttuale;
}
