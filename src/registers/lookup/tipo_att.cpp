#include "registers/lookup/tipo_att.h"

using namespace Qt::StringLiterals;

schTipoAtt::schTipoAtt()
    : SchedaRegistro({
          .tabella = u"tipologia_attivita"_s,
          .chiave = u"idTipoAttività"_s,
          .titolo = u"Scheda Tipo Attività"_s,
          .campi = {{.colonna = u"at_codice"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla :"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tipo di attività !"_s},
                    {.colonna = u"at_nome"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Attività"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tipo di attività !"_s}},
      })
{
}

frmTipoAtt::frmTipoAtt()
    : ElencoRegistro({
          .tabella = u"tipologia_attivita"_s,
          .chiave = u"idTipoAttività"_s,
          .titolo = u"TABELLA - ATTIVITA'"_s,
          .etichettaRicerca = u"Nome Tipo Attività"_s,
          .colonne = {{u"at_codice"_s, u"Sigla"_s}, {u"at_nome"_s, u"Attività"_s}},
          .colonnaRicerca = u"at_nome"_s,
          .ordinamento = u"at_nome COLLATE ITALIANO"_s,
          .colonnaMostrata = u"at_nome"_s,
          .messaggioVuoto = u"Selezionare la tipologia di attività da eliminare"_s,
          .domandaElimina = u"ELiminare la tipologia di attività:"_s,
          .scheda = schedaDi<schTipoAtt>,
      })
{
}
