#include "registri_prova.h"
#include "platform/db/connessione.h"
#include "registers/lookup/area_int.h"
#include "registers/lookup/difetti.h"
#include "registers/lookup/marche.h"
#include "registers/lookup/posizioni.h"
#include "registers/lookup/tipo_abbonamento.h"
#include "registers/lookup/tipo_att.h"
#include "registers/lookup/tipo_cli.h"
#include "registers/lookup/tipo_gas.h"
#include "registers/lookup/tipo_man.h"
#include "registers/lookup/tipo_prodotto.h"
#include "registers/lookup/tipo_richieste.h"
#include "registers/lookup/zone.h"

using namespace Qt::StringLiterals;

namespace {
template <class L, class S>
RegistroProva registro(const QString& nome, const QString& tabella, const QString& chiave, const QString& codice,
                       const QString& descrizione, bool conEliminato = true)
{
    return {nome,     [] () -> ElencoRegistro& { return istanza<L>(); }, [] () -> SchedaRegistro& { return istanza<S>(); },
            tabella,  chiave, codice, descrizione, conEliminato};
}
} // namespace

const QList<RegistroProva>& registriProva()
{
    static const QList<RegistroProva> r = {
        registro<frmPosizioni, schPosizione>(u"posizioni"_s, u"posizione"_s, u"idPos"_s, u"sigla_posizione"_s,
                                             u"posizione"_s),
        registro<frmZone, schZona>(u"zone"_s, u"zone"_s, u"idZona"_s, u"sigla_zona"_s, u"desc_zona"_s),
        registro<frmTipoProdotto, schTipoProdotto>(u"tipi prodotto"_s, u"tipoProd"_s, u"idTpProd"_s,
                                                   u"sigla_tipo_prodotto"_s, u"tipo_nome"_s),
        registro<frmTipoCli, schTipoCli>(u"tipi cliente"_s, u"tipocli"_s, u"idTipoCli"_s, u"sigla_tipo_cli"_s,
                                         u"cli_nome_tipo"_s),
        registro<frmTipoAbbonamento, schTipoAbbonamento>(u"abbonamenti"_s, u"tipoabb"_s, u"idTpAbb"_s,
                                                         u"sigla_abbonamento"_s, u"desc_abb"_s),
        registro<frmMarche, schMarca>(u"marche"_s, u"marche"_s, u"idMarca"_s, u"sigla_marca"_s, u"marca"_s),
        registro<frmTipoAtt, schTipoAtt>(u"attivita"_s, u"tipologia_attivita"_s, u"idTipoAttività"_s,
                                         u"at_codice"_s, u"at_nome"_s),
        registro<frmTipoRichieste, schTipoRic>(u"richieste"_s, u"tipoRichiesta"_s, u"idTipoRichiesta"_s,
                                               u"tipoRicSigla"_s, u"tipoRicNome"_s, false),
        registro<frmAreaInt, schAreaInt>(u"aree intervento"_s, u"area_int"_s, u"idGruppo"_s, u"gruppo_nome"_s,
                                         u"gruppo_descrizione"_s),
        registro<frmDifetti, schDifetto>(u"difetti"_s, u"difetti"_s, u"idDifetto"_s, u"df_nome"_s,
                                         u"df_descrizione"_s),
        registro<frmTipoGas, schTipoGas>(u"alimentazioni"_s, u"tipogas"_s, u"idTpGas"_s, u"sigla_tipo_gas"_s,
                                         u"tipogas"_s),
        registro<frmTipoMan, schTipoMan>(u"manutenzioni"_s, u"tipoManutenzioni"_s, u"idTipoMan"_s,
                                         u"sigla_tipo_man"_s, u"desc_tipo_man"_s),
    };
    return r;
}

const RegistroProva& registroProva(const QString& nome)
{
    for (const RegistroProva& r : registriProva())
        if (r.nome == nome)
            return r;
    qFatal("no register %s", qPrintable(nome));
}

long aggiungiRiga(const RegistroProva& r, const QString& codice, const QString& descrizione)
{
    connessione.esegui(u"INSERT INTO "_s + r.tabella + u" ("_s + r.codice + u","_s + r.descrizione + u") VALUES ('"_s
                       + QString(codice).replace(u'\'', u"''"_s) + u"','"_s
                       + QString(descrizione).replace(u'\'', u"''"_s) + u"')"_s);
    return long(connessione.ultimoId());
}
