#include "platform/db/recordset.h"
#include "platform/db/errore_db.h"
#include "platform/db/errore_sqlite.h"
#include "platform/db/righe_sqlite.h"
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
    // static, while its rows are being read: the statement still open, or the reading by an index
    std::optional<QSqlQuery> aperta;
    bool primaRiga = true; // the driver has already stepped onto it
    std::unique_ptr<LetturaPerIndice> perIndice;
    // forward-only
    QSqlQuery query;
    QVector<QVariant> corrente;
    bool fine = true;
    DatiRecordset nomi; // field names only

    bool inLettura() const { return aperta || perIndice; }
    // Reads up to about `righe` more rows and shows those sure of their place; once every row
    // is read, the statements let the file go.
    void leggi(int righe);
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

ErroreDb campoMancante(const QString& nome)
{
    return ErroreDb(erroreCampo, sorgente,
                    QStringLiteral("Impossibile trovare l'elemento nell'insieme corrispondente al nome o al numero richiesto: ")
                        + nome);
}
} // namespace

void Recordset::Stato::leggi(int righe)
{
    bool altre = true;
    if (perIndice) {
        altre = perIndice->leggi(righe);
    } else {
        DatiRecordset& d = *dati;
        sqlite3_stmt* st = istruzioneAperta(*aperta);
        for (int i = 0; i < righe && altre; ++i) {
            altre = passo(*aperta, st, primaRiga);
            if (altre) {
                aggiungiRiga(st, tipi, d);
                d.mostra(d.righeLette() - 1);
            }
        }
    }
    if (!altre) {
        aperta.reset();
        perIndice.reset();
    }
}

void Recordset::Stato::mostraFinoA(int riga)
{
    while (riga >= dati->numeroRighe() && inLettura())
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
    return !s || !s->inLettura();
}

bool Recordset::leggiAltre(int righe)
{
    Stato& st = stato();
    if (st.inLettura())
        st.leggi(righe);
    return !st.inLettura();
}

void Recordset::leggiTutte()
{
    while (!leggiAltre(4096)) {
    }
}

bool Recordset::vuoto() const
{
    return s && s->statico && !s->inLettura() && s->dati->numeroRighe() == 0;
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

int Recordset::trova(const QString& nome, const QVariant& v, bool leggendo)
{
    Stato& st = stato();
    const int i = indiceStatico(nome);
    const DatiRecordset& d = *st.dati;
    for (int r = 0;; ++r) {
        if (leggendo)
            st.mostraFinoA(r);
        if (r >= d.numeroRighe())
            return -1;
        if (!d.nullo(r, i) && !v.isNull() && d.confronta(r, i, v) == 0)
            return r;
    }
}

bool Recordset::cerca(const QString& nome, const QVariant& v)
{
    const int r = trova(nome, v, true);
    s->pos = r >= 0 ? r : s->dati->numeroRighe();
    return r >= 0;
}

bool Recordset::cercaTraMostrate(const QString& nome, const QVariant& v)
{
    const int r = trova(nome, v, false);
    if (r >= 0)
        s->pos = r;
    return r >= 0;
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

Recordset Recordset::inLettura(QSqlQuery q, std::optional<LetturaPerIndice::Istruzioni> indice, const Lettura& l)
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
    if (indice) {
        indice->righe = std::move(q);
        st.perIndice = std::make_unique<LetturaPerIndice>(std::move(*indice), *st.dati, st.tipi);
    } else {
        st.aperta = std::move(q);
    }
    st.leggi(1);
    return r;
}
