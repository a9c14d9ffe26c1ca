#include "platform/report/dati_report.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include "platform/report/errori_report.h"
#include "platform/db/formato_testo.h"
#include "platform/db/valori_sqlite.h"
#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>

int DatiReport::indice(const QString& campo) const
{
    for (qsizetype i = 0; i < campi.size(); ++i)
        if (campi[i].compare(campo, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

namespace {
QString descrizione(const QSqlQuery& q)
{
    const QSqlError e = q.lastError();
    const QString testo = e.databaseText().trimmed();
    return testo.isEmpty() ? e.text() : testo;
}

// A statement of the report failed: another workstation's lock says so; anything else is
// reported as numero with testo.
[[noreturn]] void fallita(const QSqlQuery& q, long numero, const QString& testo)
{
    const ErroreDb e = erroreSqlite(q.lastError());
    if (e.numero == erroreArchivioOccupato)
        throw e;
    erroreReport(numero, testo);
}
} // namespace

CampiFormula campiDelleTabelle(const QSqlDatabase& db, const QStringList& tabelle)
{
    CampiFormula campi;
    for (const QString& tabella : tabelle) {
        // Through a statement, so that a lock is told apart from a table that is not there.
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT * FROM \"%1\" LIMIT 0").arg(QString(tabella).replace(u'"', QStringLiteral("\"\"")))))
            fallita(q, erroreFileReport, QStringLiteral("Tabella sconosciuta nel report: %1").arg(tabella));
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i) {
            const QString nome = r.fieldName(i);
            campi.insert((tabella + u'.' + nome).toLower(), QStringLiteral("\"%1\".\"%2\"").arg(tabella, nome));
        }
    }
    return campi;
}

DatiReport leggiDati(const QSqlDatabase& db, const DefinizioneReport& definizione, const CondizioneSql& condizione)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // A query the database rejects is a fault of the report file.
    if (!q.prepare(definizione.sql(condizione.testo)))
        fallita(q, erroreFileReport, QStringLiteral("Query del report non valida: %1").arg(descrizione(q)));
    for (const QVariant& v : condizione.valori)
        q.addBindValue(valoreDaLegare(v));
    if (!q.exec())
        fallita(q, erroreConnessione, descrizione(q));

    DatiReport dati;
    QList<int> colonne;
    const QSqlRecord r = q.record();
    for (const QString& campo : definizione.campiUsati()) {
        if (dati.indice(campo) >= 0)
            continue;
        const int i = r.indexOf(campo);
        if (i < 0)
            erroreReport(erroreCampoReport, QStringLiteral("Campo sconosciuto nel report: %1").arg(campo));
        dati.campi.append(campo);
        colonne.append(i);
    }
    const QVector<TipoColonna> tipi = tipiColonne(q);
    while (q.next()) {
        QStringList riga;
        riga.reserve(colonne.size());
        for (int i : colonne)
            riga.append(testoValore(valoreTipizzato(q.value(i), tipi[i]), FormatoTesto::stampa));
        dati.righe.append(riga);
    }
    if (q.lastError().isValid())
        erroreReport(erroreConnessione, descrizione(q));
    return dati;
}
