#include "registers/staff/seconda_disposizione.h"

using namespace Qt::StringLiterals;

namespace {
DescrizioneScheda secondaDisposizione(DescrizioneScheda d)
{
    d.controllo = DescrizioneScheda::Controllo::elenca;
    d.testoOk = u"&Conferma"_s;
    d.nomeOk = u"cmdConferma"_s;
    return d;
}
} // namespace

SchedaSecondaDisposizione::SchedaSecondaDisposizione(DescrizioneScheda descrizione)
    : SchedaRegistro(secondaDisposizione(std::move(descrizione)))
{
}

bool SchedaSecondaDisposizione::rifiuta(const QString& errore)
{
    elencaErrori(errore);
    return false;
}
