#include "calls/rientro_chiamata.h"
#include "calls/rientro_tecnico.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"

using namespace Qt::StringLiterals;

void rientroTecnico(const ChiamataRientro& c)
{
    Recordset& prodotti = c.grigliaProdotti->recordset();
    if (!prodotti.statico() || prodotti.recordCount() <= 0) {
        messaggio(u"Attenzione! Nessun prodotto Selezionato!"_s, stile::esclamazione);
        return;
    }
    if (c.nuova) {
        messaggio(u"Attenzione! impossibile gestire il rientro del tecnico senza aver prima confermato la chiamata"_s);
        return;
    }
    const QVariant riga = c.grigliaProdotti->valore(u"idProdChiamata"_s);
    *c.bSvolto = false;

    schRientroTecnico& rientro = istanza<schRientroTecnico>();
    rientro.nID = c.nIdChiamata;
    rientro.dataIntervento = c.dataIntervento.toString(u"dd/MM/yyyy"_s);
    rientro.cmbStatoChiamata = c.cmbStato;
    rientro.bSvoltoChiamata = c.bSvolto;
    // A call that cannot be read (deleted by another workstation) gets no report.
    if (!rientro.predisponi()) {
        rientro.chiudi();
        return;
    }
    rientro.controlli().cmbProdotti->impostaValoreLegato(riga);
    rientro.aggiornaProdottoSelezionato();
    rientro.mostraModale();

    c.aggiornaProdotti();
    if (*c.bSvolto) {
        c.conferma();
        return;
    }
    Recordset& dopo = c.grigliaProdotti->recordset();
    if (!dopo.statico() || dopo.recordCount() <= 0) {
        messaggio(u"Nessun Cliente identificato"_s);
        return;
    }
    if (!dopo.cerca(u"idProdChiamata"_s, riga))
        dopo.moveFirst();
    c.grigliaProdotti->sincronizza();
}
