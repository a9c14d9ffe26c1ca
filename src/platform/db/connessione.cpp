#include "platform/db/connessione.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/errore_db.h"
#include "platform/db/letterali_jet.h"
#include <QCoreApplication>
#include <QSqlError>

Connessione connessione;

namespace {
const QString sorgente = QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers");

// SQLite's result codes for errors in the command itself: error, constraint, mismatch, range.
bool erroreNelComando(const QSqlError& e)
{
    static const QStringList codici = {QStringLiteral("1"), QStringLiteral("19"), QStringLiteral("20"),
                                       QStringLiteral("25")};
    return codici.contains(e.nativeErrorCode());
}

ErroreDb errore(const QSqlError& e)
{
    QString descrizione = e.databaseText().trimmed();
    if (descrizione.isEmpty())
        descrizione = e.driverText();
    return ErroreDb(erroreNelComando(e) ? erroreComando : erroreConnessione, sorgente, descrizione);
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

void Connessione::apri(const QString& stringa, const QString& utente, const QString& password)
{
    QString dsn = stringa.trimmed();
    if (dsn.startsWith(QStringLiteral("dsn="), Qt::CaseInsensitive) && !dsn.contains(u';'))
        dsn = dsn.mid(4);
    QSqlDatabase db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), nome);
    if (db.isOpen())
        db.close();
    db.setDatabaseName(dsn);
    if (!db.open(utente, password))
        throw ErroreDb(erroreConnessione, sorgente, db.lastError().text());
    transazioni = 0;
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
        throw ErroreDb(erroreConnessione, QStringLiteral("ADODB.Connection"),
                       QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
}

QSqlQuery Connessione::prepara(const QString& sql)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.exec(riscriviLetteraliJet(sql, oggi())))
        throw errore(q.lastError());
    return q;
}

int Connessione::esegui(const QString& sql)
{
    return prepara(sql).numRowsAffected();
}

Recordset Connessione::apriAvanti(const QString& sql)
{
    return Recordset::daQuery(prepara(sql), false);
}

Recordset Connessione::apriStatico(const QString& sql)
{
    return Recordset::daQuery(prepara(sql), true);
}

qint64 Connessione::ultimoId()
{
    QSqlQuery q = prepara(QStringLiteral("SELECT last_insert_rowid()"));
    return q.next() ? q.value(0).toLongLong() : 0;
}

void Connessione::iniziaTransazione()
{
    if (transazioni == 0) {
        if (!database().transaction())
            throw errore(database().lastError());
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
    if (--transazioni == 0 && !database().commit()) {
        const QSqlError e = database().lastError();
        database().rollback();
        throw errore(e);
    }
}

void Connessione::annullaTransazione()
{
    if (transazioni == 0)
        return;
    annullataDentro = transazioni > 1;
    transazioni = 0;
    database().rollback();
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
