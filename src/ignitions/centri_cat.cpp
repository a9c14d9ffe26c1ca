#include "ignitions/centri_cat.h"

using namespace Qt::StringLiterals;

namespace {
QList<CampoScheda> campi()
{
    CampoScheda nome = casella(u"nomeCAT"_s, u"txtNomeCAT"_s, u"Nome"_s);
    nome.messaggioVuoto = u"Inserire il nome del CAT!"_s;
    return {nome,
            casella(u"cittaCAT"_s, u"txtCittaCAT"_s, u"Città"_s),
            casella(u"provinciaCAT"_s, u"txtProvinciaCAT"_s, u"Provincia"_s),
            casella(u"telefonoCAT"_s, u"txtTelefonoCAT"_s, u"Telefono"_s),
            {.colonna = u"ufficiale"_s,
             .controllo = u"chkUfficiale"_s,
             .etichetta = u"Ufficiale"_s,
             .nomeEtichetta = u"lblUfficiale"_s,
             .tipo = CampoScheda::Tipo::spunta},
            {.colonna = u"noteCAT"_s,
             .controllo = u"txtNoteCAT"_s,
             .etichetta = u"Note"_s,
             .nomeEtichetta = u"lblNoteCAT"_s,
             .tipo = CampoScheda::Tipo::memo}};
}

QString siNo(const QVariant& v)
{
    if (v.isNull())
        return {};
    return v.toLongLong() == 0 ? u"N"_s : u"S"_s;
}
} // namespace

schCAT::schCAT()
    : SchedaRegistro({
          .tabella = u"CAT"_s,
          .chiave = u"idCAT"_s,
          .titolo = u"Scheda CAT"_s,
          .campi = campi(),
      })
{
}

frmElencoCAT::frmElencoCAT()
    : ElencoRegistro({
          .tabella = u"CAT"_s,
          .chiave = u"idCAT"_s,
          .titolo = u"Elenco CAT"_s,
          .etichettaRicerca = u"Nome CAT:"_s,
          .colonne = {{u"nomeCAT"_s, u"Nome"_s},
                      {u"cittaCAT"_s, u"Città"_s},
                      {u"telefonoCAT"_s, u"Telefono"_s},
                      {u"ufficiale"_s, u"Ufficiale S/N"_s, siNo}},
          .colonnaRicerca = u"nomeCAT"_s,
          .ordinamento = u"nomeCAT COLLATE ITALIANO"_s,
          .soloVivi = false,
          .eliminazioneLogica = false,
          .colonnaMostrata = u"nomeCAT"_s,
          .messaggioVuoto = u"Selezionare il CAT da eliminare"_s,
          .domandaElimina = u"ELiminare il CAT:"_s,
          .stileDomanda = stile::siNo | stile::domanda,
          // Its import runs would vanish from the history while their serials go on counting.
          .condizioneElimina = u"not exists (select 1 from movImportazioniCAT where movImportazioniCAT.codCAT = CAT.idCAT)"_s,
          .messaggioRifiuto = u"Il CAT ha almeno un'importazione di prime accensioni: non e' possibile eliminarlo."_s,
          .scheda = schedaDi<schCAT>,
          .menuScheda = false,
          .centrata = false,
          .testoDettagli = u"Modifica"_s,
      })
{
}
