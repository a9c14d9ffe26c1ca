#include "platform/db/recordset.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include "platform/db/valori_sqlite.h"
#include <QDate>
#include <QSqlError>
#include <QSqlRecord>
#include <sqlite3.h>
#include <algorithm>

struct Recordset::Stato {
    bool statico = false;
    QString istruzione;
    QVariantList valori;
    // static
    std::shared_ptr<DatiRecordset> dati;
    int pos = -1; // -1 before the first row, size() after the last
    // forward-only
    QSqlQuery query;
    QVector<TipoColonna> tipi;
    QVector<QVariant> corrente;
    bool fine = true;
    DatiRecordset nomi; // field names only
};

namespace {
const QString sorgente = QStringLiteral("Recordset");

// The current row of a query, each value typed from its column's declared type.
void leggiRiga(const QSqlQuery& q, const QVector<TipoColonna>& tipi, QVector<QVariant>& riga)
{
    for (int i = 0; i < riga.size(); ++i)
        riga[i] = valoreTipizzato(q.value(i), tipi[i]);
}

// Every row of an executed query. The cells are read from the SQLite statement itself, one
// copy each, rather than through the driver's own values.
void leggiStatico(QSqlQuery& q, const QVector<TipoColonna>& tipi, DatiRecordset& d)
{
    if (!q.next()) {
        if (q.lastError().isValid())
            throw erroreSqlite(q.lastError());
        return;
    }
    // The driver has stepped to the first row and not beyond: the statement is on it.
    sqlite3_stmt* st = istruzioneSqlite(q);
    const int n = int(d.nomi.size());
    if (!st) {
        do {
            d.nuovaRiga();
            for (int i = 0; i < n; ++i)
                d.aggiungi(valoreTipizzato(q.value(i), tipi[i]));
        } while (q.next());
        return;
    }
    int esito = SQLITE_ROW;
    do {
        d.nuovaRiga();
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                d.aggiungiIntero(sqlite3_column_int64(st, i));
                break;
            case SQLITE_FLOAT:
                d.aggiungiReale(sqlite3_column_double(st, i));
                break;
            case SQLITE_NULL:
                d.aggiungiNullo();
                break;
            case SQLITE_BLOB:
                d.aggiungiBlob(static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i));
                break;
            default: {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                const int byte = sqlite3_column_bytes(st, i);
                if (tipi[i] == TipoColonna::altro)
                    d.aggiungiTesto(t, byte);
                else
                    d.aggiungi(valoreTipizzato(QString::fromUtf8(t, byte), tipi[i]));
            }
            }
        }
    } while ((esito = sqlite3_step(st)) == SQLITE_ROW);
    if (esito != SQLITE_DONE) {
        sqlite3* db = sqlite3_db_handle(st);
        throw erroreSqlite(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db)), QSqlError::StatementError,
                                     QString::number(sqlite3_extended_errcode(db))));
    }
}

ErroreDb campoMancante(const QString& nome)
{
    return ErroreDb(erroreCampo, sorgente,
                    QStringLiteral("Impossibile trovare l'elemento nell'insieme corrispondente al nome o al numero richiesto: ")
                        + nome);
}
} // namespace

// The column of a field in a static recordset.
int Recordset::indiceStatico(const QString& nome) const
{
    const int i = stato().statico ? s->dati->indice(nome) : -1;
    if (i < 0)
        throw campoMancante(nome);
    return i;
}

Recordset::Stato& Recordset::stato() const
{
    if (!s)
        throw ErroreDb(erroreFineRecordset, sorgente, QStringLiteral("Il recordset non è aperto."));
    return *s;
}

bool Recordset::statico() const { return s && s->statico; }

bool Recordset::eof() const
{
    if (!s)
        return true;
    return s->statico ? s->pos >= s->dati->numeroRighe() : s->fine;
}

bool Recordset::bof() const
{
    if (!s)
        return true;
    return s->statico ? (s->pos < 0 || s->dati->numeroRighe() == 0) : s->fine && s->corrente.isEmpty();
}

int Recordset::recordCount() const
{
    return statico() ? int(s->dati->numeroRighe()) : -1;
}

void Recordset::moveNext()
{
    Stato& st = stato();
    if (eof())
        throw ErroreDb(erroreFineRecordset, sorgente,
                       QStringLiteral("BOF o EOF è True oppure il record corrente è stato eliminato."));
    if (st.statico) {
        ++st.pos;
        return;
    }
    if (st.query.next()) {
        leggiRiga(st.query, st.tipi, st.corrente);
    } else {
        st.fine = true;
    }
}

void Recordset::moveFirst() { vaiA(0); }

void Recordset::moveLast()
{
    if (statico())
        vaiA(int(s->dati->numeroRighe()) - 1);
}

int Recordset::posizione() const
{
    if (!statico() || eof() || bof())
        return -1;
    return s->pos;
}

void Recordset::vaiA(int riga)
{
    Stato& st = stato();
    if (!st.statico)
        throw ErroreDb(erroreFineRecordset, sorgente, QStringLiteral("Il recordset è di sola lettura in avanti."));
    const int n = int(st.dati->numeroRighe());
    st.pos = (riga < 0 || riga >= n) ? n : riga;
}

int Recordset::numeroCampi() const
{
    if (!s)
        return 0;
    return int(s->statico ? s->dati->nomi.size() : s->nomi.nomi.size());
}

QString Recordset::nomeCampo(int i) const
{
    return s->statico ? s->dati->nomi.value(i) : s->nomi.nomi.value(i);
}

bool Recordset::haCampo(const QString& nome) const
{
    if (!s)
        return false;
    return (s->statico ? s->dati->indice(nome) : s->nomi.indice(nome)) >= 0;
}

QVariant Recordset::campo(int i) const
{
    Stato& st = stato();
    if (eof() || bof())
        throw ErroreDb(erroreFineRecordset, sorgente,
                       QStringLiteral("BOF o EOF è True oppure il record corrente è stato eliminato."));
    if (i < 0 || i >= (st.statico ? st.dati->nomi.size() : st.corrente.size()))
        throw ErroreDb(erroreCampo, sorgente,
                       QStringLiteral("Impossibile trovare l'elemento nell'insieme corrispondente al nome o al numero richiesto."));
    return st.statico ? st.dati->valore(st.pos, i) : st.corrente[i];
}

QVariant Recordset::campo(const QString& nome) const
{
    Stato& st = stato();
    const int i = st.statico ? st.dati->indice(nome) : st.nomi.indice(nome);
    if (i < 0)
        throw campoMancante(nome);
    return campo(i);
}

bool Recordset::cerca(const QString& nome, const QVariant& v)
{
    Stato& st = stato();
    const int i = indiceStatico(nome);
    const DatiRecordset& d = *st.dati;
    for (int r = 0; r < d.numeroRighe(); ++r) {
        if (!d.nullo(r, i) && !v.isNull() && d.confronta(r, i, v) == 0) {
            st.pos = r;
            return true;
        }
    }
    st.pos = d.numeroRighe();
    return false;
}

void Recordset::ordina(const QString& nome, bool decrescente)
{
    Stato& st = stato();
    st.dati->ordina(indiceStatico(nome), decrescente);
    st.pos = 0;
}

std::shared_ptr<DatiRecordset> Recordset::dati() const
{
    return statico() ? s->dati : nullptr;
}

QString Recordset::istruzione() const
{
    return s ? s->istruzione : QString();
}

QVariantList Recordset::valori() const
{
    return s ? s->valori : QVariantList();
}

Recordset Recordset::daQuery(QSqlQuery q, bool statico, const QString& istruzione, const QVariantList& valori)
{
    Recordset r;
    r.s = std::make_shared<Stato>();
    Stato& st = *r.s;
    st.statico = statico;
    st.istruzione = istruzione;
    st.valori = valori;
    const QSqlRecord rec = q.record();
    QStringList nomi;
    for (int i = 0; i < rec.count(); ++i)
        nomi << rec.fieldName(i);
    const QVector<TipoColonna> tipi = tipiColonne(q);
    if (statico) {
        st.dati = std::make_shared<DatiRecordset>();
        st.dati->nomi = nomi;
        leggiStatico(q, tipi, *st.dati);
        st.pos = 0;
        return r;
    }
    st.nomi.nomi = nomi;
    st.tipi = tipi;
    st.corrente.resize(nomi.size());
    st.query = std::move(q);
    st.fine = !st.query.next();
    if (!st.fine)
        leggiRiga(st.query, st.tipi, st.corrente);
    else
        st.corrente.clear();
    return r;
}
