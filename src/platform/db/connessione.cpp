#include "platform/db/connessione.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include "platform/db/funzioni_sqlite.h"
#include "platform/db/letterali_jet.h"
#include "platform/odbc/origine_dati.h"
#include "platform/db/valori_sqlite.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <cerrno>
#include <unistd.h>

Connessione connessione;

namespace {
const QString sorgente = QStringLiteral("SQLite");

QString nomeDsn(const QString& stringa)
{
    QString dsn = stringa.trimmed();
    if (dsn.startsWith(QStringLiteral("dsn="), Qt::CaseInsensitive) && !dsn.contains(u';'))
        dsn = dsn.mid(4);
    return dsn;
}

// Whether the user may write the path: not when its permissions or a read-only mount forbid it.
bool scrivibile(const QString& percorso)
{
    return ::access(QFile::encodeName(percorso).constData(), W_OK) == 0 || (errno != EACCES && errno != EROFS);
}

int contatoreNomi = 0;
} // namespace

Connessione::Connessione() : nome(QStringLiteral("corvext-%1").arg(++contatoreNomi)) {}

Connessione::~Connessione()
{
    // The shared connection outlives the application object; Qt cleans up after it.
    if (QCoreApplication::instance() && QSqlDatabase::contains(nome)) {
        chiudi();
        QSqlDatabase::removeDatabase(nome);
    }
}

QString Connessione::fileDellOrigine(const QString& stringa)
{
    const odbc::OrigineSqlite o = odbc::leggiOrigineSqlite(nomeDsn(stringa));
    if (!o.errore.isEmpty())
        throw ErroreDb(erroreConnessione, sorgente, o.errore);
    return o.file;
}

void Connessione::apri(const QString& stringa, const QString&, const QString&)
{
    const QString dsn = nomeDsn(stringa);
    const odbc::OrigineSqlite o = odbc::leggiOrigineSqlite(dsn);
    if (!o.errore.isEmpty())
        throw ErroreDb(erroreConnessione, sorgente, o.errore);
    apriFile(o.file, o.attesaMs);
    nomeOrigine = dsn;
}

void Connessione::apriFile(const QString& file, int attesaMs)
{
    QSqlDatabase db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    if (db.isOpen())
        db.close();
    transazioni = 0;
    nomeOrigine.clear();
    percorso = file;
    // A file the user may not read, or in a folder he may not enter, is not a missing file.
    if (::access(QFile::encodeName(file).constData(), R_OK) != 0 && errno == EACCES)
        throw ErroreDb(erroreConnessione, sorgente,
                       QStringLiteral("Il file del database non si può aprire per mancanza di permessi: %1").arg(file));
    if (!QFileInfo(file).isFile())
        throw ErroreDb(erroreConnessione, sorgente, QStringLiteral("Il file del database non esiste: %1").arg(file));
    // SQLite would open a file it may only read, and refuse every save after the login; a
    // write also needs its journal beside the file, so the folder must take new files.
    if (!scrivibile(file) || !scrivibile(QFileInfo(file).absolutePath()))
        throw ErroreDb(erroreConnessione, sorgente,
                       QStringLiteral("Il file del database non si può modificare (sola lettura o mancanza di "
                                      "permessi): %1")
                           .arg(file));
    // mode=rw: a file that vanished meanwhile is an error, never created empty.
    db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded)
                       + QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(attesaMs));
    if (!db.open())
        throw ErroreDb(erroreConnessione, sorgente,
                       QStringLiteral("Impossibile aprire il database %1: %2").arg(file, db.lastError().text()));
    registraFunzioniSql(db);
}

void Connessione::chiudi()
{
    if (QSqlDatabase::contains(nome)) {
        QSqlDatabase db = QSqlDatabase::database(nome, false);
        if (db.isOpen())
            db.close();
    }
    transazioni = 0;
}

bool Connessione::aperta() const
{
    return QSqlDatabase::contains(nome) && QSqlDatabase::database(nome, false).isOpen();
}

QSqlDatabase Connessione::database() const
{
    controllaAperta();
    return QSqlDatabase::database(nome, false);
}

void Connessione::controllaAperta() const
{
    if (!aperta())
        throw ErroreDb(erroreConnessione, QStringLiteral("Connessione"),
                       QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
}

QSqlQuery Connessione::preparata(const QString& sql, const QVariantList& valori)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.prepare(riscriviLetteraliJet(sql, oggi())))
        throw erroreSqlite(q.lastError());
    for (const QVariant& v : valori)
        q.addBindValue(valoreDaLegare(v));
    return q;
}

QSqlQuery Connessione::prepara(const QString& sql, const QVariantList& valori)
{
    if (!valori.isEmpty()) {
        QSqlQuery q = preparata(sql, valori);
        if (!q.exec())
            throw erroreSqlite(q.lastError());
        return q;
    }
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.exec(riscriviLetteraliJet(sql, oggi())))
        throw erroreSqlite(q.lastError());
    return q;
}

int Connessione::esegui(const QString& sql, const QVariantList& valori)
{
    return prepara(sql, valori).numRowsAffected();
}

Recordset Connessione::apriAvanti(const QString& sql, const QVariantList& valori)
{
    return Recordset::avanti(prepara(sql, valori), {sql, valori});
}

Recordset Connessione::apriStatico(const QString& sql, const QVariantList& valori)
{
    return apriStatico(Lettura{sql, valori});
}

Recordset Connessione::apriStatico(const Lettura& l)
{
    Recordset rs = apriInLettura(l);
    rs.leggiTutte();
    return rs;
}

Recordset Connessione::apriInLettura(const Lettura& l)
{
    QSqlQuery q = prepara(l.sql, l.valori);
    if (!l.perIndice)
        return Recordset::inLettura(std::move(q), std::nullopt, l);
    // The index's statements run while the rows' holds the file, so all read the same archive.
    QVariantList conChiave = l.valori;
    conChiave << QVariant(qint64(0));
    return Recordset::inLettura(std::move(q),
                                LetturaPerIndice::Istruzioni{QSqlQuery(), prepara(l.perIndice->voci, l.valori),
                                                             prepara(l.perIndice->coda, l.valori),
                                                             preparata(l.perIndice->riga, conChiave),
                                                             int(l.valori.size())},
                                l);
}

qint64 Connessione::ultimoId()
{
    QSqlQuery q = prepara(QStringLiteral("SELECT last_insert_rowid()"), {});
    return q.next() ? q.value(0).toLongLong() : 0;
}

void Connessione::comando(const char* sql)
{
    prepara(QString::fromLatin1(sql), {});
}

void Connessione::iniziaTransazione()
{
    if (transazioni == 0) {
        comando("BEGIN IMMEDIATE");
        annullataDentro = false;
    }
    ++transazioni;
}

void Connessione::confermaTransazione()
{
    if (transazioni == 0) {
        // An inner group was rolled back: the outer one cannot report success.
        if (annullataDentro)
            throw ErroreDb(erroreConnessione, sorgente,
                           QStringLiteral("La transazione è stata annullata: nessuna modifica è stata salvata."));
        return;
    }
    if (--transazioni == 0) {
        try {
            comando("COMMIT");
        } catch (const ErroreDb&) {
            QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
}

void Connessione::annullaTransazione()
{
    if (transazioni == 0)
        return;
    annullataDentro = transazioni > 1;
    transazioni = 0;
    QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
}

Transazione::Transazione(Connessione& c) : c(c)
{
    c.iniziaTransazione();
}

Transazione::~Transazione()
{
    if (!chiusa && c.aperta())
        c.annullaTransazione();
}

void Transazione::conferma()
{
    chiusa = true;
    c.confermaTransazione();
}
