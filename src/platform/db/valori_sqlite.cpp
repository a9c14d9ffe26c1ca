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

// Digits at s[i..i+n), or -1.
int numero(QStringView s, qsizetype i, qsizetype n)
{
    if (i + n > s.size())
        return -1;
    int v = 0;
    for (qsizetype k = i; k < i + n; ++k) {
        const char16_t c = s[k].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

// 'yyyy-mm-dd' at the start of the text.
QDate data(QStringView s)
{
    if (s.size() < 10 || s[4] != u'-' || s[7] != u'-')
        return {};
    return QDate(numero(s, 0, 4), numero(s, 5, 2), numero(s, 8, 2));
}

// 'hh:mm' or 'hh:mm:ss' at position i.
QTime ora(QStringView s, qsizetype i)
{
    if (s.size() < i + 5 || s[i + 2] != u':')
        return {};
    const int sec = s.size() >= i + 8 && s[i + 5] == u':' ? numero(s, i + 6, 2) : 0;
    return QTime(numero(s, i, 2), numero(s, i + 3, 2), sec);
}
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
    // A text that is no date stays as it was stored.
    return grezzo;
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
