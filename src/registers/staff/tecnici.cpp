#include "registers/staff/tecnici.h"

using namespace Qt::StringLiterals;

schTecnico::schTecnico()
    : SchedaRegistro({
          .tabella = u"tecnici"_s,
          .chiave = u"idTecn"_s,
          .titolo = u"Scheda Tecnico"_s,
          .campi = {{.colonna = u"sigla_tecnico"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla Tecnico"_s,
                     .nomeEtichetta = u"lblFieldLabel"_s,
                     .messaggioVuoto = u"Inserire la sigla del tecnico"_s},
                    {.colonna = u"tecnico"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Nome tecnico"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Inserire il nome del tecnico"_s},
                    {.colonna = u"eliminato"_s,
                     .controllo = u"chkDisabilita"_s,
                     .etichetta = u"Disabilita"_s,
                     .nomeEtichetta = u"Label2"_s,
                     .tipo = CampoScheda::Tipo::spunta}},
      })
{
}

frmTecnici::frmTecnici()
    : ElencoRegistro({
          .tabella = u"tecnici"_s,
          .chiave = u"idTecn"_s,
          .titolo = u"TABELLA - TECNICI"_s,
          .etichettaRicerca = u"Nome Tecnico"_s,
          .colonne = {{u"sigla_tecnico"_s, u"Sigla"_s},
                      {u"tecnico"_s, u"Nome Tecnico"_s},
                      {u"eliminato"_s, u"Disabilitato"_s,
                       [](const QVariant& v) { return v.toInt() != 0 ? u"SI"_s : u"NO"_s; }}},
          .colonnaRicerca = u"tecnico"_s,
          .ordinamento = u"tecnico COLLATE ITALIANO"_s,
          // Disabled technicians are listed too.
          .soloVivi = false,
          .colonnaMostrata = u"tecnico"_s,
          .messaggioVuoto = u"Selezionare il tecnico da eliminare"_s,
          .domandaElimina = u"Eliminare il tecnico:"_s,
          .scheda = schedaDi<schTecnico>,
      })
{
}
