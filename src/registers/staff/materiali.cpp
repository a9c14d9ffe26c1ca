#include "registers/staff/materiali.h"
#include "common/elenchi.h"

using namespace Qt::StringLiterals;

schMateriale::schMateriale()
    : SchedaSecondaDisposizione({
          .tabella = u"materiali"_s,
          .chiave = u"idMat"_s,
          .titolo = u"Scheda Materiale"_s,
          .campi = {{.colonna = u"cod_gruppo"_s,
                     .controllo = u"cmbGruppo"_s,
                     .etichetta = u"Gruppo"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .messaggioVuoto = u"Selezionare la tipologia del gruppo"_s,
                     .tipo = CampoScheda::Tipo::combo,
                     .sqlVoci = istruzioneCodici(Codici::aree, u"strGruppo"_s, {.ordine = ComeElenco::perSigla}),
                     .campoMostrato = u"strGruppo"_s,
                     .campoLegato = u"idGruppo"_s},
                    {.colonna = u"mat_nome"_s,
                     .controllo = u"txtNome"_s,
                     .etichetta = u"Sigla Materiale :"_s,
                     .nomeEtichetta = u"Label2"_s,
                     .messaggioVuoto = u"Inserire il nome del materiale"_s},
                    {.colonna = u"mat_descrizione"_s,
                     .controllo = u"txtDescrizione"_s,
                     .etichetta = u"Descrizione"_s,
                     .nomeEtichetta = u"Label3"_s}},
          .messaggioInesistente = u"Materiale inesistente!"_s,
      })
{
}

QString schMateriale::istruzioneLettura() const
{
    return SchedaSecondaDisposizione::istruzioneLettura() + u" and eliminato=0"_s;
}

frmMateriali::frmMateriali()
    : ElencoOrdinato(
          {
              .tabella = u"materiali"_s,
              .chiave = u"idMat"_s,
              .titolo = u"TABELLA - ASSOCIAZIONE GRUPPO /  MATERIALE"_s,
              .etichettaRicerca = u"Descrizione : "_s,
              .colonne = {{u"gruppo_nome"_s, u"Sigla Gruppo"_s},
                          {u"gruppo_descrizione"_s, u"Nome Gruppo"_s},
                          {u"mat_nome"_s, u"Sigla Materiale"_s},
                          {u"mat_descrizione"_s, u"Materiale"_s}},
              .colonnaMostrata = u"mat_nome"_s,
              .messaggioVuoto = u"Selezionare il nome del materiale da eliminare"_s,
              .domandaElimina = u"ELiminare il materiale:"_s,
              .stileDomanda = stile::siNo | stile::domanda,
              .scheda = schedaDi<schMateriale>,
          },
          {
              .etichetta = u"Ordinamento"_s,
              // Materials of a soft-deleted group are listed all the same.
              .selezione = u"SELECT * FROM materiali inner join area_int on materiali.cod_gruppo = area_int.idGruppo"_s,
              .filtro = u"materiali.eliminato=0"_s,
              .opzioni = {{u"optOrdinaPerGruppo"_s, u"Gruppo"_s, u"gruppo_nome COLLATE ITALIANO, mat_nome COLLATE ITALIANO"_s, u"area_int.gruppo_nome"_s,
                           u"gruppo_nome COLLATE ITALIANO, mat_nome COLLATE ITALIANO"_s},
                          {u"optOrdinaPerMateriale"_s, u"Materiale"_s, u"mat_nome COLLATE ITALIANO"_s, u"mat_nome"_s, u"mat_nome COLLATE ITALIANO"_s}},
          })
{
}
