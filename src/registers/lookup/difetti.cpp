#include "registers/lookup/difetti.h"

using namespace Qt::StringLiterals;

schDifetto::schDifetto()
    : SchedaRegistro({
          .tabella = u"difetti"_s,
          .chiave = u"idDifetto"_s,
          .titolo = u"Scheda Difetto"_s,
          .campi = {{.colonna = u"df_nome"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla : "_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del difetto !"_s},
                    {.colonna = u"df_descrizione"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Descrizione"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del difetto !"_s}},
      })
{
}

frmDifetti::frmDifetti()
    : ElencoRegistro({
          .tabella = u"difetti"_s,
          .chiave = u"idDifetto"_s,
          .titolo = u"TABELLA - DIFETTI"_s,
          .etichettaRicerca = u"Descrizione difetto : "_s,
          .colonne = {{u"df_nome"_s, u"Sigla"_s}, {u"df_descrizione"_s, u"Difetto"_s}},
          .colonnaRicerca = u"df_nome"_s,
          .ordinamento = u"df_nome COLLATE ITALIANO"_s,
          .colonnaMostrata = u"df_nome"_s,
          .messaggioVuoto = u"Selezionare il difetto da eliminare"_s,
          .domandaElimina = u"ELiminare il difetto:"_s,
          .scheda = schedaDi<schDifetto>,
          .testoDettagli = u"Modifica"_s,
      })
{
}
