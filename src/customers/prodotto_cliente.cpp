#include "common/funzioni.h"
#include "common/righe_collegate.h"
#include "customers/scheda_prodotto_cliente.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

// The row of an installed appliance: its 37 columns, loaded, inserted and updated from the
// same list. Values travel bound: keys and numbers as numbers, dates as dates, flags as 1/0.

using namespace Qt::StringLiterals;

namespace {
const QString tabella = u"prodotti_ai_clienti"_s;

// Every column the card writes, in the table's order.
const QStringList colonne{
    u"cod_tecnico"_s, u"cod_prodotto"_s,      u"cod_cliente"_s,       u"cod_installatore"_s,  u"cod_posizione"_s,
    u"cod_tipo_abbonamento"_s, u"vl_abb"_s,   u"data_abb"_s,          u"rf_abb"_s,            u"sc_abb"_s,
    u"matr_1"_s,      u"matr_2"_s,            u"cod_tipo_gas"_s,      u"codice_interno"_s,    u"data_coll"_s,
    u"data_ins"_s,    u"num_rf"_s,            u"note_coll"_s,         u"dich_conf"_s,         u"num_libr"_s,
    u"data_lib"_s,    u"fumi"_s,              u"aria"_s,              u"dim_aria"_s,          u"crono"_s,
    u"mm_man"_s,      u"aa_man"_s,            u"tstcmb"_s,            u"gasPropanoValvola"_s, u"gasPropanoEntrata"_s,
    u"dataInstallazione"_s, u"tipoScarico"_s, u"tensione"_s,          u"consumoGas"_s,        u"primaVerifica"_s,
    u"catAttesta"_s,  u"altroCatAttesta"_s};

const QString nonEsiste = u"Attenzione! il prodotto associato al cliente non esiste"_s;

QVariant codice(const Recordset& rs, const QString& colonna)
{
    return seNullo(rs.campo(colonna), -1);
}
} // namespace

void schProdottoCliente::legaColonne()
{
    auto& c = ui();
    LegameCampi& l = c.legame;
    l.lega(u"cod_tecnico"_s, c.cmbTecnico, TipoCampo::combo);
    l.lega(u"cod_prodotto"_s, c.cmbModello, TipoCampo::combo);
    l.lega(u"cod_installatore"_s, c.cmbInstallatore, TipoCampo::combo);
    l.lega(u"cod_posizione"_s, c.cmbPosizione, TipoCampo::combo);
    l.lega(u"cod_tipo_abbonamento"_s, c.cmbTipoAbbonamento, TipoCampo::combo);
    l.lega({u"vl_abb"_s, c.txtCosto, TipoCampo::decimale, 0, u"Espressione non valida, inserire un numero"_s});
    // The stipulation before the expiry: showing it proposes an expiry the stored one replaces.
    l.lega(u"data_abb"_s, c.dtpDataStipulazione, TipoCampo::data);
    l.lega(u"rf_abb"_s, c.txtNumRicevuta, TipoCampo::testo);
    l.lega(u"sc_abb"_s, c.dtpDataScadenza, TipoCampo::data);
    l.lega(u"matr_1"_s, c.txtMatricola1, TipoCampo::testo);
    l.lega(u"matr_2"_s, c.txtMatricola2, TipoCampo::testo);
    l.lega(u"cod_tipo_gas"_s, c.cmbTipoGas, TipoCampo::combo);
    l.lega(u"codice_interno"_s, c.txtCodiceInterno, TipoCampo::testo);
    l.lega(u"data_coll"_s, c.dtpDataCollaudo, TipoCampo::data);
    l.lega(u"data_ins"_s, c.dtpDataInserimento, TipoCampo::data);
    l.lega(u"num_rf"_s, c.txtNumRf, TipoCampo::testo);
    l.lega(u"note_coll"_s, c.txtNoteColli, TipoCampo::testo);
    l.lega(u"dich_conf"_s, c.chkDichConf, TipoCampo::spunta);
    l.lega(u"num_libr"_s, c.txtNumLibretto, TipoCampo::testo);
    l.lega(u"data_lib"_s, c.dtpDataLibretto, TipoCampo::data);
    l.lega(u"fumi"_s, c.chkFumi, TipoCampo::spunta);
    l.lega(u"aria"_s, c.chkAria, TipoCampo::spunta);
    l.lega({u"dim_aria"_s, c.txtDimAria, TipoCampo::numeroIniziale, 0,
            u"Espressione non valida! inserire un valore numerico"_s});
    l.lega(u"crono"_s, c.txtCrono, TipoCampo::testo);
    l.lega(u"mm_man"_s, c.cmbMese, TipoCampo::voce);
    l.lega({u"aa_man"_s, c.txtAnno, TipoCampo::intero, 0, u"Espressione non valida! inserire un anno numerico intero"_s});
    l.lega(u"tstcmb"_s, c.dtpUltimaCombustione, TipoCampo::data);
}

// The 37 values in the order of the columns: the controls' and the members'.
QVariantList schProdottoCliente::valoriRiga()
{
    const QVariantMap membri{
        {u"cod_cliente"_s, qlonglong(nIDcliente)},
        {u"gasPropanoValvola"_s, nPressioneValvola},
        {u"gasPropanoEntrata"_s, nPressioneCaldaia},
        {u"dataInstallazione"_s,
         nNoDataInstallazione || !dDataInstallazione.isValid() ? QVariant() : QVariant(dDataInstallazione)},
        {u"tipoScarico"_s, nTipoScarico},
        {u"tensione"_s, nTensione},
        {u"consumoGas"_s, nConsumo},
        {u"primaVerifica"_s, nPrimaVerifica},
        {u"catAttesta"_s, nVerificaInstallazione},
        {u"altroCatAttesta"_s, testoColonna(altroVerificaInstallazione)},
    };
    QVariantList v;
    for (const QString& colonna : colonne)
        v << (membri.contains(colonna) ? membri[colonna] : ui().legame.valore(colonna));
    return v;
}

bool schProdottoCliente::inserisciProdotto()
{
    return gestisci([this] {
        Transazione t(connessione);
        // A stored customer may have been deleted by another workstation meanwhile.
        if (!bClienteNuovo)
            richiediRiga(RigaCollegata::cliente, qlonglong(nIDcliente));
        connessione.esegui(sqlInserimento(tabella, colonne), valoriRiga());
        t.conferma();
    });
}

bool schProdottoCliente::modificaProdotto()
{
    // A card whose row did not load never writes over it.
    if (!caricato) {
        messaggio(nonEsiste, stile::informazione);
        return false;
    }
    int toccate = 0;
    EsitoScrittura esito = EsitoScrittura::scritta;
    const bool eseguita = gestisci([&] {
        esito = versione.scriviSeInvariata(
            u"Attenzione! il prodotto è stato modificato da un'altra postazione dopo l'apertura della scheda."_s, [&] {
                toccate = connessione.esegui(sqlModifica(tabella, colonne, u"id_pro_cli"_s),
                                             valoriRiga() << qlonglong(nIdProdotto));
            });
    });
    // The other workstation's version is kept: the card shows it and stays open.
    if (eseguita && esito == EsitoScrittura::altraVersione) {
        ripristinaProdotto();
        return false;
    }
    // An update that touches no row saved nothing: the row has gone meanwhile.
    if (eseguita && toccate == 0)
        messaggio(nonEsiste, stile::informazione);
    return eseguita && toccate > 0;
}

bool schProdottoCliente::ripristinaProdotto()
{
    caricato = false;
    bool trovato = false;
    const bool letto = gestisci([&] {
        // Read before the row it shows: a change in between is asked about, never lost.
        versione.leggi(u"SELECT "_s + colonne.join(u',') + u" FROM "_s + tabella + u" WHERE id_pro_cli = ?"_s,
                       {qlonglong(nIdProdotto)});
        // A row whose model, or the model's brand or type, is gone cannot be loaded.
        const Recordset rs = connessione.apriAvanti(
            u"SELECT * from ((prodotti_ai_clienti inner join prodotti on prodotti_ai_clienti.cod_prodotto=prodotti.idModello) "
            u"inner join marche on prodotti.cod_marca=marche.idMarca) inner join tipoProd on "
            u"prodotti.cod_tipo_prodotto=tipoProd.idTpProd where id_pro_cli=?"_s,
            {qlonglong(nIdProdotto)});
        if (rs.eof())
            return;
        trovato = true;
        auto& c = ui();
        // Type, then brand, then the model: each choice refills the lists below it.
        c.cmbTipoProdotto->impostaValoreLegato(rs.campo(u"cod_tipo_prodotto"_s));
        c.cmbMarcaProdotto->impostaValoreLegato(rs.campo(u"cod_marca"_s));
        c.legame.mostra(rs);
        if (nz(rs.campo(u"vl_abb"_s)).toDouble() == 0)
            c.txtCosto->setText(u"0,00"_s);
        if (nz(rs.campo(u"aa_man"_s)).toLongLong() == 0)
            c.txtAnno->clear();
        nPressioneValvola = codice(rs, u"gasPropanoValvola"_s).toInt();
        nPressioneCaldaia = codice(rs, u"gasPropanoEntrata"_s).toInt();
        const QVariant installazione = rs.campo(u"dataInstallazione"_s);
        nNoDataInstallazione = installazione.isNull();
        if (!nNoDataInstallazione)
            dDataInstallazione = installazione.toDate();
        nTipoScarico = codice(rs, u"tipoScarico"_s).toInt();
        nTensione = codice(rs, u"tensione"_s).toInt();
        nConsumo = codice(rs, u"consumoGas"_s).toInt();
        nPrimaVerifica = codice(rs, u"primaVerifica"_s).toInt();
        nVerificaInstallazione = codice(rs, u"catAttesta"_s).toInt();
        altroVerificaInstallazione = nz(rs.campo(u"altroCatAttesta"_s)).toString();
        strMatricola = c.txtMatricola1->text();
        caricato = true;
    });
    if (caricato)
        return true;
    if (letto && !trovato)
        messaggio(nonEsiste, stile::informazione);
    bConferma = false;
    chiudi();
    return false;
}
