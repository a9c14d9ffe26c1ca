#include "search/elimina_cliente.h"
#include "platform/db/connessione.h"
#include "platform/db/elenco_chiavi.h"

using namespace Qt::StringLiterals;

void eliminaCliente(qint64 idCli)
{
    Transazione t(connessione);
    for (const qint64 chiamata : elencoChiavi(u"SELECT idChiamata from chiamate where cod_cliente=?"_s, {idCli})) {
        connessione.esegui(u"DELETE FROM interventi where cod_chiamata=?"_s, {chiamata});
        for (const qint64 riga :
             elencoChiavi(u"SELECT idProdChiamata from prodotti_in_chiamata where cod_chiamata=?"_s, {chiamata})) {
            connessione.esegui(u"DELETE from richieste where ricCodChiamata=?"_s, {riga});
            connessione.esegui(u"DELETE FROM riscontro_su_prodotto where at_pr_codice=?"_s, {riga});
            for (const qint64 attivita :
                 elencoChiavi(u"SELECT idAttivita from attività_svolte where cod_prodotto=?"_s, {riga}))
                connessione.esegui(u"delete from matAtt where codAtt=?"_s, {attivita});
            connessione.esegui(u"delete from attività_svolte where cod_prodotto=?"_s, {riga});
        }
        connessione.esegui(u"delete from prodotti_in_chiamata where cod_chiamata=?"_s, {chiamata});
    }
    connessione.esegui(u"delete from chiamate where cod_cliente=?"_s, {idCli});
    for (const qint64 prodotto : elencoChiavi(u"SELECT id_pro_cli FROM prodotti_ai_clienti where cod_cliente=?"_s, {idCli}))
        connessione.esegui(u"delete from manutenzioni where codProdotto=?"_s, {prodotto});
    connessione.esegui(u"DELETE FROM prodotti_ai_clienti where cod_cliente=?"_s, {idCli});
    connessione.esegui(u"DELETE from clienti where idCli=?"_s, {idCli});
    t.conferma();
}
