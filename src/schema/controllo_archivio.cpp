#include "schema/controllo_archivio.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/db/funzioni_sqlite.h"
#include "schema/aggiornamenti.h"
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
// "tabella.colonna" for every column of every table of the main database, in lower case.
const QString colonne = QStringLiteral(
    "SELECT lower(m.name) || '.' || lower(p.name) FROM main.sqlite_master m "
    "JOIN pragma_table_info(m.name, 'main') p WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite%'");

// The tables of the main database.
const QString tabelle = QStringLiteral(
    "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'");

// For every table of the main database: its name, and an expression that writes a row of it
// out as one text (each column as an SQL literal, so 0 and '0' differ).
const QString righeScritte = QStringLiteral(
    "SELECT m.name, group_concat('quote(\"' || replace(p.name, '\"', '\"\"') || '\")', \" || ',' || \") "
    "FROM main.sqlite_master m JOIN pragma_table_info(m.name, 'main') p "
    "WHERE m.type = 'table' AND m.name NOT LIKE 'sqlite%' GROUP BY m.name");

QString nomeCitato(const QString& nome)
{
    return QLatin1Char('"') + QString(nome).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The indexes and triggers of the main database written by a statement (not those SQLite makes
// for a key): kind, name in lower case, table, statement.
const QString oggetti = QStringLiteral(
    "SELECT type, lower(name), lower(tbl_name), sql FROM main.sqlite_master "
    "WHERE type IN ('index', 'trigger') AND sql IS NOT NULL");

struct Oggetto {
    QString tipo, nome, tabella, sql;
};

// A table's rows written out in the order they were inserted.
QString righe(const QString& tabella, const QString& espressione)
{
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(espressione, nomeCitato(tabella));
}

// A new database, as the base schema builds it in memory: its columns, and the rows of the
// tables that it fills (lower-case name -> the expression that writes a row out, the rows);
// then, with every later step, the indexes and triggers of the current schema.
struct Riferimento {
    QSet<QString> colonne;
    QHash<QString, std::pair<QString, QStringList>> righe;
    QList<Oggetto> oggetti;
};

Riferimento costruisciRiferimento()
{
    const QString nome = QStringLiteral("corvext-riferimento");
    Riferimento r;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(QStringLiteral(":memory:"));
        QSqlQuery q(db);
        ok = db.open();
        registraFunzioniSql(db); // an earlier step calls maiuscolo
        for (const QString& istruzione : aggiornamenti().first().istruzioni)
            ok = ok && q.exec(istruzione);
        ok = ok && q.exec(colonne);
        while (ok && q.next())
            r.colonne.insert(q.value(0).toString());
        QList<std::pair<QString, QString>> espressioni;
        ok = ok && q.exec(righeScritte);
        while (ok && q.next())
            espressioni.append({q.value(0).toString(), q.value(1).toString()});
        for (const auto& [tabella, espressione] : espressioni) {
            QStringList scritte;
            ok = ok && q.exec(righe(tabella, espressione));
            while (ok && q.next())
                scritte << q.value(0).toString();
            if (!scritte.isEmpty())
                r.righe.insert(tabella.toLower(), {espressione, scritte});
        }
        for (const Aggiornamento& a : aggiornamenti().mid(1))
            for (const QString& istruzione : a.istruzioni)
                ok = ok && q.exec(istruzione);
        ok = ok && q.exec(oggetti);
        while (ok && q.next())
            r.oggetti.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    if (!ok)
        throw ErroreDb(erroreConnessione, QStringLiteral("corvext_schema"),
                       QStringLiteral("Schema del database non disponibile"));
    return r;
}

const Riferimento& riferimento()
{
    static const Riferimento r = costruisciRiferimento();
    return r;
}

// The objects of the current schema that the file lacks, or holds with another statement.
QList<Oggetto> oggettiMancanti(Connessione& c)
{
    QHash<QString, QString> presenti;
    for (Recordset rs = c.apriAvanti(oggetti); !rs.eof(); rs.moveNext())
        presenti.insert(rs.campo(0).toString() + u' ' + rs.campo(1).toString(), rs.campo(3).toString());
    QList<Oggetto> mancanti;
    for (const Oggetto& o : riferimento().oggetti)
        if (presenti.value(o.tipo + u' ' + o.nome) != o.sql)
            mancanti.append(o);
    return mancanti;
}
} // namespace

bool schemaCompleto(Connessione& c)
{
    QSet<QString> presenti;
    for (Recordset rs = c.apriAvanti(colonne); !rs.eof(); rs.moveNext())
        presenti.insert(rs.campo(0).toString());
    return presenti.contains(riferimento().colonne);
}

bool archivioIntatto(Connessione& c)
{
    if (!schemaCompleto(c))
        return false;
    QStringList presenti;
    for (Recordset rs = c.apriAvanti(tabelle); !rs.eof(); rs.moveNext())
        presenti << rs.campo(0).toString();
    for (const QString& tabella : presenti) {
        const auto attese = riferimento().righe.constFind(tabella.toLower());
        if (attese == riferimento().righe.constEnd()) {
            if (!c.apriAvanti(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(nomeCitato(tabella))).eof())
                return false;
            continue;
        }
        QStringList trovate;
        for (Recordset rs = c.apriAvanti(righe(tabella, attese->first)); !rs.eof(); rs.moveNext())
            trovate << rs.campo(0).toString();
        if (trovate != attese->second)
            return false;
    }
    return true;
}

bool oggettiCompleti(Connessione& c)
{
    return oggettiMancanti(c).isEmpty();
}

void ripristinaOggetti(Connessione& c)
{
    bool matricole = false;
    for (const Oggetto& o : oggettiMancanti(c)) {
        c.esegui(QStringLiteral("DROP %1 IF EXISTS \"%2\"").arg(o.tipo.toUpper(), o.nome));
        c.esegui(o.sql);
        matricole = matricole || o.tabella == QLatin1String("accensionicat")
                    || o.tabella == QLatin1String("matricolearchiviate");
    }
    // Rows may have come and gone while a trigger of the archive was missing: its folded
    // serials are made again.
    if (matricole)
        for (const QString& istruzione : riempiMatricoleArchiviate())
            c.esegui(istruzione);
}
