#include "registers/modello/aggiunta_rapida.h"
#include "platform/ui/combo_dati.h"
#include "registers/modello/scheda_registro.h"

bool aggiuntaRapida(SchedaRegistro& scheda, ComboDati* combo, const std::function<void()>& riempi)
{
    scheda.nModalità = 0;
    scheda.mostraModale();
    if (!scheda.bConferma)
        return false;
    riempi();
    const int i = combo->findData(QVariant(qlonglong(scheda.nNuovoID)));
    if (i >= 0)
        combo->setCurrentIndex(i);
    return true;
}
