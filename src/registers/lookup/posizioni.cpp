#include "registers/lookup/posizioni.h"

using namespace Qt::StringLiterals;

schPosizione::schPosizione()
    : SchedaRegistro({
          .tabella = u"posizione"_s,
          .chiave = u"idPos"_s,
          .titolo = u"Scheda Posizione"_s,
          .campi = {{.colonna = u"sigla_posizione"_s,
                     .controllo = u"txtSiglaPosizione"_s,
                     .etichetta = u"Sigla Posizione"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla della posizione !"_s},
                    {.colonna = u"posizione"_s,
                     .controllo = u"txtNomePosizione"_s,
                     .etichetta = u"Nome Posizione"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome della posizione !"_s}},
      })
{
}

frmPosizioni::frmPosizioni()
    : ElencoRegistro({
          .tabella = u"posizione"_s,
          .chiave = u"idPos"_s,
          .titolo = u"TABELLA - POSIZIONE"_s,
          .etichettaRicerca = u"Nome Posizione"_s,
          .colonne = {{u"sigla_posizione"_s, u"Sigla"_s}, {u"posizione"_s, u"Posizione"_s}},
          .colonnaRicerca = u"sigla_posizione"_s,
          .colonnaMostrata = u"sigla_posizione"_s,
          .messaggioVuoto = u"Selezionare la posizione da eliminare"_s,
          .domandaElimina = u"ELiminare il tipo di posizione:"_s,
          .scheda = schedaDi<schPosizione>,
          .menuScheda = false,
          .ricercaMaiuscola = true,
      })
{
}
