#include "registers/operatori/frm_operatori.h"
#include "registers/operatori/amministratori.h"

using namespace Qt::StringLiterals;

frmOperatori::frmOperatori()
    : ElencoRegistro({
          .tabella = u"operatori"_s,
          .chiave = u"idOperatore"_s,
          .titolo = u"OPERATORI"_s,
          .etichettaRicerca = u"OPERATORE"_s,
          .colonne = {{u"opUser"_s, u"Operatore"_s},
                      {u"opPassword"_s, u"Password"_s},
                      {u"opTipo"_s, u"Tipo operatore"_s}},
          .colonnaRicerca = u"opUser"_s,
          .ordinamento = u"opUser COLLATE ITALIANO"_s,
          .soloVivi = false,
          .eliminazioneLogica = false,
          .colonnaMostrata = u"opUser"_s,
          .messaggioVuoto = u"Selezionare l'operatore da eliminare"_s,
          .domandaElimina = u"ELiminare l'operatore :"_s,
          .stileDomanda = stile::siNo | stile::domanda,
          .condizioneElimina = nonUltimoAmministratore(),
          .messaggioRifiuto = messaggioUltimoAmministratore(),
          .scheda = schedaDi<schOperatori>,
          .menuScheda = false,
      })
{
}

void frmOperatori::alCaricamento()
{
    ElencoRegistro::alCaricamento();
    if (caricamentoRiuscito())
        controllaAmministratore();
}
