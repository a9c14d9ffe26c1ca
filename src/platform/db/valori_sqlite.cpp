#include "platform/db/valori_sqlite.h"
#include <QDate>
#include <QDateTime>
#include <QSqlRecord>
#include <QSqlResult>
#include <QTime>
#include <sqlite3.h>

namespace {
TipoColonna tipoDichiarato(const char* dichiarato)
{
    if (!dichiarato)
        return TipoColonna::altro;
    const QByteArray t = QByteArray(dichiarato).trimmed().toUpper();
    if (t == "DATE")
        return TipoColonna::data;
    if (t == "TIME")
        return TipoColonna::ora;
    if (t == "DATETIME")
        return TipoColonna::dataOra;
    return TipoColonna::altro;
}

// Digits at s[i..i+n), or -1; S is a UTF-16 or a UTF-8 view.
template <class S>
int numero(S s, qsizetype i, qsizetype n)
{
    if (i + n > s.size())
        return -1;
    int v = 0;
    for (qsizetype k = i; k < i + n; ++k) {
        const auto c = s[k];
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + int(c - '0');
    }
    return v;
}

// 'yyyy-mm-dd' at the start of the text.
template <class S>
QDate data(S s)
{
    if (s.size() < 10 || s[4] != '-' || s[7] != '-')
        return {};
    return QDate(numero(s, 0, 4), numero(s, 5, 2), numero(s, 8, 2));
}

// 'hh:mm' or 'hh:mm:ss' at position i.
template <class S>
QTime ora(S s, qsizetype i)
{
    if (s.size() < i + 5 || s[i + 2] != ':')
        return {};
    const int sec = s.size() >= i + 8 && s[i + 5] == ':' ? numero(s, i + 6, 2) : 0;
    return QTime(numero(s, i, 2), numero(s, i + 3, 2), sec);
}

// The date or time a text of a column of that type holds, or an invalid value.
template <class S>
QVariant tipizzato(S s, TipoColonna tipo)
{
    switch (tipo) {
    case TipoColonna::data:
        if (const QDate d = data(s); d.isValid())
            return d;
        break;
    case TipoColonna::ora:
        if (const QTime t = ora(s, 0); t.isValid())
            return t;
        break;
    case TipoColonna::dataOra: {
        const QDate d = data(s);
        const QTime t = s.size() > 11 ? ora(s, 11) : QTime(0, 0);
        if (d.isValid() && t.isValid())
            return QDateTime(d, t);
        break;
    }
    case TipoColonna::altro:
        break;
    }
    return {};
}

// UTF-16 code units as numbers, for the same parsing as UTF-8 bytes.
struct Utf16 {
    QStringView s;
    qsizetype size() const { return s.size(); }
    char16_t operator[](qsizetype i) const { return s[i].unicode(); }
};
} // namespace

sqlite3_stmt* istruzioneSqlite(const QSqlQuery& q)
{
    const QVariant h = q.result() ? q.result()->handle() : QVariant();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt* const*>(h.constData());
}

QVector<TipoColonna> tipiColonne(const QSqlQuery& q)
{
    const int n = q.record().count();
    QVector<TipoColonna> tipi(n, TipoColonna::altro);
    sqlite3_stmt* st = istruzioneSqlite(q);
    if (!st)
        return tipi;
    for (int i = 0; i < n; ++i)
        tipi[i] = tipoDichiarato(sqlite3_column_decltype(st, i));
    return tipi;
}

QVariant valoreTipizzato(const QVariant& grezzo, TipoColonna tipo)
{
    if (grezzo.isNull())
        return QVariant();
    if (tipo == TipoColonna::altro || grezzo.typeId() != QMetaType::QString)
        return grezzo;
    const QString s = grezzo.toString();
    if (s.isEmpty())
        return QVariant();
    const QVariant v = tipizzato(Utf16{s}, tipo);
    // A text that is no date stays as it was stored.
    return v.isValid() ? v : grezzo;
}

QVariant valoreTipizzato(const char* utf8, qsizetype byte, TipoColonna tipo)
{
    if (byte == 0)
        return QVariant();
    const QVariant v = tipizzato(QByteArrayView(utf8, byte), tipo);
    return v.isValid() ? v : QVariant(QString::fromUtf8(utf8, byte));
}

QVariant valoreDaLegare(const QVariant& v)
{
    if (v.isNull())
        return QVariant();
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("hh:mm"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    default:
        return v;
    }
}
