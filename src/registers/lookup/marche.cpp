#include "registers/lookup/marche.h"

using namespace Qt::StringLiterals;

schMarca::schMarca()
    : SchedaRegistro({
          .tabella = u"marche"_s,
          .chiave = u"idMarca"_s,
          .titolo = u" Scheda Marca"_s,
          .campi = {{.colonna = u"sigla_marca"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla Marca"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla della marca !"_s},
                    {.colonna = u"marca"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Marca"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome della marca !"_s}},
      })
{
}

frmMarche::frmMarche()
    : ElencoRegistro({
          .tabella = u"marche"_s,
          .chiave = u"idMarca"_s,
          .titolo = u"TABELLA - MARCHE"_s,
          .etichettaRicerca = u"Marca"_s,
          .colonne = {{u"sigla_marca"_s, u"Sigla"_s}, {u"marca"_s, u"Marca"_s}},
          .colonnaRicerca = u"marca"_s,
          .ordinamento = u"marca COLLATE ITALIANO"_s,
          .colonnaMostrata = u"marca"_s,
          .messaggioVuoto = u"Selezionare la marca da eliminare"_s,
          .domandaElimina = u"ELiminare la marca:"_s,
          .scheda = schedaDi<schMarca>,
      })
{
}
