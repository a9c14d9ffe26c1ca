#include "registers/lookup/tipo_abbonamento.h"

using namespace Qt::StringLiterals;

schTipoAbbonamento::schTipoAbbonamento()
    : SchedaRegistro({
          .tabella = u"tipoabb"_s,
          .chiave = u"idTpAbb"_s,
          .titolo = u"Scheda Tipo Abbonamento"_s,
          .campi = {{.colonna = u"sigla_abbonamento"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla :"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tipo di abbonamento !"_s},
                    {.colonna = u"desc_abb"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Abbonamento :"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tipo di abbonamento !"_s}},
      })
{
}

frmTipoAbbonamento::frmTipoAbbonamento()
    : ElencoRegistro({
          .tabella = u"tipoabb"_s,
          .chiave = u"idTpAbb"_s,
          .titolo = u"TABELLA - ABBONAMENTI"_s,
          .etichettaRicerca = u"Abbonamento :"_s,
          .colonne = {{u"sigla_abbonamento"_s, u"Sigla"_s}, {u"desc_abb"_s, u"Abbonamento"_s}},
          .colonnaRicerca = u"desc_abb"_s,
          .ordinamento = u"sigla_abbonamento COLLATE ITALIANO"_s,
          .colonnaMostrata = u"sigla_abbonamento"_s,
          .messaggioVuoto = u"Selezionare la tipologia di abbonamento da eliminare"_s,
          .domandaElimina = u"ELiminare la tipologia di abbonamento:"_s,
          .scheda = schedaDi<schTipoAbbonamento>,
      })
{
}
