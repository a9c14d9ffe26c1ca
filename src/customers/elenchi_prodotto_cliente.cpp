#include "common/elenchi.h"
#include "common/funzioni.h"
#include "customers/scheda_prodotto_cliente.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "registers/modello/aggiunta_rapida.h"
#include "registers/staff/prodotti.h"
#include <QScopeGuard>

// The lists of the appliance card: the fillers, the type -> brand -> model cascade and the
// quick-adds.

using namespace Qt::StringLiterals;

namespace {
QString chiave(const QVariant& v)
{
    return QString::number(v.toLongLong());
}
} // namespace

void schProdottoCliente::elenca(ComboDati* combo, const Recordset& rs, const QString& mostrato, const QString& legato)
{
    riempiendo = true;
    const auto fine = qScopeGuard([this] { riempiendo = false; });
    combo->riempi(rs, mostrato, legato);
}

// A table without live rows leaves the list as it was. Once a list could not be read the card
// is not shown, so the others are not read (each would only wait again).
void schProdottoCliente::riempiDa(ComboDati* combo, const std::function<Recordset()>& elenco, const QString& mostrato,
                                  const QString& legato)
{
    if (!caricamentoRiuscito())
        return;
    gestisci([&] {
        const Recordset rs = elenco();
        if (rs.recordCount() > 0)
            elenca(combo, rs, mostrato, legato);
    });
}

void schProdottoCliente::riempiCombo()
{
    riempiTipoProdotti();
    riempiMarche();
    riempiModelli();
    riempiTipogas();
    riempiInstallatori();
    riempiPosizioni();
    if (nModalità != 0)
        riempiTecniciDisabilitati();
    else
        riempiTecniciAbilitati();
    riempiAbbonamenti();
}

void schProdottoCliente::riempiTipoProdotti()
{
    riempiDa(
        ui().cmbTipoProdotto, [] { return elencoCodici(Codici::tipiProdotto, u"tipo"_s); }, u"tipo"_s, u"idTpProd"_s);
}

void schProdottoCliente::riempiMarche()
{
    riempiDa(
        ui().cmbMarcaProdotto,
        [] { return elencoCodici(Codici::marche, u"listamarche"_s, {.ordine = ComeElenco::perSigla}); },
        u"listamarche"_s, u"idMarca"_s);
}

void schProdottoCliente::riempiModelli()
{
    riempiDa(ui().cmbModello, [] { return elencoModelli(); }, u"modello"_s, u"idModello"_s);
}

void schProdottoCliente::riempiPosizioni()
{
    riempiDa(ui().cmbPosizione, [] { return elencoCodici(Codici::posizioni, u"posiz"_s); }, u"posiz"_s, u"idPos"_s);
}

void schProdottoCliente::riempiTecniciAbilitati()
{
    riempiDa(ui().cmbTecnico, [] { return elencoCodici(Codici::tecnici, u"tec"_s); }, u"tec"_s, u"idTecn"_s);
}

void schProdottoCliente::riempiTecniciDisabilitati()
{
    riempiDa(
        ui().cmbTecnico,
        [] { return elencoCodici(Codici::tecnici, u"tec"_s, {.righe = ComeElenco::ancheEliminate}); }, u"tec"_s,
        u"idTecn"_s);
}

void schProdottoCliente::riempiInstallatori()
{
    riempiDa(ui().cmbInstallatore, [] { return elencoInstallatori(); }, u"nome_ins"_s, u"idInst"_s);
}

void schProdottoCliente::riempiAbbonamenti()
{
    riempiDa(
        ui().cmbTipoAbbonamento,
        [] { return elencoCodici(Codici::abbonamenti, u"abb"_s, {.ordine = ComeElenco::perSigla}); }, u"abb"_s,
        u"idTpAbb"_s);
}

void schProdottoCliente::riempiTipogas()
{
    riempiDa(
        ui().cmbTipoGas, [] { return elencoCodici(Codici::tipiGas, u"gas"_s, {.ordine = ComeElenco::perSigla}); },
        u"gas"_s, u"idTpGas"_s);
}

// The live models of the brand (when given) and of the chosen type (when there is one).
void schProdottoCliente::elencaModelli(const QVariant& marca)
{
    elenca(ui().cmbModello, elencoModelli(marca, ui().cmbTipoProdotto->valoreLegato()), u"modello"_s, u"idModello"_s);
}

// A type chosen: every brand with a model of that type (deleted ones too) and the type's models.
void schProdottoCliente::cambioTipo()
{
    const QVariant tipo = ui().cmbTipoProdotto->valoreLegato();
    if (tipo.isNull())
        return;
    elenca(ui().cmbMarcaProdotto,
           connessione.apriStatico(u"SELECT idMarca , (sigla_marca || ' - ' || marca) as listamarche from marche "
                                   u"where idMarca in ( select cod_Marca from prodotti where cod_tipo_prodotto = "_s
                                   + chiave(tipo) + u") order by marca COLLATE ITALIANO"_s),
           u"listamarche"_s, u"idMarca"_s);
    elencaModelli({});
}

void schProdottoCliente::cambioMarca()
{
    const QVariant marca = ui().cmbMarcaProdotto->valoreLegato();
    if (!marca.isNull())
        elencaModelli(marca);
}

void schProdottoCliente::cancellaMarca()
{
    ui().cmbMarcaProdotto->svuotaScelta();
    elencaModelli({});
}

// A new catalogue model, offered this card's type and brand; afterwards its type, its brand
// and the model itself are chosen here.
void schProdottoCliente::nuovoModello()
{
    auto& c = ui();
    schProdotto& s = istanza<schProdotto>();
    s.carica();
    if (!c.cmbMarcaProdotto->valoreLegato().isNull())
        s.campo<ComboDati>(u"cod_marca"_s)->impostaValoreLegato(c.cmbMarcaProdotto->valoreLegato());
    if (!c.cmbTipoProdotto->valoreLegato().isNull())
        s.campo<ComboDati>(u"cod_tipo_prodotto"_s)->impostaValoreLegato(c.cmbTipoProdotto->valoreLegato());
    aggiuntaRapida(s, c.cmbModello, [&] {
        c.cmbTipoProdotto->svuotaScelta();
        c.cmbMarcaProdotto->svuotaScelta();
        c.cmbModello->svuotaScelta();
        riempiTipoProdotti();
        c.cmbTipoProdotto->impostaValoreLegato(qlonglong(s.codTipo));
        c.cmbMarcaProdotto->impostaValoreLegato(qlonglong(s.codMarca));
    });
}
