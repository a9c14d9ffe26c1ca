#include "registers/staff/installatori.h"

using namespace Qt::StringLiterals;

namespace {
QList<CampoScheda> caselle()
{
    CampoScheda nome = casella(u"nome_ins"_s, u"txtnome_ins"_s, u"Nome Installatore"_s);
    nome.nomeEtichetta = u"lblFieldLabel"_s;
    nome.messaggioVuoto = u"Manca il nome dell'installatore"_s;
    // In tab order: "Cellulare" comes before "Telefono".
    return {nome,
            casella(u"ragionesociale_ins"_s, u"txtRagioneSociale"_s, u"Ragione Sociale"_s),
            casella(u"indirizzo_ins"_s, u"txtIndirizzo"_s, u"Indirizzo"_s),
            accanto(casella(u"numero_ins"_s, u"txtNumeroCivico"_s, u"Numero"_s), 60),
            accanto(casella(u"interno_ins"_s, u"txtInterno"_s, u"Interno"_s), 60),
            casella(u"localita_ins"_s, u"txtLocalita"_s, u"Località"_s),
            accanto(casella(u"caplocalita_ins"_s, u"txtCapLocalita"_s, u"CAP Località"_s), 70),
            casella(u"comune_ins"_s, u"txtComune"_s, u"Comune"_s),
            accanto(casella(u"capcomune_ins"_s, u"txtCapComune"_s, u"CAP Comune"_s), 70),
            casella(u"provincia_ins"_s, u"txtProvincia"_s, u"Provincia"_s),
            casella(u"cellulare_ins"_s, u"txtCellulare"_s, u"Cellulare"_s),
            casella(u"telefono_ins"_s, u"txtTelefono"_s, u"Telefono"_s),
            casella(u"email_ins"_s, u"txtEmail"_s, u"Email"_s)};
}
} // namespace

schInstallatore::schInstallatore()
    : SchedaRegistro({
          .tabella = u"installatori"_s,
          .chiave = u"idInst"_s,
          .titolo = u"Scheda Installatore"_s,
          .campi = caselle(),
      })
{
}

frmInstallatori::frmInstallatori()
    : ElencoRegistro({
          .tabella = u"installatori"_s,
          .chiave = u"idInst"_s,
          .titolo = u"TABELLA - INSTALLATORI"_s,
          .etichettaRicerca = u"Nome Installatore"_s,
          .colonne = {{u"nome_ins"_s, u"Nome Installatore"_s}},
          .colonnaRicerca = u"nome_ins"_s,
          .ordinamento = u"nome_ins COLLATE ITALIANO"_s,
          .colonnaMostrata = u"nome_ins"_s,
          .messaggioVuoto = u"Selezionare l'installatore da eliminare"_s,
          .domandaElimina = u"ELiminare l'installatore:"_s,
          .scheda = schedaDi<schInstallatore>,
          .menuScheda = false,
      })
{
}
