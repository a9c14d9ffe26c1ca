#include "common/elenchi.h"
#include "platform/db/connessione.h"
#include <array>

using namespace Qt::StringLiterals;

namespace {
struct Colonne {
    QString tabella, chiave, sigla, nome;
};

const Colonne& colonne(Codici lista)
{
    static const std::array<Colonne, 10> tutte = {{
        {u"tecnici"_s, u"idTecn"_s, u"sigla_tecnico"_s, u"tecnico"_s},
        {u"zone"_s, u"idZona"_s, u"sigla_zona"_s, u"desc_zona"_s},
        {u"marche"_s, u"idMarca"_s, u"sigla_marca"_s, u"marca"_s},
        {u"tipoprod"_s, u"idTpProd"_s, u"sigla_tipo_prodotto"_s, u"tipo_nome"_s},
        {u"posizione"_s, u"idPos"_s, u"sigla_posizione"_s, u"posizione"_s},
        {u"tipogas"_s, u"idTpGas"_s, u"sigla_tipo_gas"_s, u"tipogas"_s},
        {u"tipoabb"_s, u"idTpAbb"_s, u"sigla_abbonamento"_s, u"desc_abb"_s},
        {u"area_int"_s, u"idGruppo"_s, u"gruppo_nome"_s, u"gruppo_descrizione"_s},
        {u"difetti"_s, u"idDifetto"_s, u"df_nome"_s, u"df_descrizione"_s},
        {u"tipologia_attivita"_s, u"idTipoAttività"_s, u"at_codice"_s, u"at_nome"_s},
    }};
    return tutte[size_t(lista)];
}
} // namespace

QString voceDi(const QString& prima, const QString& seconda, ComeElenco::Nulli nulli, const QString& separatore)
{
    const QString tra = u"'"_s + QString(separatore).replace(u"'"_s, u"''"_s) + u"'"_s;
    return nulli == ComeElenco::parteVuota ? u"ifnull(%1,'') || %2 || ifnull(%3,'')"_s.arg(prima, tra, seconda)
                                           : u"%1 || %2 || %3"_s.arg(prima, tra, seconda);
}

QString istruzioneCodici(Codici lista, const QString& colonna, const ComeElenco& come)
{
    const Colonne& t = colonne(lista);
    QString sql = u"SELECT %1, %2 as %3 FROM %4"_s.arg(t.chiave, voceDi(t.sigla, t.nome, come.nulli, come.separatore),
                                                       colonna, t.tabella);
    if (come.righe == ComeElenco::vive)
        sql += u" where eliminato = 0"_s;
    switch (come.ordine) {
    case ComeElenco::perNome:
        return sql + u" order by %1 COLLATE ITALIANO"_s.arg(t.nome);
    case ComeElenco::perSigla:
        return sql + u" order by %1 COLLATE ITALIANO"_s.arg(t.sigla);
    case ComeElenco::perSiglaENome:
        return sql + u" order by %1 COLLATE ITALIANO, %2 COLLATE ITALIANO"_s.arg(t.sigla, t.nome);
    case ComeElenco::comeArchiviate:
        break;
    }
    return sql;
}

Recordset elencoCodici(Codici lista, const QString& colonna, const ComeElenco& come)
{
    return connessione.apriStatico(istruzioneCodici(lista, colonna, come));
}

QString voceAbbonamento()
{
    return u"SELECT sigla_abbonamento || ' - ' || desc_abb, eliminato FROM tipoabb WHERE idTpAbb = ?"_s;
}

Recordset elencoInstallatori()
{
    return connessione.apriStatico(
        u"SELECT idInst, nome_ins FROM installatori where eliminato = 0 order by nome_ins COLLATE ITALIANO"_s);
}

Recordset elencoTipiCliente()
{
    return connessione.apriStatico(
        u"SELECT idTipoCli, cli_nome_tipo FROM tipoCli ORDER BY cli_nome_tipo COLLATE ITALIANO"_s);
}

Recordset elencoModelli(const QVariant& marca, const QVariant& tipo)
{
    QString sql = u"SELECT idModello, modello FROM prodotti where eliminato = 0"_s;
    QVariantList valori;
    if (!marca.isNull()) {
        sql += u" and cod_marca = ?"_s;
        valori << marca.toLongLong();
    }
    if (!tipo.isNull()) {
        sql += u" AND cod_tipo_prodotto = ?"_s;
        valori << tipo.toLongLong();
    }
    return connessione.apriStatico(sql + u" order by modello COLLATE ITALIANO"_s, valori);
}
