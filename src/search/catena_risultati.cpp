#include "search/catena_risultati.h"
#include "platform/db/connessione.h"

using namespace Qt::StringLiterals;

Recordset prodottiCliente(qint64 idCli)
{
    return connessione.apriStatico(
        u"SELECT * FROM prodotti_ai_clienti "
        "inner join prodotti on prodotti_ai_clienti.cod_prodotto = prodotti.idModello "
        "inner join marche on prodotti.cod_Marca = marche.idMarca "
        "inner join tipoProd on prodotti.cod_tipo_prodotto = tipoProd.idTpProd "
        "left join tipoAbb on prodotti_ai_clienti.cod_tipo_abbonamento = tipoAbb.idTpAbb "
        "left join tipogas on prodotti_ai_clienti.cod_tipo_gas = tipogas.idTpGas where cod_cliente=?"_s,
        {idCli});
}

Recordset chiamateProdotto(qint64 idProCli)
{
    return connessione.apriStatico(
        u"SELECT * FROM ((prodotti_in_chiamata inner join chiamate on prodotti_in_chiamata.cod_chiamata=chiamate.idChiamata) "
        "inner join interventi on chiamate.idChiamata=interventi.cod_chiamata) "
        "inner join tecnici on interventi.cod_tecnico=tecnici.idTecn where cod_ch_prodotto=? order by ch_data desc"_s,
        {idProCli});
}

Recordset attivitaChiamata(qint64 idProdChiamata)
{
    return connessione.apriStatico(u"SELECT * from attività_svolte inner join tipologia_attivita on "
                                   "attività_svolte.cod_operazione=tipologia_attivita.idTipoAttività where cod_prodotto=?"_s,
                                   {idProdChiamata});
}

Recordset materialiAttivita(qint64 idAttivita)
{
    return connessione.apriStatico(
        u"SELECT gruppo_nome,(ifnull(mat_nome,'') || ' - ' || ifnull(mat_descrizione,'')) as matDescrizione "
        "from ((matAtt inner join materiali on matAtt.codMat=materiali.idMAt) "
        "inner join area_int on materiali.cod_Gruppo=area_int.idGruppo) where codAtt=? order by gruppo_nome COLLATE ITALIANO"_s,
        {idAttivita});
}

namespace colonne {
QList<ColonnaGriglia> clienti()
{
    return {{u"Cognome"_s, u"Cognome"_s},
            {u"Nome"_s, u"Nome"_s},
            {u"indirizzo"_s, u"Indirizzo"_s},
            {u"Citta"_s, u"Città"_s},
            {u"tel_casa"_s, u"Telefono"_s}};
}

QList<ColonnaGriglia> prodotti()
{
    return {{u"sigla_tipo_prodotto"_s, u"Tipo"_s}, {u"Marca"_s, u"Marca"_s},
            {u"Modello"_s, u"Modello"_s},          {u"sigla_tipo_gas"_s, u"Alim."_s},
            {u"sigla_abbonamento"_s, u"Abb."_s},   {u"sc_abb"_s, u"Scadenza "_s},
            {u"codice_interno"_s, u"Cod.Int."_s}};
}

QList<ColonnaGriglia> manutenzioni()
{
    return {{u"dataMan"_s, u"Data"_s}, {u"sigla_tipo_man"_s, u"Tipo"_s}};
}

QList<ColonnaGriglia> chiamate()
{
    return {{u"ch_data"_s, u"Data Chiamata"_s},
            {u"data_int"_s, u"Data App."_s},
            {u"cod_stato_int"_s, u"Stato"_s},
            {u"sigla_tecnico"_s, u"Sigla tecnico"_s},
            {u"lista_richieste"_s, u"Richieste"_s}};
}

QList<ColonnaGriglia> attivita()
{
    return {{u"at_codice"_s, u"Sigla"_s}, {u"at_nome"_s, u"Descrizione Intervento"_s}};
}

QList<ColonnaGriglia> materiali()
{
    return {{u"gruppo_nome"_s, u"Gruppo"_s}, {u"matDescrizione"_s, u"Materiale"_s}};
}
} // namespace colonne
