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

// The imported first ignitions refuse a test date that is not a 'yyyy-mm-dd' date: the
// test-date ranges compare it as one.
QStringList dataCollaudoValida()
{
    QStringList istruzioni;
    for (const QString& tabella : {QStringLiteral("accensioniCAT"), QStringLiteral("accensioniDoppie")})
        for (const QString& evento : {QStringLiteral("INSERT"), QStringLiteral("UPDATE")})
            istruzioni << QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_dataCollaudo_%2 BEFORE %2 ON %1 "
                                         "WHEN NEW.dataCollaudo IS NOT date(NEW.dataCollaudo) "
                                         "BEGIN SELECT RAISE(ABORT, 'Data di collaudo non valida'); END")
                              .arg(tabella, evento);
    return istruzioni;
}

// Each archived serial folded as the import compares it (upper case, accented letters too),
// kept by the archive's own triggers, so that the import looks a serial up through an index
// instead of reading the whole archive. The fold is the program's SQL function maiuscolo, which
// other ODBC tools lack: the next step does without it.
QStringList matricoleDaConfrontare()
{
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS matricoleArchiviate ("
                       "idPrimaAccensione INTEGER PRIMARY KEY, matricolaDaContr TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ix_matricoleArchiviate_matricolaDaContr "
                       "ON matricoleArchiviate (matricolaDaContr, idPrimaAccensione)"),
        QStringLiteral("INSERT OR IGNORE INTO matricoleArchiviate SELECT idPrimaAccensione, maiuscolo(matricola) "
                       "FROM accensioniCAT WHERE matricola IS NOT NULL"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS accensioniCAT_matricola_INSERT AFTER INSERT ON accensioniCAT "
                       "WHEN NEW.matricola IS NOT NULL BEGIN "
                       "INSERT INTO matricoleArchiviate VALUES (NEW.idPrimaAccensione, maiuscolo(NEW.matricola)); END"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS accensioniCAT_matricola_UPDATE "
                       "AFTER UPDATE OF idPrimaAccensione, matricola ON accensioniCAT BEGIN "
                       "DELETE FROM matricoleArchiviate WHERE idPrimaAccensione = OLD.idPrimaAccensione; "
                       "INSERT INTO matricoleArchiviate SELECT NEW.idPrimaAccensione, maiuscolo(NEW.matricola) "
                       "WHERE NEW.matricola IS NOT NULL; END"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS accensioniCAT_matricola_DELETE AFTER DELETE ON accensioniCAT BEGIN "
                       "DELETE FROM matricoleArchiviate WHERE idPrimaAccensione = OLD.idPrimaAccensione; END"),
    };
}

// The folded serials again, with SQLite's own functions only, so that every ODBC tool can write
// the archive: upper() folds A to Z, which is the whole fold of a serial of printable ASCII; any
// other serial is stored Null, marked for the program to fold (maiuscolo) before it looks
// serials up.
const QString piegaSql =
    QStringLiteral("CASE WHEN %1 GLOB '*[^ -~]*' THEN NULL ELSE upper(%1) END");

QStringList matricoleConFunzioniSqlite()
{
    QStringList istruzioni;
    for (const QString& evento : {QStringLiteral("INSERT"), QStringLiteral("UPDATE"), QStringLiteral("DELETE")})
        istruzioni << QStringLiteral("DROP TRIGGER IF EXISTS accensioniCAT_matricola_%1").arg(evento);
    istruzioni << QStringLiteral("DROP TABLE IF EXISTS matricoleArchiviate")
               << QStringLiteral("CREATE TABLE matricoleArchiviate (idPrimaAccensione INTEGER PRIMARY KEY, "
                                 "matricolaDaContr TEXT)")
               << QStringLiteral("CREATE INDEX ix_matricoleArchiviate_matricolaDaContr "
                                 "ON matricoleArchiviate (matricolaDaContr, idPrimaAccensione)")
               << riempiMatricoleArchiviate()
               << QStringLiteral("CREATE TRIGGER accensioniCAT_matricola_INSERT AFTER INSERT ON accensioniCAT "
                                 "WHEN NEW.matricola IS NOT NULL BEGIN "
                                 "INSERT INTO matricoleArchiviate VALUES (NEW.idPrimaAccensione, %1); END")
                      .arg(piegaSql.arg(QStringLiteral("NEW.matricola")))
               << QStringLiteral("CREATE TRIGGER accensioniCAT_matricola_UPDATE "
                                 "AFTER UPDATE OF idPrimaAccensione, matricola ON accensioniCAT BEGIN "
                                 "DELETE FROM matricoleArchiviate WHERE idPrimaAccensione = OLD.idPrimaAccensione; "
                                 "INSERT INTO matricoleArchiviate SELECT NEW.idPrimaAccensione, %1 "
                                 "WHERE NEW.matricola IS NOT NULL; END")
                      .arg(piegaSql.arg(QStringLiteral("NEW.matricola")))
               << QStringLiteral("CREATE TRIGGER accensioniCAT_matricola_DELETE AFTER DELETE ON accensioniCAT BEGIN "
                                 "DELETE FROM matricoleArchiviate WHERE idPrimaAccensione = OLD.idPrimaAccensione; END");
    return istruzioni;
}
} // namespace

QStringList riempiMatricoleArchiviate()
{
    return {QStringLiteral("DELETE FROM matricoleArchiviate"),
            QStringLiteral("INSERT INTO matricoleArchiviate SELECT idPrimaAccensione, %1 FROM accensioniCAT "
                           "WHERE matricola IS NOT NULL")
                .arg(piegaSql.arg(QStringLiteral("matricola")))};
}

const QList<Aggiornamento>& aggiornamenti()
{
    static const QList<Aggiornamento> passi = {
        {1, schemaBase()},
        {2, dataCollaudoValida()},
        // The customer search by zone and by subscription expiry.
        {3,
         {QStringLiteral("CREATE INDEX IF NOT EXISTS ix_clienti_cod_zona ON clienti (cod_zona)"),
          QStringLiteral("CREATE INDEX IF NOT EXISTS ix_prodotti_ai_clienti_sc_abb ON prodotti_ai_clienti (sc_abb)")}},
        {4, matricoleDaConfrontare()},
        {5, matricoleConFunzioniSqlite()},
    };
    return passi;
}
