#include "registers/operatori/amministratori.h"
#include "common/funzioni.h"
#include "common/stato.h"
#include "platform/db/connessione.h"
#include "platform/ui/finestra.h"
#include "platform/ui/messaggi.h"

using namespace Qt::StringLiterals;

QString nonUltimoAmministratore()
{
    // Both comparisons on the column itself, so both ignore case as the column does.
    return u"opTipo is null or opTipo <> 'AMMINISTRATORE'"
           u" or (select count(*) from operatori where opTipo = 'AMMINISTRATORE') > 1"_s;
}

QString messaggioUltimoAmministratore()
{
    return u"ATTENZIONE ! Non ci sono piu' operatori di tipo 'Amministratore'!"_s;
}

void controllaAmministratore()
{
    bool amministratore = false;
    // A failed read is reported and keeps the window closed by itself.
    if (!gestisci([&] {
            amministratore = !connessione
                                  .apriAvanti(u"SELECT 1 FROM operatori WHERE idOperatore = ? "
                                              "AND opTipo = 'AMMINISTRATORE'"_s,
                                              {qlonglong(codiceOperatore)})
                                  .eof();
        }))
        return;
    if (!amministratore) {
        messaggio(u"ATTENZIONE ! Solo un operatore di tipo 'Amministratore' può gestire gli operatori."_s,
                  stile::esclamazione);
        segnalaCaricamentoFallito();
    }
}
