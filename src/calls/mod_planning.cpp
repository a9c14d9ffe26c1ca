#include "calls/mod_planning.h"
#include "calls/manutenzioni.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"

using namespace Qt::StringLiterals;

Recordset rsTecnici;

namespace {
Recordset tuttiITecnici()
{
    return connessione.apriStatico(u"select * from tecnici where eliminato=0 order by tecnico COLLATE ITALIANO ASC, idTecn"_s);
}

// A technician-zone pair stored twice still lists the technician once.
Recordset tecniciDellaZona(long idZona)
{
    return connessione.apriStatico(u"select * from tecnici where eliminato=0 and idTecn in (select codTecnico "
                                   "from tecnici_per_zona where eliminato=0 and codZona=?) order by tecnico COLLATE ITALIANO ASC, idTecn"_s,
                                   {qlonglong(idZona)});
}

// The rows of the appointments: one per appliance of a call, with its customer and model. The
// planner's counts and its day list read the same rows, so a call whose customer or appliance
// another workstation deleted is neither counted nor listed.
const QString righeAppuntamenti =
    u"FROM interventi inner join chiamate on interventi.cod_chiamata = chiamate.idChiamata "
    "inner join prodotti_in_chiamata on chiamate.idChiamata = prodotti_in_chiamata.cod_chiamata "
    "inner join prodotti_ai_clienti on prodotti_in_chiamata.cod_ch_prodotto = prodotti_ai_clienti.id_pro_cli "
    "inner join clienti on prodotti_ai_clienti.cod_cliente = clienti.idcli "
    "inner join prodotti on prodotti_ai_clienti.cod_prodotto = prodotti.idModello "_s;

Recordset interventi(const QString& condizione, const QVariantList& valori)
{
    return connessione.apriStatico(u"SELECT interventi.*, prodotti_in_chiamata.* "_s + righeAppuntamenti + u"where "_s
                                       + condizione + u" order by interventi.ora_inizio"_s,
                                   valori);
}
} // namespace

Recordset caricaTecnici(long idZona)
{
    Recordset rs = idZona != 0 ? tecniciDellaZona(idZona) : tuttiITecnici();
    if (rs.recordCount() == 0) {
        rs = tuttiITecnici();
        if (rs.recordCount() == 0) {
            messaggio(u"Attenzione tabella tecnici vuota"_s, stile::esclamazione);
            messaggio(u"Attenzione! controllare l'esistenza di associazione tra tecnici e zone"_s, stile::esclamazione);
        }
    }
    return rs;
}

Recordset appuntamentiTecnico(long idTecnico, const QDate& giorno)
{
    return connessione.apriStatico(
        u"SELECT idChiamata, interventi.ora_inizio, interventi.cod_tecnico, idProdChiamata, idcli, "
        "ifnull(Cognome,'') || ' ' || ifnull(Nome,'') as cliente, "
        "ifnull(interventi.ora_inizio,'') || ' - ' || ifnull(interventi.ora_fine,'') as orario, modello, "
        "clienti.indirizzo, citta, cod_stato_int, lista_richieste "_s
            + righeAppuntamenti
            + u"where interventi.cod_tecnico=? and data_int=? and cod_stato_int <> 'ESEGUITO' "
        "order by interventi.ora_inizio,interventi.ora_fine"_s,
        {qlonglong(idTecnico), giorno});
}

Recordset interventiTecnico(long idTecnico, const QDate& giorno)
{
    return interventi(u"interventi.cod_tecnico=? and interventi.data_int=?"_s, {qlonglong(idTecnico), giorno});
}

Recordset interventiPeriodo(const QDate& da, const QDate& a)
{
    return interventi(u"interventi.data_int>=? and interventi.data_int<=?"_s, {da, a});
}

void eliminaDatiRiga(qint64 idProdChiamata)
{
    connessione.esegui(u"DELETE from attività_svolte where cod_prodotto=?"_s, {idProdChiamata});
    connessione.esegui(u"delete from riscontro_su_prodotto where at_pr_codice=?"_s, {idProdChiamata});
    connessione.esegui(u"DELETE FROM richieste where ricCodChiamata=?"_s, {idProdChiamata});
}

bool eliminaAppuntamento(qint64 idChiamata)
{
    // One write group: a failure anywhere leaves the call as it was.
    return gestisci([idChiamata] {
        Transazione t(connessione);
        connessione.esegui(u"delete from manutenzioni where codChiamata=?"_s, {idChiamata});
        QList<std::pair<qint64, qint64>> righe;
        for (Recordset rs = connessione.apriAvanti(
                 u"SELECT idProdChiamata, cod_ch_prodotto FROM prodotti_in_chiamata where cod_chiamata=?"_s, {idChiamata});
             !rs.eof(); rs.moveNext())
            righe.append({rs.campo(0).toLongLong(), rs.campo(1).toLongLong()});
        for (const auto& [riga, prodotto] : righe) {
            eliminaAttivitaProdotto(riga);
            aggiornaManutenzioneProdotto(prodotto);
            eliminaDatiRiga(riga);
        }
        connessione.esegui(u"DELETE FROM interventi where cod_chiamata=?"_s, {idChiamata});
        connessione.esegui(u"DELETE FROM prodotti_in_chiamata where cod_chiamata=?"_s, {idChiamata});
        connessione.esegui(u"DELETE FROM chiamate where idChiamata=?"_s, {idChiamata});
        t.conferma();
    });
}
