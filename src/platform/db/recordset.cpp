#include "platform/db/recordset.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include "platform/db/riordino_italiano.h"
#include "platform/db/valori_sqlite.h"
#include <QDate>
#include <QSqlError>
#include <QSqlRecord>
#include <sqlite3.h>
#include <algorithm>

struct Recordset::Stato {
    bool statico = false;
    Lettura lettura;
    QVector<TipoColonna> tipi;
    // static
    std::shared_ptr<DatiRecordset> dati;
    int pos = -1; // -1 before the first row, size() after the last
    // static, while its rows are being read: the statement still open, and the Italian order
    // being made when the reading asks for one
    std::optional<QSqlQuery> aperta;
    bool primaRiga = true; // the driver has already stepped onto it
    std::optional<RiordinoItaliano> riordino;
    bool codaRaggiunta = false;
    // forward-only
    QSqlQuery query;
    QVector<QVariant> corrente;
    bool fine = true;
    DatiRecordset nomi; // field names only

    // Reads up to `righe` more rows of the open statement; false once it has no more.
    bool leggiRighe(int righe);
    // A slice of the reading: its rows, then those now sure of their place shown.
    void leggi(int righe);
    void mostraLette(bool altre);
    // Reads on until the row is shown, or every row is read.
    void mostraFinoA(int riga);
};

namespace {
const QString sorgente = QStringLiteral("Recordset");

// The current row of a query, each value typed from its column's declared type.
void leggiRiga(const QSqlQuery& q, const QVector<TipoColonna>& tipi, QVector<QVariant>& riga)
{
    for (int i = 0; i < riga.size(); ++i)
        riga[i] = valoreTipizzato(q.value(i), tipi[i]);
}

// The statement's current row, each cell read from the SQLite statement itself, one copy each.
void aggiungiRiga(sqlite3_stmt* st, const QVector<TipoColonna>& tipi, DatiRecordset& d)
{
    d.nuovaRiga();
    for (int i = 0; i < tipi.size(); ++i) {
        switch (sqlite3_column_type(st, i)) {
        case SQLITE_INTEGER:
            d.scriviIntero(i, sqlite3_column_int64(st, i));
            break;
        case SQLITE_FLOAT:
            d.scriviReale(i, sqlite3_column_double(st, i));
            break;
        case SQLITE_NULL:
            d.scriviNullo(i);
            break;
        case SQLITE_BLOB:
            d.scriviBlob(i, static_cast<const char*>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i));
            break;
        default: {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            const int byte = sqlite3_column_bytes(st, i);
            if (tipi[i] == TipoColonna::altro)
                d.scriviTesto(i, t, byte);
            else
                d.scrivi(i, valoreTipizzato(t, byte, tipi[i]));
        }
        }
    }
}

// The statement behind a query; the connection was closed meanwhile when it has none.
sqlite3_stmt* istruzioneAperta(const QSqlQuery& q)
{
    sqlite3_stmt* st = istruzioneSqlite(q);
    if (!st)
        throw ErroreDb(erroreConnessione, sorgente, QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
    return st;
}

// Steps an executed query onto its next row: false at the end. The first row is the one the
// driver stepped onto when it ran the statement.
bool passo(QSqlQuery& q, sqlite3_stmt* st, bool& primaRiga)
{
    if (std::exchange(primaRiga, false)) {
        if (q.next())
            return true;
        if (q.lastError().isValid())
            throw erroreSqlite(q.lastError());
        return false;
    }
    const int esito = sqlite3_step(st);
    if (esito == SQLITE_ROW)
        return true;
    if (esito != SQLITE_DONE) {
        sqlite3* db = sqlite3_db_handle(st);
        throw erroreSqlite(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(db)), QSqlError::StatementError,
                                     QString::number(sqlite3_extended_errcode(db))));
    }
    return false;
}

ErroreDb campoMancante(const QString& nome)
{
    return ErroreDb(erroreCampo, sorgente,
                    QStringLiteral("Impossibile trovare l'elemento nell'insieme corrispondente al nome o al numero richiesto: ")
                        + nome);
}
} // namespace

bool Recordset::Stato::leggiRighe(int righe)
{
    DatiRecordset& d = *dati;
    sqlite3_stmt* st = istruzioneAperta(*aperta);
    for (int i = 0; i < righe; ++i) {
        if (!passo(*aperta, st, primaRiga))
            return false;
        aggiungiRiga(st, tipi, d);
        const int riga = d.righeLette() - 1;
        if (!riordino) {
            d.mostra(riga);
        } else if (!riordino->aggiungi(riga)) {
            // The rows from here on were read first, by the tail's statement.
            d.togliUltimaRiga();
            codaRaggiunta = true;
            return false;
        }
    }
    return true;
}

void Recordset::Stato::leggi(int righe)
{
    mostraLette(leggiRighe(righe));
}

void Recordset::Stato::mostraLette(bool altre)
{
    if (riordino)
        riordino->mostra(*dati, !altre);
    if (!altre) {
        // Every row is read: the statement lets the file go.
        aperta.reset();
        riordino.reset();
    }
}

void Recordset::Stato::mostraFinoA(int riga)
{
    while (riga >= dati->numeroRighe() && aperta)
        leggi(4096);
}

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

bool Recordset::completo() const
{
    return !s || !s->aperta;
}

bool Recordset::leggiAltre(int righe)
{
    Stato& st = stato();
    if (st.aperta)
        st.leggi(righe);
    return !st.aperta;
}

void Recordset::leggiTutte()
{
    while (!leggiAltre(4096)) {
    }
}

bool Recordset::vuoto() const
{
    return s && s->statico && !s->aperta && s->dati->righeLette() == 0;
}

bool Recordset::eof() const
{
    if (!s)
        return true;
    if (!s->statico)
        return s->fine;
    // Past the rows shown: the end only once every row is read.
    s->mostraFinoA(s->pos);
    return s->pos >= s->dati->numeroRighe();
}

bool Recordset::bof() const
{
    if (!s)
        return true;
    if (!s->statico)
        return s->fine && s->corrente.isEmpty();
    s->mostraFinoA(0);
    return s->pos < 0 || s->dati->numeroRighe() == 0;
}

int Recordset::recordCount() const
{
    if (!statico())
        return -1;
    const_cast<Recordset*>(this)->leggiTutte();
    return int(s->dati->numeroRighe());
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
        vaiA(recordCount() - 1);
}

int Recordset::posizione() const
{
    if (!statico() || s->pos < 0 || s->pos >= s->dati->numeroRighe())
        return -1;
    return s->pos;
}

void Recordset::vaiA(int riga)
{
    Stato& st = stato();
    if (!st.statico)
        throw ErroreDb(erroreFineRecordset, sorgente, QStringLiteral("Il recordset è di sola lettura in avanti."));
    if (riga >= 0)
        st.mostraFinoA(riga);
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

Recordset::Stato& Recordset::statoCampo(int i) const
{
    Stato& st = stato();
    // A snapshot on one of the rows it shows is on a row: no reading on to find out.
    const bool suRiga = st.statico && st.pos >= 0 && st.pos < st.dati->numeroRighe();
    if (!suRiga && (eof() || bof()))
        throw ErroreDb(erroreFineRecordset, sorgente,
                       QStringLiteral("BOF o EOF è True oppure il record corrente è stato eliminato."));
    if (i < 0 || i >= (st.statico ? st.dati->nomi.size() : st.corrente.size()))
        throw ErroreDb(erroreCampo, sorgente,
                       QStringLiteral("Impossibile trovare l'elemento nell'insieme corrispondente al nome o al numero richiesto."));
    return st;
}

QVariant Recordset::campo(int i) const
{
    const Stato& st = statoCampo(i);
    return st.statico ? st.dati->valore(st.pos, i) : st.corrente[i];
}

DatiRecordset::Testo Recordset::testoCampo(int i) const
{
    const Stato& st = statoCampo(i);
    return st.statico ? st.dati->testoMostrato(st.pos, i) : DatiRecordset::Testo{DatiRecordset::Testo::Classe::altro, nullptr, 0};
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
    for (int r = 0;; ++r) {
        st.mostraFinoA(r);
        if (r >= d.numeroRighe())
            break;
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
    const int i = indiceStatico(nome);
    leggiTutte();
    st.dati->ordina(i, decrescente);
    st.pos = 0;
}

std::shared_ptr<DatiRecordset> Recordset::dati() const
{
    return statico() ? s->dati : nullptr;
}

Lettura Recordset::lettura() const
{
    return s ? s->lettura : Lettura();
}

namespace {
QStringList nomiCampi(const QSqlQuery& q)
{
    const QSqlRecord rec = q.record();
    QStringList nomi;
    for (int i = 0; i < rec.count(); ++i)
        nomi << rec.fieldName(i);
    return nomi;
}
} // namespace

Recordset Recordset::avanti(QSqlQuery q, const Lettura& l)
{
    Recordset r;
    r.s = std::make_shared<Stato>();
    Stato& st = *r.s;
    st.lettura = l;
    st.nomi.nomi = nomiCampi(q);
    st.tipi = tipiColonne(q);
    st.corrente.resize(st.nomi.nomi.size());
    st.query = std::move(q);
    st.fine = !st.query.next();
    if (!st.fine)
        leggiRiga(st.query, st.tipi, st.corrente);
    else
        st.corrente.clear();
    return r;
}

Recordset Recordset::inLettura(QSqlQuery q, std::optional<QSqlQuery> coda, const Lettura& l)
{
    Recordset r;
    r.s = std::make_shared<Stato>();
    Stato& st = *r.s;
    st.statico = true;
    st.lettura = l;
    st.tipi = tipiColonne(q);
    st.dati = std::make_shared<DatiRecordset>();
    st.dati->nomi = nomiCampi(q);
    st.pos = 0;
    st.aperta = std::move(q);
    if (coda) {
        const int colonna = st.dati->indice(l.colonnaItaliana);
        if (colonna < 0)
            throw campoMancante(l.colonnaItaliana);
        st.riordino.emplace(*st.dati, colonna);
    }
    // The first row, and the tail's rows while the statement holds the file, so that both are
    // read from the same archive; nothing is shown before the tail is known.
    const bool altre = st.leggiRighe(1);
    if (coda && (st.dati->righeLette() > 0 || st.codaRaggiunta)) {
        bool primaRiga = true;
        sqlite3_stmt* c = istruzioneAperta(*coda);
        while (passo(*coda, c, primaRiga)) {
            aggiungiRiga(c, st.tipi, *st.dati);
            st.riordino->coda(st.dati->righeLette() - 1);
        }
    }
    st.mostraLette(altre);
    return r;
}
