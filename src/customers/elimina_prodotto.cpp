#include "customers/elimina_prodotto.h"
#include "platform/db/connessione.h"
#include "platform/db/elenco_chiavi.h"

void eliminaProdottoCliente(qint64 idProdotto)
{
    Transazione t(connessione);
    connessione.esegui(QStringLiteral("delete from manutenzioni where codProdotto=?"), {idProdotto});
    const QList<qint64> righe =
        elencoChiavi(QStringLiteral("SELECT idProdChiamata FROM prodotti_in_chiamata where cod_ch_prodotto=?"), {idProdotto});
    for (const qint64 riga : righe) {
        for (const qint64 attivita :
             elencoChiavi(QStringLiteral("select idAttivita from attività_svolte where cod_prodotto=?"), {riga}))
            connessione.esegui(QStringLiteral("delete from matAtt where codAtt=?"), {attivita});
        connessione.esegui(QStringLiteral("delete from attività_svolte where cod_prodotto=?"), {riga});
        connessione.esegui(QStringLiteral("delete from riscontro_su_prodotto where at_pr_codice=?"), {riga});
        connessione.esegui(QStringLiteral("delete from richieste where ricCodChiamata=?"), {riga});
    }
    connessione.esegui(QStringLiteral("delete from prodotti_in_chiamata where cod_ch_prodotto=?"), {idProdotto});
    connessione.esegui(QStringLiteral("DELETE from prodotti_ai_clienti where id_pro_cli=?"), {idProdotto});
    t.conferma();
}

void eliminaProdottiCliente(qint64 idCliente)
{
    Transazione t(connessione);
    for (const qint64 prodotto :
         elencoChiavi(QStringLiteral("SELECT id_pro_cli FROM prodotti_ai_clienti where cod_cliente=?"), {idCliente}))
        eliminaProdottoCliente(prodotto);
    t.conferma();
}
