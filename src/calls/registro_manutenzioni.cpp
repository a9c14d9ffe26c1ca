#include "calls/registro_manutenzioni.h"
#include "calls/manutenzioni.h"
#include "common/righe_collegate.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"

using namespace Qt::StringLiterals;

Recordset manutenzioniProdotto(const QVariant& idProdotto)
{
    return connessione.apriStatico(
        u"SELECT * FROM manutenzioni inner join tipoManutenzioni on manutenzioni.codTipoMan=tipomanutenzioni.idTipoMan "
        "where codProdotto=? order by dataman desc"_s,
        {idProdotto.isNull() ? QVariant(-1) : idProdotto});
}

bool manutenzioneGiaAssegnata(qint64 idProdotto, const QString& data)
{
    return !connessione
                .apriAvanti(u"SELECT id FROM manutenzioni where dataMan=#"_s + dataSQL(data) + u"# and codProdotto=?"_s,
                            {idProdotto})
                .eof();
}

void inserisciManutenzione(const QString& data, qint64 idTipoMan, qint64 idChiamata, qint64 idProdotto)
{
    // The summary is the latest maintenance, which an older one just entered is not.
    Transazione t(connessione);
    richiediRiga(RigaCollegata::chiamata, idChiamata);
    richiediRiga(RigaCollegata::prodottoCliente, idProdotto);
    connessione.esegui(u"insert into manutenzioni (dataMan,codTipoMan,codChiamata,codProdotto) values (#"_s
                           + dataSQL(data) + u"#,?,?,?)"_s,
                       {idTipoMan, idChiamata, idProdotto});
    aggiornaManutenzioneProdotto(idProdotto);
    t.conferma();
}

void eliminaManutenzione(qint64 id, qint64 idProdotto)
{
    Transazione t(connessione);
    connessione.esegui(u"delete from manutenzioni where id = ?"_s, {id});
    aggiornaManutenzioneProdotto(idProdotto);
    t.conferma();
}
