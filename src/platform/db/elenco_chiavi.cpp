#include "platform/db/elenco_chiavi.h"
#include "platform/db/connessione.h"

QList<qint64> elencoChiavi(const QString& sql, const QVariantList& valori)
{
    QList<qint64> c;
    for (Recordset rs = connessione.apriAvanti(sql, valori); !rs.eof(); rs.moveNext())
        c << rs.campo(0).toLongLong();
    return c;
}
