#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/mod_planning.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "search/scheda_ricerca.h"

using namespace Qt::StringLiterals;

// After the planner or the call card: the result again, on the same customer.
void schRicCliente::aggiornaDopoChiamate()
{
    auto& c = ui();
    const qint64 id = c.griglia->valore(u"idcli"_s).toLongLong();
    if (!rieseguiCercando(id))
        messaggio(u"Non ci sono piu' risultati per i criteri impostati"_s);
}

void schRicCliente::cmdChiamata_Click()
{
    auto& c = ui();
    if (!c.griglia->haRigaCorrente())
        return;
    gestisci([&] {
        {
            const Clessidra clessidra;
            const Recordset rs = connessione.apriAvanti(u"SELECT * FROM clienti where idCli=?"_s,
                                                        {c.griglia->valore(u"idcli"_s)});
            if (rs.eof())
                return;
            frmPlanning& p = istanza<frmPlanning>();
            p.carica();
            p.cliente = nz(rs[u"cognome"_s]).toString() + u" - "_s + nz(rs[u"nome"_s]).toString();
            p.indirizzo = nz(rs[u"indirizzo"_s]).toString() + u" - "_s + nz(rs[u"citta"_s]).toString() + u" - "_s
                          + nz(rs[u"pv"_s]).toString();
            p.nIDcliente = rs[u"idCli"_s].toInt();
            p.idZona = nz(rs[u"cod_Zona"_s]).toInt();
            p.predisponi();
        }
        istanza<frmPlanning>().mostraModale();
        aggiornaDopoChiamate();
        ui().griglia->setFocus();
    });
}

void schRicCliente::cmdModChiamata_Click()
{
    auto& c = ui();
    if (!c.grigliaStoricoChiamate->haRigaCorrente())
        return;
    gestisci([&] {
        frmChiamata& card = istanza<frmChiamata>();
        card.nIdChiamata = long(c.grigliaStoricoChiamate->valore(u"idChiamata"_s).toLongLong());
        card.nIDcliente = long(c.grigliaStoricoChiamate->valore(u"cod_Cliente"_s).toLongLong());
        card.strCliente = nz(c.griglia->valore(u"cognome"_s)).toString() + u" "_s
                          + nz(c.griglia->valore(u"nome"_s)).toString();
        card.nModalita = 1;
        card.carica();
        card.riempiCombo();
        // A call deleted meanwhile is not shown.
        if (card.predisponi()) {
            card.bElimina = false;
            card.mostraModale();
        }
        const Clessidra clessidra;
        if (card.bElimina)
            eliminaAppuntamento(card.nIdChiamata);
        card.nIdChiamata = 0;
        card.nIDcliente = 0;
        aggiornaDopoChiamate();
    });
}
