#include "schema/schema.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "schema/aggiornamenti.h"
#include "schema/controllo_archivio.h"
#include <QDir>
#include <algorithm>

namespace {
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

// The first read of the file, so a file that is no database at all is told here.
bool senzaTabelle(Connessione& c)
{
    try {
        const Recordset rs =
            c.apriAvanti(QStringLiteral("SELECT count(*) AS n FROM sqlite_master WHERE type = 'table'"));
        return rs.campo(QStringLiteral("n")).toInt() == 0;
    } catch (const ErroreDb& e) {
        if (e.numero == erroreFormatoArchivio)
            throw archivioEstraneo(c);
        throw;
    }
}

int versioneRegistrata(Connessione& c)
{
    const Recordset rs = c.apriAvanti(QStringLiteral("SELECT user_version FROM pragma_user_version"));
    return rs.campo(QStringLiteral("user_version")).toInt();
}

// A file with tables is refused when a newer version upgraded it or it is not (all) ours.
void controllaArchivio(Connessione& c, int registrata)
{
    if (registrata > aggiornamenti().last().versione)
        throw archivioInutilizzabile(
            QStringLiteral("ATTENZIONE ! L'archivio %1 è stato aggiornato da una versione più recente del programma.\r\n"
                           "Questa versione non può usarlo: installare la versione più recente.")
                .arg(QDir::toNativeSeparators(c.file())));
    if (!schemaCompleto(c))
        throw archivioEstraneo(c);
}
} // namespace

void preparaDatabase(Connessione& c)
{
    // An archive already up to date is only checked, without the write lock: a start does not
    // wait for another workstation that is writing.
    if (!senzaTabelle(c)) {
        const int registrata = versioneRegistrata(c);
        controllaArchivio(c, registrata);
        if (registrata == aggiornamenti().last().versione && oggettiCompleti(c))
            return;
    }
    Transazione t(c);
    const bool nuovo = senzaTabelle(c);
    const int registrata = nuovo ? 0 : versioneRegistrata(c);
    if (!nuovo)
        controllaArchivio(c, registrata);
    // A database that already has tables holds at least the base schema.
    int versione = nuovo ? 0 : std::max(registrata, aggiornamenti().first().versione);
    for (const Aggiornamento& a : aggiornamenti()) {
        if (a.versione <= versione)
            continue;
        for (const QString& istruzione : a.istruzioni)
            c.esegui(istruzione);
        versione = a.versione;
    }
    // An index or a trigger that another tool dropped or changed is written again; one that
    // cannot be leaves the file refused.
    try {
        ripristinaOggetti(c);
    } catch (const ErroreDb&) {
        throw archivioEstraneo(c);
    }
    if (versione != registrata)
        c.esegui(QStringLiteral("PRAGMA user_version = %1").arg(versione));
    t.conferma();
}
