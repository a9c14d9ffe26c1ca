#include "registers/staff/ferie.h"
#include "common/elenchi.h"
#include "platform/db/ricerca_prefisso.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"

using namespace Qt::StringLiterals;

namespace {
CampoScheda giorno(const QString& colonna, const QString& controllo, const QString& etichetta, const QString& nome)
{
    return {.colonna = colonna,
            .controllo = controllo,
            .etichetta = etichetta,
            .nomeEtichetta = nome,
            .tipo = CampoScheda::Tipo::data};
}
} // namespace

schFerie::schFerie()
    : SchedaSecondaDisposizione({
          .tabella = u"ferie"_s,
          .chiave = u"idFerie"_s,
          .titolo = u"Scheda Ferie"_s,
          .campi = {{.colonna = u"ferieCodTecnico"_s,
                     .controllo = u"cmbTecnico"_s,
                     .etichetta = u"Tecnico"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .tipo = CampoScheda::Tipo::combo,
                     .sqlVoci = istruzioneCodici(Codici::tecnici, u"infoTecnico"_s,
                                                 {.ordine = ComeElenco::perSigla,
                                                  .nulli = ComeElenco::parteVuota,
                                                  .separatore = u" "_s}),
                     .campoMostrato = u"infoTecnico"_s,
                     .campoLegato = u"idTecn"_s},
                    giorno(u"ferieDataDa"_s, u"dtpDataDa"_s, u"Data da"_s, u"Label2"_s),
                    accanto(giorno(u"ferieDataA"_s, u"dtpDataA"_s, u"Data a"_s, u"Label3"_s)),
                    {.colonna = u"ferieNote"_s,
                     .controllo = u"txtNote"_s,
                     .etichetta = u"Note"_s,
                     .nomeEtichetta = u"Label4"_s,
                     .maiuscoloInUscita = false}},
          .messaggioInesistente = u"Ferie inesistente!"_s,
      })
{
}

bool schFerie::check()
{
    auto* da = campo<DataOpzionale>(u"ferieDataDa"_s);
    auto* a = campo<DataOpzionale>(u"ferieDataA"_s);
    if (a->data() < da->data()) {
        const QDate primo = a->data();
        a->impostaData(da->data());
        da->impostaData(primo);
    }
    if (campo<ComboDati>(u"ferieCodTecnico"_s)->valoreLegato().isNull())
        return rifiuta(u"Selezionare il tecnico"_s);
    return true;
}

frmFerie::frmFerie()
    : ElencoRegistro({
          .tabella = u"ferie"_s,
          .chiave = u"idFerie"_s,
          .titolo = u"TABELLA - FERIE"_s,
          .etichettaRicerca = u"Sigla Tecnico"_s,
          .colonne = {{u"tec"_s, u"Tecnico"_s}, {u"dataDA"_s, u"Dal"_s}, {u"dataA"_s, u"Al"_s}},
          .colonnaEliminato = u"ferieEliminato"_s,
          .messaggioVuoto = u"Selezionare le ferie da eliminare"_s,
          .domandaElimina = u"ELiminare il periodo di ferie selezionato"_s,
          .stileDomanda = stile::siNo | stile::domanda,
          .scheda = schedaDi<schFerie>,
          .menuScheda = false,
      })
{
}

QString frmFerie::istruzioneElenco() const
{
    // Periods of disabled technicians are listed too.
    const QString sql = u"SELECT idFerie, ifnull(sigla_tecnico,'') || '%1' || ifnull(tecnico,'') as tec,"
                        u" ferieDataDa as dataDA, ferieDataA as dataA"
                        u" FROM ferie inner join tecnici on ferie.ferieCodTecnico = tecnici.idTecn"
                        u" where ferie.ferieEliminato=0"_s;
    if (criterio.isEmpty())
        return sql.arg(u" - "_s) + u" order by sigla_tecnico COLLATE ITALIANO"_s;
    return sql.arg(u" "_s) + u" and "_s + condizionePrefisso(u"tecnici.sigla_tecnico"_s, criterio);
}
