#pragma once
#include "registers/modello/scheda_registro.h"

// The card layout of the catalogue, materials, leave and holiday cards: "&Conferma" as the
// default button, "&Annulla" as the cancel button, every failing rule listed in one box.
class SchedaSecondaDisposizione : public SchedaRegistro {
protected:
    explicit SchedaSecondaDisposizione(DescrizioneScheda descrizione);
    // The box of a card with a single rule: the heading and that error, with no line break
    // after it. Returns false, for check().
    static bool rifiuta(const QString& errore);
};
