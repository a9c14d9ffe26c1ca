#include "schema/schema.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "schema/aggiornamenti.h"
#include "schema/controllo_archivio.h"
#include <QDir>
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
ErroreDb archivioInutilizzabile(const QString& testo)
{
    return ErroreDb(erroreFormatoArchivio, QStringLiteral("corvext_schema"), testo);
}

ErroreDb archivioEstraneo(const Connessione& c)
{
    return archivioInutilizzabile(
        QStringLiteral("ATTENZIONE ! Il file %1 non è un archivio del programma o è incompleto.\r\n"
                       "Il programma non può usarlo.")
            .arg(QDir::toNativeSeparators(c.file())));
}

// The group of the preparation; its first statement is the first that reads the file.
Transazione iniziaSulFile(Connessione& c)
{
    try {
        return Transazione(c);
    } catch (const ErroreDb& e) {
        if (e.numero == erroreFormatoArchivio)
            throw archivioEstraneo(c);
        throw;
    }
}
} // namespace

void preparaDatabase(Connessione& c)
{
    Transazione t = iniziaSulFile(c);
    const bool nuovo = senzaTabelle(c);
    const int registrata = nuovo ? 0 : versioneRegistrata(c);
    if (registrata > aggiornamenti().last().versione)
        throw archivioInutilizzabile(
            QStringLiteral("ATTENZIONE ! L'archivio %1 è stato aggiornato da una versione più recente del programma.\r\n"
                           "Questa versione non può usarlo: installare la versione più recente.")
                .arg(QDir::toNativeSeparators(c.file())));
    if (!nuovo && !schemaCompleto(c))
        throw archivioEstraneo(c);
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
