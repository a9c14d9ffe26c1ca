#include "shell/compattazione.h"
#include "common/funzioni.h"
#include "common/stato.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/messaggi.h"
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

namespace {
const QString sorgente = QStringLiteral("Compattazione");

[[noreturn]] void fallisci(sqlite3* db, const QString& cosa)
{
    const QString d = cosa + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(db));
    const int codice = sqlite3_errcode(db);
    sqlite3_close(db);
    throw ErroreDb(-codice, sorgente, d);
}
} // namespace

void compattaArchivio()
{
    const QString cartella = cartellaProgramma();
    const QString archivio = cartella + QStringLiteral("/corvext.db");
    const QString lavoro = cartella + QStringLiteral("/temp.db");
    if (!QFile::exists(archivio))
        throw ErroreDb(-14, sorgente, QStringLiteral("Archivio non trovato: ") + archivio);
    // A work file left by an earlier failure is not ours to keep.
    if (QFile::exists(lavoro) && !QFile::remove(lavoro))
        throw ErroreDb(-14, sorgente, QStringLiteral("Impossibile eliminare ") + lavoro);

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(archivio).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fallisci(db, QStringLiteral("Apertura"));
    // Hold the file exclusively from here to the rename, so no other workstation can be
    // reading or writing it meanwhile; one that is makes the compaction fail untouched.
    if (sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK)
        fallisci(db, QStringLiteral("Archivio in uso da un'altra postazione"));
    const QByteArray vacuum = "VACUUM INTO '" + QFile::encodeName(lavoro).replace("'", "''") + "'";
    if (sqlite3_exec(db, vacuum.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        QFile::remove(lavoro);
        fallisci(db, QStringLiteral("Compattazione"));
    }
    // One atomic rename: at no moment is the work file the only copy.
    if (std::rename(QFile::encodeName(lavoro).constData(), QFile::encodeName(archivio).constData()) != 0) {
        const QString d = QStringLiteral("Rinomina: ") + QString::fromLocal8Bit(std::strerror(errno));
        sqlite3_close(db);
        throw ErroreDb(-errno, sorgente, d);
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
