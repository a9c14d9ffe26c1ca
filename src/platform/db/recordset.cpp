#include "platform/db/recordset.h"
#include "platform/db/errore_db.h"
#include "platform/db/valori_sqlite.h"
#include <QDate>
#include <QSqlRecord>
#include <algorithm>

int DatiRecordset::indice(const QString& nome) const
{
    for (int i = 0; i < nomi.size(); ++i)
        if (nomi[i].compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

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

bool numerico(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

// Orders two field values as the database would: Null first, numbers by value,
// dates and times in time order, texts without regard to case.
int confronta(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    if (numerico(a) && numerico(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.typeId() == b.typeId() && (a.typeId() == QMetaType::QDate || a.typeId() == QMetaType::QTime
                                     || a.typeId() == QMetaType::QDateTime))
        return QVariant::compare(a, b) == QPartialOrdering::Less ? -1 : (a == b ? 0 : 1);
    return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}
} // namespace

namespace {
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
    return s->statico ? s->pos >= s->dati->righe.size() : s->fine;
}

bool Recordset::bof() const
{
    if (!s)
        return true;
    return s->statico ? (s->pos < 0 || s->dati->righe.isEmpty()) : s->fine && s->corrente.isEmpty();
}

int Recordset::recordCount() const
{
    return statico() ? int(s->dati->righe.size()) : -1;
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
        vaiA(int(s->dati->righe.size()) - 1);
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
    const int n = int(st.dati->righe.size());
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
    const QVector<QVariant>& riga = st.statico ? st.dati->righe[st.pos] : st.corrente;
    if (i < 0 || i >= riga.size())
        throw ErroreDb(erroreCampo, sorgente,
                       QStringLiteral("Impossibile trovare l'elemento nell'insieme corrispondente al nome o al numero richiesto."));
    return riga[i];
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
    const auto& righe = st.dati->righe;
    for (int r = 0; r < righe.size(); ++r) {
        if (!righe[r][i].isNull() && !v.isNull() && confronta(righe[r][i], v) == 0) {
            st.pos = r;
            return true;
        }
    }
    st.pos = int(righe.size());
    return false;
}

void Recordset::ordina(const QString& nome, bool decrescente)
{
    Stato& st = stato();
    const int i = indiceStatico(nome);
    auto& righe = st.dati->righe;
    std::stable_sort(righe.begin(), righe.end(), [&](const QVector<QVariant>& a, const QVector<QVariant>& b) {
        const int c = confronta(a[i], b[i]);
        return decrescente ? c > 0 : c < 0;
    });
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
        const int n = int(nomi.size());
        while (q.next()) {
            QVector<QVariant> riga(n);
            leggiRiga(q, tipi, riga);
            st.dati->righe.push_back(std::move(riga));
        }
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
