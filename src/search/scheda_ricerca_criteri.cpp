#include "search/scheda_ricerca.h"
#include "common/elenchi.h"
#include "customers/appartenenza.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
qint64 chiave(const ComboDati* c)
{
    return c->valoreLegato().toLongLong();
}

CriteriRicerca::SiNo siNo(const QCheckBox* box, const QRadioButton* si, const QRadioButton* no)
{
    if (!box->isChecked() || si->isChecked() == no->isChecked())
        return CriteriRicerca::SiNo::nessuno;
    return si->isChecked() ? CriteriRicerca::SiNo::si : CriteriRicerca::SiNo::no;
}

QDate giorno(const DataOpzionale* d)
{
    return d->valore().toDate();
}

CriteriRicerca::Date date(const QCheckBox* box, const DataOpzionale* da, const DataOpzionale* a,
                          const QCheckBox* nessuno, const QCheckBox* non = nullptr)
{
    return {box->isChecked(), nessuno->isChecked(), non && non->isChecked(), giorno(da), giorno(a)};
}
} // namespace

void schRicCliente::riempiCombo()
{
    auto& c = ui();
    c.cmbTipoCliente->riempi(elencoTipiCliente(), u"cli_nome_tipo"_s, u"idTipoCli"_s);
    c.cmbZona->riempi(elencoCodici(Codici::zone, u"strZona"_s, {.righe = ComeElenco::ancheEliminate}), u"strZona"_s,
                      u"idZona"_s);
    riempiComboProdotti();
}

void schRicCliente::riempiComboProdotti()
{
    auto& c = ui();
    c.cmbTipoProdotto->riempi(elencoCodici(Codici::tipiProdotto, u"TipoProdotto"_s), u"TipoProdotto"_s, u"idTpProd"_s);
    c.cmbMarcaProdotto->riempi(elencoCodici(Codici::marche, u"NomeMarca"_s), u"NomeMarca"_s, u"idMarca"_s);
    c.cmbInstallatore->riempi(elencoInstallatori(), u"nome_ins"_s, u"idInst"_s);
    c.cmbPosizione->riempi(elencoCodici(Codici::posizioni, u"strPosizione"_s), u"strPosizione"_s, u"idPos"_s);
    c.cmbTipoGas->riempi(elencoCodici(Codici::tipiGas, u"strGas"_s), u"strGas"_s, u"idTpGas"_s);
    c.cmbTecnico->riempi(elencoCodici(Codici::tecnici, u"tec"_s), u"tec"_s, u"idTecn"_s);
    c.cmbTipoAbbonamento->riempi(elencoCodici(Codici::abbonamenti, u"tecdesc_abb"_s), u"tecdesc_abb"_s, u"idTpAbb"_s);
    ricostruisciModelli(false, false);
}

void schRicCliente::riempiGruppo()
{
    auto& c = ui();
    QList<int> tipi;
    if (c.optInquilino->isChecked())
        tipi = {1, 2};
    else if (c.optProprietario->isChecked())
        tipi = {1};
    else
        return; // "Gruppo" and "Tutti" keep the list as it is
    c.cmbAppartenenza->svuotaScelta();
    c.cmbAppartenenza->riempi(clientiPerAppartenenza(tipi, u"descr"_s, ComeElenco::voceNulla), u"descr"_s, u"idcli"_s);
}

void schRicCliente::mostraTipoAppartenenza()
{
    auto& c = ui();
    const qint64 genitore = chiave(c.cmbAppartenenza);
    c.lblTipo->setText(genitore == 0 ? QString() : descrizioneAppartenenza(long(genitore)));
}

// The model list after a brand or type change: the live models of the brand and type chosen.
void schRicCliente::ricostruisciModelli(bool conMarca, bool conTipo)
{
    auto& c = ui();
    const QVariant marca = conMarca ? QVariant(chiave(c.cmbMarcaProdotto)) : QVariant();
    const QVariant tipo = conTipo ? QVariant(chiave(c.cmbTipoProdotto)) : QVariant();
    c.cmbProdotto->svuotaScelta();
    c.cmbProdotto->riempi(elencoModelli(marca, tipo), u"modello"_s, u"idModello"_s);
}

bool schRicCliente::check()
{
    auto& c = ui();
    nCodAppartenenza = long(chiave(c.cmbAppartenenza));
    nCodTipoCliente = long(chiave(c.cmbTipoCliente));
    nCodZona = long(chiave(c.cmbZona));
    nTipoGruppo = c.optInquilino->isChecked() ? 3 : c.optGruppo->isChecked() ? 1 : c.optProprietario->isChecked() ? 2 : 0;
    return true;
}

CriteriRicerca schRicCliente::criteri()
{
    auto& c = ui();
    CriteriRicerca r;
    const std::initializer_list<std::pair<QString, QLineEdit*>> testi = {
        {u"cognome"_s, c.txtCognome},       {u"nome"_s, c.txtNome},
        {u"rag_soc"_s, c.txtRagione},       {u"indirizzo"_s, c.txtIndirizzo},
        {u"indirizzo2"_s, c.txtIndirizzo2}, {u"cond_fraz"_s, c.txtCondFraz},
        {u"note_ind"_s, c.txtNote},         {u"tel_casa"_s, c.txtTelCasa},
        {u"tel_cel"_s, c.txtTelCellulare},  {u"tel_old"_s, c.txtAltro},
        {u"cap"_s, c.txtCap},               {u"citta"_s, c.txtCitta},
        {u"pv"_s, c.txtProvincia},          {u"nazcli"_s, c.txtNaz},
        {u"gruppo"_s, c.txtGruppo},         {u"gas_cod"_s, c.txtCodGas},
        {u"vl_abb"_s, c.txtCosto},          {u"matr_1"_s, c.txtMatricola1},
        {u"matr_2"_s, c.txtMatricola2},     {u"codice_interno"_s, c.txtCodiceInterno},
        {u"num_rf"_s, c.txtNumRf},          {u"note_coll"_s, c.txtNoteColli},
        {u"num_libr"_s, c.txtNumLibretto},  {u"dim_aria"_s, c.txtDimAria},
        {u"crono"_s, c.txtCrono}};
    for (const auto& [colonna, casella] : testi)
        r.testi[colonna] = casella->text();
    r.testi[u"note_cli"_s] = cNoteUlteriori;
    r.testi[u"note_pag"_s] = cNotePagamento;

    r.chiavi[u"cod_tipo_appartenenza"_s] = nTipoGruppo;
    r.chiavi[u"cod_tipo_cli"_s] = nCodTipoCliente;
    r.chiavi[u"cod_appartenenza"_s] = nCodAppartenenza;
    r.chiavi[u"cod_zona"_s] = nCodZona;
    const std::initializer_list<std::pair<QString, ComboDati*>> chiavi = {
        {u"cod_tecnico"_s, c.cmbTecnico},         {u"cod_marca"_s, c.cmbMarcaProdotto},
        {u"cod_tipo_prodotto"_s, c.cmbTipoProdotto}, {u"cod_prodotto"_s, c.cmbProdotto},
        {u"cod_installatore"_s, c.cmbInstallatore}, {u"cod_posizione"_s, c.cmbPosizione},
        {u"cod_tipo_gas"_s, c.cmbTipoGas}};
    for (const auto& [colonna, combo] : chiavi)
        r.chiavi[colonna] = chiave(combo);

    r.siNo[u"contatto"_s] = siNo(c.chkContatto, c.optContattoSI, c.optContattoNO);
    r.siNo[u"dich_conf"_s] = siNo(c.chkDichConf, c.optDichConfSI, c.optDichConfNO);
    r.siNo[u"fumi"_s] = siNo(c.chkFumi, c.optFumiSi, c.optFumiNo);
    r.siNo[u"aria"_s] = siNo(c.chkAria, c.optAriaSi, c.optAriaNo);

    r.date[u"data_coll"_s] = date(c.chkDataCollaudo, c.dtpDataCollaudoDa, c.dtpDataCollaudoA, c.chkNoCollaudo);
    r.date[u"data_ins"_s] =
        date(c.chkDataInserimento, c.dtpDataInserimentoDa, c.dtpDataInserimentoA, c.chkNoInserimento);
    r.date[u"data_lib"_s] = date(c.chkDataLibretto, c.dtpDataLibrettoDa, c.dtpDataLibrettoA, c.chkNoLibretto);
    r.date[u"tstcmb"_s] =
        date(c.chkDataUltimaCombustione, c.dtpUltimaCombustioneDa, c.dtpUltimaCombustioneA, c.chkNoCombustione);
    r.date[u"dataman"_s] = date(c.chkManutenzione, c.dtpManDa, c.dtpManA, c.chkNessunaMan, c.chkNotMan);

    r.abbonamento = {c.chkAbbonamento->isChecked(),
                     c.chkNoAbb->isChecked(),
                     chiave(c.cmbTipoAbbonamento),
                     giorno(c.dtpDataStipulazioneDa),
                     giorno(c.dtpDataStipulazioneA),
                     giorno(c.dtpDataScadenzaDa),
                     giorno(c.dtpDataScadenzaA),
                     c.txtNumRicevuta->text()};
    r.manutenzione = {c.chkManutenzioneProgrammata->isChecked(),
                      c.chkNoManutenzione->isChecked(),
                      c.cmbMeseDa->currentIndex() + 1,
                      c.cmbMeseA->currentIndex() + 1,
                      c.txtAnnoDa->text().trimmed(),
                      c.txtAnnoA->text().trimmed()};
    return r;
}
