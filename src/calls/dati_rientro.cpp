#include "calls/dati_rientro.h"
#include "calls/manutenzioni.h"
#include "common/righe_collegate.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"

using namespace Qt::StringLiterals;

namespace {
// Nothing selected reads the rows of key -1: none.
QVariant chiave(const QVariant& v)
{
    return v.isNull() ? QVariant(-1) : v;
}

// Another workstation may have deleted the row the new one hangs on: checked in the same group.
// The new row's key.
qint64 inserisci(RigaCollegata padre, qint64 chiave, const QString& sql, const QVariantList& valori)
{
    Transazione t(connessione);
    richiediRiga(padre, chiave);
    connessione.esegui(sql, valori);
    const qint64 nuova = connessione.ultimoId();
    t.conferma();
    return nuova;
}

// An update that touches no row did not happen: the call is gone.
void richiediChiamata(int toccate)
{
    if (toccate == 0)
        throw RigaMancante(RigaCollegata::chiamata);
}
} // namespace

Recordset prodottiChiamata(qint64 idChiamata)
{
    return connessione.apriStatico(
        u"SELECT idProdChiamata, ifnull(modello,'') || '-' || ifnull(codice_interno,'') as txtModello from "
        "(prodotti_in_chiamata inner join prodotti_ai_clienti on "
        "prodotti_in_chiamata.cod_ch_prodotto=prodotti_ai_clienti.id_pro_cli) inner join prodotti on "
        "prodotti_ai_clienti.cod_prodotto=prodotti.idModello where cod_chiamata=? order by idProdChiamata DESC"_s,
        {idChiamata});
}

QVariant prodottoInstallato(const QVariant& idProdChiamata)
{
    const Recordset rs = connessione.apriAvanti(
        u"SELECT cod_ch_prodotto from prodotti_in_chiamata where idProdChiamata=?"_s, {chiave(idProdChiamata)});
    return rs.eof() ? QVariant() : rs.campo(0);
}

Recordset difettiProdotto(const QVariant& idProdChiamata)
{
    return connessione.apriStatico(u"SELECT * from riscontro_su_prodotto inner join difetti on "
                                   "riscontro_su_prodotto.at_difetto=difetti.idDifetto where at_pr_codice=?"_s,
                                   {chiave(idProdChiamata)});
}

void aggiungiDifetto(qint64 idProdChiamata, qint64 idDifetto, const QString& nota)
{
    inserisci(RigaCollegata::prodottoChiamata, idProdChiamata,
              u"insert into riscontro_su_prodotto (at_pr_codice , at_difetto , at_note) values (?,?,?)"_s,
              {idProdChiamata, idDifetto, maiuscolo(nota)});
}

void aggiornaNotaDifetto(qint64 idAttProd, const QString& nota)
{
    connessione.esegui(u"UPDATE riscontro_su_prodotto set at_note=? where idAttProd=?"_s, {maiuscolo(nota), idAttProd});
}

void eliminaDifetto(qint64 idAttProd)
{
    connessione.esegui(u"DELETE FROM RISCONTRO_SU_PRODOTTO WHERE idAttProd=?"_s, {idAttProd});
}

Recordset attivitaProdotto(const QVariant& idProdChiamata, qint64 idChiamata)
{
    return connessione.apriStatico(
        u"SELECT * from (attività_svolte inner join tipologia_attivita on "
        "attività_svolte.cod_operazione=tipologia_attivita.idTipoAttività) inner join prodotti_in_chiamata on "
        "attività_svolte.cod_prodotto=prodotti_in_chiamata.idProdChiamata where cod_prodotto=? and cod_chiamata=?"_s,
        {chiave(idProdChiamata), idChiamata});
}

qint64 aggiungiAttivita(qint64 idProdChiamata, qint64 idTipoAttivita, const QString& nota)
{
    return inserisci(RigaCollegata::prodottoChiamata, idProdChiamata,
              u"insert into attività_svolte (cod_prodotto, cod_operazione,note_att) values (?,?,?)"_s,
              {idProdChiamata, idTipoAttivita, maiuscolo(nota)});
}

void aggiornaNotaAttivita(qint64 idAttivita, const QString& nota)
{
    connessione.esegui(u"UPDATE attività_svolte set note_att=? where idAttivita=?"_s, {maiuscolo(nota), idAttivita});
}

void eliminaAttivita(qint64 idAttivita)
{
    Transazione t(connessione);
    eliminaMaterialiAttivita(idAttivita);
    connessione.esegui(u"DELETE FROM attività_svolte WHERE idAttivita=?"_s, {idAttivita});
    t.conferma();
}

Recordset materialiAttivita(const QVariant& idAttivita)
{
    return connessione.apriStatico(u"SELECT * from (matAtt inner join materiali on matAtt.codMat=materiali.idMat) "
                                   "inner join area_int on materiali.cod_gruppo=area_int.idGruppo where codAtt=?"_s,
                                   {chiave(idAttivita)});
}

Recordset materialiSenzaAttivita()
{
    return connessione.apriStatico(
        u"SELECT * from matAtt inner join materiali on matAtt.codMat=materiali.idMat where codAtt=-1"_s);
}

void aggiungiMateriale(qint64 idAttivita, qint64 idMat)
{
    inserisci(RigaCollegata::attivita, idAttivita, u"insert into matAtt (codAtt,codMat) values (?,?)"_s,
              {idAttivita, idMat});
}

void eliminaMateriale(qint64 idMatAtt)
{
    connessione.esegui(u"DELETE FROM MatAtt WHERE idMatAtt=?"_s, {idMatAtt});
}

Recordset materialiArea(const QVariant& idGruppo)
{
    return connessione.apriStatico(u"SELECT idMat, ifnull(mat_nome,'') || ' - ' || ifnull(mat_descrizione,'') as "
                                   "materiale from materiali where eliminato = 0 and cod_gruppo=? order by mat_nome COLLATE ITALIANO"_s,
                                   {chiave(idGruppo)});
}

QString noteRientro(qint64 idChiamata)
{
    const Recordset rs = connessione.apriAvanti(u"SELECT ch_rientro_note FROM chiamate where idChiamata=?"_s, {idChiamata});
    richiediChiamata(rs.eof() ? 0 : 1);
    return nz(rs.campo(0)).toString();
}

void salvaNoteRientro(qint64 idChiamata, const QString& testo)
{
    richiediChiamata(connessione.esegui(u"UPDATE chiamate set ch_rientro_note=? where idChiamata=?"_s,
                                        {maiuscolo(testo), idChiamata}));
}

void segnaEseguito(qint64 idChiamata)
{
    richiediChiamata(
        connessione.esegui(u"update interventi set cod_stato_int='ESEGUITO' where cod_chiamata=?"_s, {idChiamata}));
}

QVariant clienteChiamata(qint64 idChiamata)
{
    const Recordset rs = connessione.apriAvanti(u"select cod_cliente from chiamate where idchiamata=?"_s, {idChiamata});
    return rs.eof() ? QVariant() : rs.campo(0);
}
