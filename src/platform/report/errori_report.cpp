#include "platform/report/errori_report.h"
#include "platform/db/errore_db.h"

void erroreReport(long numero, const QString& descrizione)
{
    throw ErroreDb(numero, QStringLiteral("Motore report"), descrizione);
}
