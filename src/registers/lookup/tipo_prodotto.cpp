#include "registers/lookup/tipo_prodotto.h"

using namespace Qt::StringLiterals;

schTipoProdotto::schTipoProdotto()
    : SchedaRegistro({
          .tabella = u"tipoProd"_s,
          .chiave = u"idTpProd"_s,
          .titolo = u"Scheda Tipo Prodotto"_s,
          .campi = {{.colonna = u"sigla_tipo_prodotto"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla Tipo"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tipo di prodotto !"_s},
                    {.colonna = u"tipo_nome"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Nome Tipo"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tipo di prodotto !"_s}},
      })
{
}

frmTipoProdotto::frmTipoProdotto()
    : ElencoRegistro({
          .tabella = u"tipoProd"_s,
          .chiave = u"idTpProd"_s,
          .titolo = u"TABELLA - TIPI PRODOTTO"_s,
          .etichettaRicerca = u"Nome Tipo Prodotto"_s,
          .colonne = {{u"sigla_tipo_prodotto"_s, u"Sigla"_s}, {u"tipo_nome"_s, u"Tipo Prodotto"_s}},
          .colonnaRicerca = u"tipo_nome"_s,
          .ordinamento = u"tipo_nome COLLATE ITALIANO"_s,
          .colonnaMostrata = u"tipo_nome"_s,
          .messaggioVuoto = u"Selezionare il tipo di prodotto da eliminare"_s,
          .domandaElimina = u"ELiminare il tipo di prodotto:"_s,
          .scheda = schedaDi<schTipoProdotto>,
      })
{
}
