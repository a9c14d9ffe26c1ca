#include "registers/staff/festivita.h"
#include <QDate>
#include <QLineEdit>
#include <QLocale>

using namespace Qt::StringLiterals;

schFestivita::schFestivita()
    : SchedaSecondaDisposizione({
          .tabella = u"festivita"_s,
          .chiave = u"idFestivita"_s,
          .titolo = u"Scheda Festività"_s,
          // The picker shows day and month only: what is written is that day of the current year.
          .campi = {{.colonna = u"dataFestivita"_s,
                     .controllo = u"dtpData"_s,
                     .etichetta = u"Data"_s,
                     .nomeEtichetta = u"Label1"_s,
                     .tipo = CampoScheda::Tipo::data,
                     .formatoData = u"dd/MM"_s},
                    {.colonna = u"desc_festivita"_s,
                     .controllo = u"txtNote"_s,
                     .etichetta = u"Festività"_s,
                     .nomeEtichetta = u"Label2"_s,
                     .maiuscoloInUscita = false}},
          .messaggioInesistente = u"Festivita inesistente!"_s,
      })
{
}

bool schFestivita::check()
{
    if (campo<QLineEdit>(u"desc_festivita"_s)->text().isEmpty())
        return rifiuta(u"Selezionare il nome della festività"_s);
    // 29 February of a year that has none is refused, never stored as another day.
    return SchedaSecondaDisposizione::check();
}

frmFestivita::frmFestivita()
    : ElencoRegistro({
          .tabella = u"festivita"_s,
          .chiave = u"idFestivita"_s,
          .titolo = u"TABELLA - FESTIVITA'"_s,
          .etichettaRicerca = u"Festività"_s,
          .colonne = {{u"dataFestivita"_s, u"Data"_s,
                       [](const QVariant& v) {
                           return v.isNull() ? QString() : QLocale(QLocale::Italian).toString(v.toDate(), u"dd - MMMM"_s);
                       }},
                      {u"desc_festivita"_s, u"Festività"_s}},
          .colonnaRicerca = u"desc_festivita"_s,
          .ordinamento = u"dataFestivita"_s,
          .soloVivi = false,
          .eliminazioneLogica = false,
          .messaggioVuoto = u"Selezionare la festività da eliminare"_s,
          .domandaElimina = u"ELiminare la festività selezionata "_s,
          .stileDomanda = stile::siNo | stile::domanda,
          .scheda = schedaDi<schFestivita>,
          .menuScheda = false,
      })
{
}
