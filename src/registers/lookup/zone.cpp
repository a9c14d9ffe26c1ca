#include "registers/lookup/zone.h"

using namespace Qt::StringLiterals;

schZona::schZona()
    : SchedaRegistro({
          .tabella = u"zone"_s,
          .chiave = u"idZona"_s,
          .titolo = u"Scheda Zona"_s,
          .campi = {{.colonna = u"sigla_zona"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla Zona"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla della zona !"_s},
                    {.colonna = u"desc_zona"_s,
                     .controllo = u"txtDescrizione"_s,
                     .etichetta = u"Descrizione Zona"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome della zona !"_s}},
          .coloriFocus = true,
      })
{
}

frmZone::frmZone()
    : ElencoRegistro({
          .tabella = u"zone"_s,
          .chiave = u"idZona"_s,
          .titolo = u"TABELLA - ZONE"_s,
          .etichettaRicerca = u"Nome Zona"_s,
          .colonne = {{u"sigla_zona"_s, u"Sigla"_s}, {u"desc_zona"_s, u"Nome Zona"_s}},
          .colonnaRicerca = u"sigla_zona"_s,
          .ordinamento = u"desc_zona COLLATE ITALIANO"_s,
          .colonnaMostrata = u"sigla_zona"_s,
          .messaggioVuoto = u"Selezionare la zona da eliminare"_s,
          .domandaElimina = u"ELiminare la zona:"_s,
          .scheda = schedaDi<schZona>,
      })
{
}
