#include "calls/scadenza_abbonamento.h"

QDate scadenzaProposta(const QDate& stipulazione)
{
    const int anno = stipulazione.year() + 1;
    const QDate d(anno, stipulazione.month(), stipulazione.day());
    return d.isValid() ? d : QDate(anno, 2, 28);
}
