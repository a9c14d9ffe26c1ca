#include "schema/controllo_archivio.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "schema/aggiornamenti.h"
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
// "tabella.colonna" for every column of every table of the main database, in lower case.
const QString colonne = QStringLiteral(
    "SELECT lower(m.name) || '.' || lower(p.name) FROM main.sqlite_master m "
    "JOIN pragma_table_info(m.name, 'main') p WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite%'");

// The columns of a new database: the base schema built in memory.
QSet<QString> colonneDiRiferimento()
{
    const QString nome = QStringLiteral("corvext-riferimento");
    QSet<QString> trovate;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(QStringLiteral(":memory:"));
        QSqlQuery q(db);
        ok = db.open();
        for (const QString& istruzione : aggiornamenti().first().istruzioni)
            ok = ok && q.exec(istruzione);
        ok = ok && q.exec(colonne);
        while (ok && q.next())
            trovate.insert(q.value(0).toString());
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    if (!ok)
        throw ErroreDb(erroreConnessione, QStringLiteral("corvext_schema"),
                       QStringLiteral("Schema del database non disponibile"));
    return trovate;
}
} // namespace

bool schemaCompleto(Connessione& c)
{
    static const QSet<QString> attese = colonneDiRiferimento();
    QSet<QString> presenti;
    for (Recordset rs = c.apriAvanti(colonne); !rs.eof(); rs.moveNext())
        presenti.insert(rs.campo(0).toString());
    return presenti.contains(attese);
}
