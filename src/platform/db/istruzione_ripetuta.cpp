#include "platform/db/istruzione_ripetuta.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_sqlite.h"
#include "platform/db/letterali_jet.h"
#include "platform/db/valori_sqlite.h"
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>

IstruzioneRipetuta::IstruzioneRipetuta(Connessione& c, const QString& sql)
{
    const QVariant h = c.database().driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        throw ErroreDb(erroreConnessione, QStringLiteral("SQLite"), QStringLiteral("Connessione non aperta"));
    db = *static_cast<sqlite3* const*>(h.constData());
    const QString testo = riscriviLetteraliJet(sql, oggi());
    if (sqlite3_prepare16_v2(db, testo.utf16(), int(testo.size() * sizeof(char16_t)), &st, nullptr) != SQLITE_OK)
        fallimento();
}

IstruzioneRipetuta::~IstruzioneRipetuta()
{
    sqlite3_finalize(st);
}

void IstruzioneRipetuta::fallimento()
{
    const QSqlError e(QString(), QString::fromUtf8(sqlite3_errmsg(db)), QSqlError::StatementError,
                      QString::number(sqlite3_extended_errcode(db)));
    if (st)
        sqlite3_reset(st);
    throw erroreSqlite(e);
}

void IstruzioneRipetuta::lega(const QVariantList& valori)
{
    sqlite3_reset(st);
    testi.resize(valori.size());
    for (int i = 0; i < valori.size(); ++i) {
        const QVariant v = valoreDaLegare(valori[i]);
        int esito = SQLITE_OK;
        switch (v.typeId()) {
        case QMetaType::UnknownType:
            esito = sqlite3_bind_null(st, i + 1);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
            esito = sqlite3_bind_int64(st, i + 1, v.toLongLong());
            break;
        case QMetaType::Double:
            esito = sqlite3_bind_double(st, i + 1, v.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            esito = sqlite3_bind_blob(st, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            testi[i] = v.toString().toUtf8();
            esito = sqlite3_bind_text(st, i + 1, testi[i].constData(), int(testi[i].size()), SQLITE_STATIC);
        }
        if (esito != SQLITE_OK)
            fallimento();
    }
}

bool IstruzioneRipetuta::passo()
{
    const int esito = sqlite3_step(st);
    if (esito != SQLITE_ROW && esito != SQLITE_DONE)
        fallimento();
    return esito == SQLITE_ROW;
}

int IstruzioneRipetuta::esegui(const QVariantList& valori)
{
    return esegui(valori, {});
}

int IstruzioneRipetuta::esegui(const QVariantList& primi, std::span<const QByteArrayView> testi)
{
    lega(primi);
    int posizione = int(primi.size());
    for (const QByteArrayView testo : testi) {
        ++posizione;
        const int esito = testo.isNull() ? sqlite3_bind_null(st, posizione)
                                         : sqlite3_bind_text(st, posizione, testo.data(), int(testo.size()), SQLITE_STATIC);
        if (esito != SQLITE_OK)
            fallimento();
    }
    passo();
    sqlite3_reset(st);
    return sqlite3_changes(db);
}

QVariant IstruzioneRipetuta::valore(const QVariantList& valori)
{
    QVariant v;
    lega(valori);
    if (passo()) {
        switch (sqlite3_column_type(st, 0)) {
        case SQLITE_INTEGER:
            v = qint64(sqlite3_column_int64(st, 0));
            break;
        case SQLITE_FLOAT:
            v = sqlite3_column_double(st, 0);
            break;
        case SQLITE_TEXT:
            v = QString(reinterpret_cast<const QChar*>(sqlite3_column_text16(st, 0)),
                        sqlite3_column_bytes16(st, 0) / int(sizeof(char16_t)));
            break;
        case SQLITE_BLOB:
            v = QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 0)), sqlite3_column_bytes(st, 0));
            break;
        default:
            break;
        }
    }
    sqlite3_reset(st);
    return v;
}
