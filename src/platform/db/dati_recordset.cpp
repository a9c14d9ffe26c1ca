#include "platform/db/dati_recordset.h"
#include "platform/db/errore_db.h"
#include "platform/db/ordine_italiano.h"
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <algorithm>
#include <cstring>

namespace {
quint64 daDoppio(double v)
{
    quint64 b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double doppio(quint64 b)
{
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

// A date and time as its day and its milliseconds in the day.
quint64 daDataOra(const QDateTime& t)
{
    return (quint64(t.date().toJulianDay()) << 32) | quint32(t.time().msecsSinceStartOfDay());
}

int segno(auto a, auto b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}
} // namespace

int DatiRecordset::indice(const QString& nome) const
{
    for (int i = 0; i < nomi.size(); ++i)
        if (nomi[i].compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant DatiRecordset::valore(int riga, int colonna) const
{
    return valoreCella(cella(riga, colonna));
}

QVariant DatiRecordset::valoreCella(qsizetype c) const
{
    const quint64 b = celle[c];
    switch (tipi[c]) {
    case Tipo::nullo:
        return QVariant();
    case Tipo::intero:
        return qint64(b);
    case Tipo::reale:
        return doppio(b);
    case Tipo::testo:
        return QString::fromUtf8(testi.data() + inizio(b), lunghezza(b));
    case Tipo::blob:
        return QByteArray(testi.data() + inizio(b), lunghezza(b));
    case Tipo::data:
        return QDate::fromJulianDay(qint64(b));
    case Tipo::ora:
        return QTime::fromMSecsSinceStartOfDay(int(b));
    case Tipo::dataOra:
        return QDateTime(QDate::fromJulianDay(qint64(b >> 32)), QTime::fromMSecsSinceStartOfDay(int(b & 0xffffffffu)));
    }
    return QVariant();
}

bool DatiRecordset::nullo(int riga, int colonna) const
{
    return tipi[cella(riga, colonna)] == Tipo::nullo;
}

int DatiRecordset::confronta(int rigaA, int rigaB, int colonna) const
{
    return confrontaCelle(cella(rigaA, colonna), cella(rigaB, colonna));
}

int DatiRecordset::confrontaCelle(qsizetype a, qsizetype b) const
{
    const Tipo ta = tipi[a], tb = tipi[b];
    const quint64 x = celle[a], y = celle[b];
    if (ta == Tipo::nullo || tb == Tipo::nullo)
        return int(ta != Tipo::nullo) - int(tb != Tipo::nullo);
    if (ta == Tipo::intero && tb == Tipo::intero)
        return segno(qint64(x), qint64(y));
    if ((ta == Tipo::intero || ta == Tipo::reale) && (tb == Tipo::intero || tb == Tipo::reale))
        return segno(ta == Tipo::intero ? double(qint64(x)) : doppio(x), tb == Tipo::intero ? double(qint64(y)) : doppio(y));
    if (ta == tb && (ta == Tipo::data || ta == Tipo::ora || ta == Tipo::dataOra))
        return segno(x, y);
    if (ta == Tipo::testo && tb == Tipo::testo)
        return ordineItaliano::confronta(testi.data() + inizio(x), lunghezza(x), testi.data() + inizio(y),
                                         lunghezza(y));
    return ordineItaliano::confronta(valoreCella(a).toString(), valoreCella(b).toString());
}

int DatiRecordset::confronta(int riga, int colonna, const QVariant& v) const
{
    // A whole number against a whole number (a key sought) without making the cell a value.
    const qsizetype c = cella(riga, colonna);
    if (tipi[c] == Tipo::intero && (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int))
        return segno(qint64(celle[c]), v.toLongLong());
    const QVariant a = valore(riga, colonna);
    if (a.isNull() || v.isNull())
        return int(!a.isNull()) - int(!v.isNull());
    const auto numero = [](const QVariant& n) {
        switch (n.typeId()) {
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
    };
    if (numero(a) && numero(v))
        return segno(a.toDouble(), v.toDouble());
    if (a.typeId() == v.typeId()
        && (a.typeId() == QMetaType::QDate || a.typeId() == QMetaType::QTime || a.typeId() == QMetaType::QDateTime))
        return QVariant::compare(a, v) == QPartialOrdering::Less ? -1 : (a == v ? 0 : 1);
    return ordineItaliano::confronta(a.toString(), v.toString());
}

void DatiRecordset::ordina(int colonna, bool decrescente)
{
    const qsizetype n = nomi.size();
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
        const int c = confrontaCelle(a * n + colonna, b * n + colonna);
        return decrescente ? c > 0 : c < 0;
    });
}

void DatiRecordset::togliUltimaRiga()
{
    --lette;
    celle.tronca(qsizetype(lette) * nomi.size());
    tipi.tronca(celle.size());
    testi.tronca(testiPrimaDellUltima);
}

void DatiRecordset::troppoLungo()
{
    throw ErroreDb(erroreCampo, QStringLiteral("Recordset"), QStringLiteral("Valore troppo lungo per essere letto."));
}

void DatiRecordset::scriviReale(int colonna, double v)
{
    scrivi(colonna, Tipo::reale, daDoppio(v));
}

void DatiRecordset::scrivi(int colonna, const QVariant& v)
{
    if (v.isNull()) {
        scriviNullo(colonna);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        scriviIntero(colonna, v.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        scriviReale(colonna, v.toDouble());
        return;
    case QMetaType::QDate:
        scrivi(colonna, Tipo::data, quint64(v.toDate().toJulianDay()));
        return;
    case QMetaType::QTime:
        scrivi(colonna, Tipo::ora, quint64(v.toTime().msecsSinceStartOfDay()));
        return;
    case QMetaType::QDateTime:
        scrivi(colonna, Tipo::dataOra, daDataOra(v.toDateTime()));
        return;
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        scriviBlob(colonna, b.constData(), b.size());
        return;
    }
    default: {
        const QByteArray t = v.toString().toUtf8();
        scriviTesto(colonna, t.constData(), t.size());
    }
    }
}
