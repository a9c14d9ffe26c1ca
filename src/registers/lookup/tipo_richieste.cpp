#include "registers/lookup/tipo_richieste.h"

using namespace Qt::StringLiterals;

schTipoRic::schTipoRic()
    : SchedaRegistro({
          .tabella = u"tipoRichiesta"_s,
          .chiave = u"idTipoRichiesta"_s,
          .titolo = u"Scheda Tipo Richiesta"_s,
          .campi = {{.colonna = u"tipoRicSigla"_s,
                     .controllo = u"txtSigla"_s,
                     .etichetta = u"Sigla Richiesta"_s,
                     .nomeEtichetta = u"lblFieldLabel(0)"_s,
                     .messaggioVuoto = u"Manca la sigla della richiesta"_s,
                     .maiuscoloInUscita = false},
                    {.colonna = u"tipoRicNome"_s,
                     .controllo = u"txtnome_ins"_s,
                     .etichetta = u"Tipo richiesta"_s,
                     .nomeEtichetta = u"lblFieldLabel(1)"_s,
                     .messaggioVuoto = u"Manca il nome dalla richiesta"_s,
                     .maiuscoloInUscita = false}},
          .controllo = DescrizioneScheda::Controllo::accoda,
          .ridimensionabile = true,
      })
{
}

frmTipoRichieste::frmTipoRichieste()
    : ElencoRegistro({
          .tabella = u"tipoRichiesta"_s,
          .chiave = u"idTipoRichiesta"_s,
          .titolo = u"TABELLA - RICHIESTE"_s,
          .etichettaRicerca = u"Richiesta"_s,
          .colonne = {{u"tipoRicSigla"_s, u"Sigla"_s}, {u"tipoRicNome"_s, u"Nome"_s}},
          .colonnaRicerca = u"tipoRicNome"_s,
          .ordinamento = u"tipoRicSigla COLLATE ITALIANO"_s,
          .soloVivi = false,
          .eliminazioneLogica = false,
          .colonnaMostrata = u"idTipoRichiesta"_s,
          .messaggioVuoto = u"Selezionare la tipologia di richiesta da eliminare"_s,
          .domandaElimina = u"ELiminare la tipologia di richiesta:"_s,
          // Requests that point to a vanished type would drop out of every view.
          .condizioneElimina = u"not exists (select 1 from richieste"
                               u" where richieste.ricCodRichiesta = tipoRichiesta.idTipoRichiesta)"_s,
          .messaggioRifiuto = u"La tipologia di richiesta e' utilizzata in almeno una chiamata: "
                              u"non e' possibile eliminarla."_s,
          .scheda = schedaDi<schTipoRic>,
      })
{
}
