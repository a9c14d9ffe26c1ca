#include "schema/schema.h"
#include "platform/db/connessione.h"
#include "schema/aggiornamenti.h"
#include <algorithm>

namespace {
bool senzaTabelle(Connessione& c)
{
    const Recordset rs = c.apriAvanti(QStringLiteral("SELECT count(*) AS n FROM sqlite_master WHERE type = 'table'"));
    return rs.campo(QStringLiteral("n")).toInt() == 0;
}

int versioneRegistrata(Connessione& c)
{
    const Recordset rs = c.apriAvanti(QStringLiteral("SELECT user_version FROM pragma_user_version"));
    return rs.campo(QStringLiteral("user_version")).toInt();
}
} // namespace

void preparaDatabase(Connessione& c)
{
    Transazione t(c);
    const bool nuovo = senzaTabelle(c);
    const int registrata = nuovo ? 0 : versioneRegistrata(c);
    // A database that already has tables holds at least the base schema.
    int versione = nuovo ? 0 : std::max(registrata, aggiornamenti().first().versione);
    for (const Aggiornamento& a : aggiornamenti()) {
        if (a.versione <= versione)
            continue;
        for (const QString& istruzione : a.istruzioni)
            c.esegui(istruzione);
        versione = a.versione;
    }
    if (versione != registrata)
        c.esegui(QStringLiteral("PRAGMA user_version = %1").arg(versione));
    t.conferma();
}
