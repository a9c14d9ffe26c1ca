#include "registers/lookup/tipo_cli.h"

using namespace Qt::StringLiterals;

schTipoCli::schTipoCli()
    : SchedaRegistro({
          .tabella = u"tipocli"_s,
          .chiave = u"idTipoCli"_s,
          .titolo = u"Scheda Tipo Cliente"_s,
          .campi = {{.colonna = u"sigla_tipo_cli"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tipo di cliente !"_s},
                    {.colonna = u"cli_nome_tipo"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Tipo Cliente"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tipo di cliente !"_s}},
      })
{
}

frmTipoCli::frmTipoCli()
    : ElencoRegistro({
          .tabella = u"tipocli"_s,
          .chiave = u"idTipoCli"_s,
          .titolo = u"TABELLA - TIPO CLIENTI"_s,
          .etichettaRicerca = u"Nome Tipo Cliente"_s,
          .colonne = {{u"sigla_tipo_cli"_s, u"Sigla"_s}, {u"cli_nome_tipo"_s, u"Tipo Cliente"_s}},
          .colonnaRicerca = u"cli_nome_tipo"_s,
          .ordinamento = u"cli_nome_tipo COLLATE ITALIANO"_s,
          .colonnaMostrata = u"cli_nome_tipo"_s,
          .messaggioVuoto = u"Selezionare la tipologia di cliente da eliminare"_s,
          .domandaElimina = u"ELiminare la tipologia di cliente:"_s,
          .scheda = schedaDi<schTipoCli>,
      })
{
}
