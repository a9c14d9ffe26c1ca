#include "registers/lookup/tipo_man.h"

using namespace Qt::StringLiterals;

schTipoMan::schTipoMan()
    : SchedaRegistro({
          .tabella = u"tipoManutenzioni"_s,
          .chiave = u"idTipoMan"_s,
          .titolo = u"Scheda Tipo Manutenzione"_s,
          .campi = {{.colonna = u"sigla_tipo_man"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla :"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tipo di Manutenzione !"_s},
                    {.colonna = u"desc_tipo_man"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Manutenzione :"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tipo di manutenzione !"_s}},
      })
{
}

frmTipoMan::frmTipoMan()
    : ElencoRegistro({
          .tabella = u"tipoManutenzioni"_s,
          .chiave = u"idTipoMan"_s,
          .titolo = u"TABELLA - MANUTENZIONI"_s,
          .etichettaRicerca = u"Manutenzione"_s,
          .colonne = {{u"sigla_tipo_man"_s, u"Sigla"_s}, {u"desc_tipo_man"_s, u"Manutenzione"_s}},
          .colonnaRicerca = u"sigla_tipo_man"_s,
          .ordinamento = u"sigla_tipo_man COLLATE ITALIANO"_s,
          .colonnaMostrata = u"sigla_tipo_man"_s,
          .messaggioVuoto = u"Selezionare la tipologia di manutenzione da eliminare"_s,
          .domandaElimina = u"ELiminare il tipo di manutenzione:"_s,
          .scheda = schedaDi<schTipoMan>,
          .menuScheda = false,
          .ricercaMaiuscola = true,
          .resetPrimo = true,
          .centrata = false,
      })
{
}
