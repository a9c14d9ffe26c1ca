#include "calls/dati_chiamata.h"
#include "common/righe_collegate.h"
#include "common/versione_riga.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include <QStringList>

using namespace Qt::StringLiterals;

bool numeroChiamataUsato(qint64 numero)
{
    return !connessione
                .apriAvanti(u"SELECT 1 FROM chiamate WHERE idChiamata = ? UNION ALL "
                            "SELECT 1 FROM prodotti_in_chiamata WHERE cod_chiamata = ?"_s,
                            {numero, numero})
                .eof();
}

Recordset prodottiDelCliente(qint64 idCliente)
{
    return connessione.apriStatico(
        u"SELECT id_pro_cli, ifnull(sigla_Tipo_Prodotto,'') || ' - ' || ifnull(marca,'') || ' - ' || "
        "ifnull(modello,'') || ' - ' || ifnull(codice_interno,'') as pro FROM marche "
        "inner join prodotti on marche.idMarca = prodotti.cod_marca "
        "inner join tipoProd on prodotti.cod_tipo_prodotto = tipoProd.idTpProd "
        "inner join prodotti_ai_clienti on prodotti_ai_clienti.cod_prodotto = prodotti.idModello "
        "where cod_cliente=? order by id_pro_cli"_s,
        {idCliente});
}

Recordset tipiRichiestaChiamata()
{
    return connessione.apriStatico(u"SELECT idTipoRichiesta , ifnull(tipoRicSigla,'') || ' - ' || "
                                   "ifnull(tipoRicNome,'') as ric from tipoRichiesta order by tipoRicSigla COLLATE ITALIANO"_s);
}

void leggiVersioneChiamata(VersioneRiga& versione, qint64 idChiamata)
{
    versione.leggi(u"SELECT cod_cliente, ch_data, ch_operatore, ch_note, cod_tecnico, data_int, note_int, "
                   "cod_stato_int, ora_inizio, ora_fine FROM chiamate LEFT JOIN interventi ON "
                   "interventi.cod_chiamata = chiamate.idChiamata WHERE idChiamata = ?"_s,
                   {idChiamata});
}

Recordset leggiChiamata(qint64 idChiamata)
{
    return connessione.apriStatico(u"select * from chiamate where idChiamata=?"_s, {idChiamata});
}

Recordset leggiIntervento(qint64 idChiamata)
{
    return connessione.apriStatico(u"SELECT * from interventi where cod_chiamata=?"_s, {idChiamata});
}

QString utenteOperatore(qint64 idOperatore)
{
    const Recordset rs = connessione.apriAvanti(u"SELECT opUser FROM operatori where idOperatore=?"_s, {idOperatore});
    return rs.eof() ? QString() : nz(rs.campo(0)).toString();
}

Recordset prodottiInChiamata(qint64 idChiamata)
{
    return connessione.apriStatico(
        u"SELECT * FROM prodotti_in_chiamata "
        "inner join prodotti_ai_clienti on prodotti_in_chiamata.cod_ch_prodotto = prodotti_ai_clienti.id_pro_cli "
        "inner join prodotti on prodotti_ai_clienti.cod_prodotto = prodotti.idModello "
        "inner join tipoProd on prodotti.cod_tipo_prodotto = tipoProd.idTpProd "
        "inner join marche on prodotti.cod_marca = marche.idmarca "
        "where prodotti_in_chiamata.cod_chiamata=? ORDER BY idProdChiamata DESC"_s,
        {idChiamata});
}

Recordset richiesteProdotto(const QVariant& idProdChiamata)
{
    return connessione.apriStatico(u"SELECT * from richieste inner join tipoRichiesta on "
                                   "richieste.ricCodRichiesta=tipoRichiesta.idTipoRichiesta where ricCodChiamata=? "
                                   "order by idRichiesta"_s,
                                   {idProdChiamata.isNull() ? QVariant(qlonglong(-1)) : idProdChiamata});
}

void inserisciChiamata(const ValoriChiamata& v)
{
    connessione.esegui(u"insert into chiamate ( idChiamata , cod_cliente , ch_data , ch_operatore , ch_note ) "
                       "values (?,?,?,?,?)"_s,
                       {v.idChiamata, v.idCliente, v.data, v.operatore, v.note});
    connessione.esegui(u"insert into interventi (cod_tecnico , data_int ,note_int , cod_chiamata , cod_stato_int , "
                       "ora_inizio , ora_fine ) values (?,?,?,?,?,?,?)"_s,
                       {v.tecnico, v.dataIntervento, v.noteIntervento, v.idChiamata, v.stato, v.oraInizio, v.oraFine});
}

void aggiornaChiamata(const ValoriChiamata& v)
{
    // An update that touches no row means the call is gone (another workstation deleted it).
    const auto controlla = [](int righe) {
        if (righe == 0)
            throw RigaMancante(RigaCollegata::chiamata);
    };
    controlla(connessione.esegui(u"update chiamate set cod_cliente=?, ch_data=?, ch_operatore=?, ch_note=? "
                                 "where idChiamata=?"_s,
                                 {v.idCliente, v.data, v.operatore, v.note, v.idChiamata}));
    controlla(connessione.esegui(u"update interventi set cod_tecnico=? , data_int=?, note_int=?, cod_stato_int=?, "
                                 "ora_inizio=?, ora_fine=? where cod_chiamata=?"_s,
                                 {v.tecnico, v.dataIntervento, v.noteIntervento, v.stato, v.oraInizio, v.oraFine,
                                  v.idChiamata}));
}

void scriviSigleRichieste(qint64 idChiamata)
{
    QList<qint64> righe;
    for (Recordset rs = connessione.apriAvanti(u"SELECT idProdChiamata FROM prodotti_in_chiamata where cod_chiamata=?"_s,
                                               {idChiamata});
         !rs.eof(); rs.moveNext())
        righe << rs.campo(0).toLongLong();
    for (const qint64 riga : righe) {
        QStringList sigle;
        for (Recordset rs = connessione.apriAvanti(
                 u"SELECT tipoRicSigla from tipoRichiesta inner join richieste on "
                 "tipoRichiesta.idTipoRichiesta =richieste.ricCodRichiesta where ricCodChiamata=? order by idRichiesta"_s,
                 {riga});
             !rs.eof(); rs.moveNext())
            sigle << nz(rs.campo(0)).toString();
        connessione.esegui(u"UPDATE prodotti_in_chiamata SET lista_richieste=? WHERE idProdChiamata=?"_s,
                           {sigle.isEmpty() ? u""_s : maiuscolo(sigle.join(u" - "_s)), riga});
    }
}

void eliminaChiamata(qint64 idChiamata)
{
    Transazione t(connessione);
    connessione.esegui(u"delete from interventi where cod_chiamata=?"_s, {idChiamata});
    connessione.esegui(u"delete from richieste where ricCodChiamata in "
                       "(SELECT idProdChiamata FROM prodotti_in_chiamata where cod_chiamata=?)"_s,
                       {idChiamata});
    connessione.esegui(u"delete from prodotti_in_chiamata where cod_chiamata=?"_s, {idChiamata});
    connessione.esegui(u"delete from chiamate where idChiamata=?"_s, {idChiamata});
    t.conferma();
}

void aggiungiProdottoChiamata(qint64 idChiamata, const QVariant& idProdottoCliente)
{
    connessione.esegui(u"INSERT INTO PRODOTTI_IN_CHIAMATA (COD_CHIAMATA , COD_CH_PRODOTTO) VALUES (?,?)"_s,
                       {idChiamata, idProdottoCliente});
}

void eliminaProdottoChiamata(const QVariant& idProdChiamata)
{
    connessione.esegui(u"DELETE from prodotti_in_chiamata where idProdChiamata=?"_s, {idProdChiamata});
}

void aggiungiRichiestaProdotto(const QVariant& idProdChiamata, const QVariant& idTipoRichiesta)
{
    connessione.esegui(u"INSERT INTO richieste (ricCodChiamata,ricCodRichiesta) VALUES (?,?)"_s,
                       {idProdChiamata, idTipoRichiesta});
}

void eliminaRichiestaProdotto(const QVariant& idRichiesta)
{
    connessione.esegui(u"DELETE from richieste where idRichiesta =?"_s, {idRichiesta});
}
