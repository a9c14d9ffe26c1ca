#include "registers/lookup/area_int.h"

using namespace Qt::StringLiterals;

schAreaInt::schAreaInt()
    : SchedaRegistro({
          .tabella = u"area_int"_s,
          .chiave = u"idGruppo"_s,
          .titolo = u"Scheda Area Interventi"_s,
          .campi = {{.colonna = u"gruppo_nome"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla :"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla dell' area di intervento !"_s},
                    {.colonna = u"gruppo_descrizione"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Area Intervento :"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome dell'area di intervento !"_s}},
      })
{
}

frmAreaInt::frmAreaInt()
    : ElencoRegistro({
          .tabella = u"area_int"_s,
          .chiave = u"idGruppo"_s,
          .titolo = u"TABELLA - AREA INTERVENTI"_s,
          .etichettaRicerca = u"Area Intervento : "_s,
          .colonne = {{u"gruppo_nome"_s, u"Sigla"_s}, {u"gruppo_descrizione"_s, u"Area Intervento"_s}},
          .colonnaRicerca = u"gruppo_nome"_s,
          .ordinamento = u"gruppo_nome COLLATE ITALIANO"_s,
          .colonnaMostrata = u"gruppo_nome"_s,
          .messaggioVuoto = u"Selezionare l'area di intervento da eliminare"_s,
          .domandaElimina = u"ELiminare l'area di intervento:"_s,
          .scheda = schedaDi<schAreaInt>,
      })
{
}
