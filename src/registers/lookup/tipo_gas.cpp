#include "registers/lookup/tipo_gas.h"

using namespace Qt::StringLiterals;

schTipoGas::schTipoGas()
    : SchedaRegistro({
          .tabella = u"tipogas"_s,
          .chiave = u"idTpGas"_s,
          .titolo = u"Scheda Alimentazioni"_s,
          .campi = {{.colonna = u"sigla_tipo_gas"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tipo di alimentazione !"_s},
                    {.colonna = u"tipogas"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Descrizione"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tipo di alimentazione !"_s}},
      })
{
}

frmTipoGas::frmTipoGas()
    : ElencoRegistro({
          .tabella = u"tipogas"_s,
          .chiave = u"idTpGas"_s,
          .titolo = u"TABELLA - ALIMENTAZIONI"_s,
          .etichettaRicerca = u"Nome Alimentazione"_s,
          .colonne = {{u"sigla_tipo_gas"_s, u"Sigla"_s}, {u"tipogas"_s, u"Alimentazione"_s}},
          .colonnaRicerca = u"tipogas"_s,
          .ordinamento = u"tipogas COLLATE ITALIANO"_s,
          .colonnaMostrata = u"tipogas"_s,
          .messaggioVuoto = u"Selezionare la Tipologia di gas da eliminare"_s,
          .domandaElimina = u"ELiminare la tipologia:"_s,
          .scheda = schedaDi<schTipoGas>,
          .menuScheda = false,
          .resetPrimo = true,
      })
{
}
