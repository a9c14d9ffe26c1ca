#include "schema/aggiornamenti.h"
#include "platform/db/errore_db.h"
#include "schema/istruzioni_sql.h"
#include <QFile>

namespace {
QStringList schemaBase()
{
    QFile file(QStringLiteral(":/schema/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw ErroreDb(erroreConnessione, QStringLiteral("corvext_schema"),
                       QStringLiteral("Schema del database non disponibile"));
    QStringList istruzioni = divideIstruzioni(QString::fromUtf8(file.readAll()));
    istruzioni << QStringLiteral("INSERT INTO contatori (cliente, chiamata) VALUES (0, 0)")
               << QStringLiteral("INSERT INTO operatori (opUser, opPassword, opTipo) "
                                 "VALUES ('ADMIN', 'ADMIN', 'AMMINISTRATORE')");
    return istruzioni;
}
} // namespace

const QList<Aggiornamento>& aggiornamenti()
{
    static const QList<Aggiornamento> passi = {
        {1, schemaBase()},
        // The customer search by zone and by subscription expiry.
        {2,
         {QStringLiteral("CREATE INDEX IF NOT EXISTS ix_clienti_cod_zona ON clienti (cod_zona)"),
          QStringLiteral("CREATE INDEX IF NOT EXISTS ix_prodotti_ai_clienti_sc_abb ON prodotti_ai_clienti (sc_abb)")}},
    };
    return passi;
}
