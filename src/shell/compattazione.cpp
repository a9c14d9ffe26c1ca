#include "shell/compattazione.h"
#include "common/funzioni.h"
#include "common/stato.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/messaggi.h"
#include <QFile>
#include <sqlite3.h>

namespace {
const QString sorgente = QStringLiteral("Compattazione");
} // namespace

void compattaArchivio()
{
    // The work file of earlier versions is not needed any more.
    QFile::remove(cartellaProgramma() + QStringLiteral("/temp.db"));
    const QString archivio = Connessione::fileDellOrigine(stringaConnessione);
    sqlite3* db = nullptr;
    const int aperto =
        sqlite3_open_v2(QFile::encodeName(archivio).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    // VACUUM rewrites the file in place under SQLite's exclusive lock, so the file keeps its
    // identity, mode and owner and a merely connected workstation goes on using it. One that
    // is inside a transaction makes it fail at once ("busy") with the file untouched.
    if (aperto != SQLITE_OK || sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const int codice = db ? sqlite3_errcode(db) : aperto;
        if (codice == SQLITE_BUSY) {
            sqlite3_close(db);
            throw archivioOccupato();
        }
        const QString descrizione = archivio + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw ErroreDb(-codice, sorgente, descrizione);
    }
    sqlite3_close(db);
}

void mnuCompatta_Click()
{
    const Risposta r = messaggio(QStringLiteral("ATTENZIONE !\r\nPrima di eseguire questo comando,\r\n"
                                                " assicurarsi che nessun'altra postazione \r\nstia utilizzando il programma"),
                                 stile::okAnnulla, QStringLiteral("COMPATTAZIONE ARCHIVIO"));
    if (r != Risposta::OK)
        return;
    // Each step's failure is reported and the next step runs; the pointer is normal at the end.
    gestisci([] { cursoreClessidra(); });
    gestisci([] { connessione.chiudi(); });
    gestisci([] { compattaArchivio(); });
    gestisci([] { connessione.apri(stringaConnessione, QString(), QString()); });
    cursoreNormale();
}
