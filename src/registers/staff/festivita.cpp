#include "registers/staff/festivita.h"
#include "platform/ambiente/ambiente.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
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
    if (static_cast<QLineEdit*>(controllo(u"desc_festivita"_s))->text().isEmpty())
        return rifiuta(u"Selezionare il nome della festività"_s);
    // 29 February of a year that has none is refused, never stored as another day.
    const QDate scelta = static_cast<DataOpzionale*>(controllo(u"dataFestivita"_s))->data();
    const int anno = oggi().year();
    if (!QDate::isValid(anno, scelta.month(), scelta.day())) {
        messaggio(u"La data "_s + scelta.toString(u"dd/MM"_s) + u" non esiste nell'anno "_s + QString::number(anno));
        return false;
    }
    return true;
}

bool schFestivita::ripristinaInformazione()
{
    if (!SchedaSecondaDisposizione::ripristinaInformazione())
        return false;
    // The picker's hidden year decides which days can be typed: 29/02 only in a leap year.
    auto* picker = static_cast<DataOpzionale*>(controllo(u"dataFestivita"_s));
    const QDate salvata = picker->data();
    const QDate corrente(oggi().year(), salvata.month(), salvata.day());
    if (corrente.isValid())
        picker->impostaData(corrente);
    return true;
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
