#include "prova_ricerca.h"
#include "common/controllo_stampa.h"
#include "platform/ui/finestra.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"

schRicCliente& r()
{
    return istanza<schRicCliente>();
}

ControlliRicerca& c()
{
    return r().controlli();
}

void ProvaRicerca::init()
{
    db = std::make_unique<DatabaseTest>();
    riempimento();
    impostaControlloStampa(&controllo);
    r().carica();
    seamMessaggi::azzera();
    seamModale::azzera();
}

void ProvaRicerca::cleanup()
{
    rilasciaTutteLeFinestre();
    db.reset();
}
