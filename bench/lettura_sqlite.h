#pragma once
#include "platform/db/funzioni_sqlite.h"
#include "platform/db/letterali_jet.h"
#include "platform/db/ordine_italiano.h"
#include <QDate>
#include <QFile>
#include <QVariant>
#include <QVector>
#include <sqlite3.h>

// The limit of the benchmarks: the same rows read through the SQLite C API into QVariant rows.
inline qsizetype leggiRighe(sqlite3_stmt* st)
{
    const int colonne = sqlite3_column_count(st);
    QVector<QVector<QVariant>> righe;
    while (sqlite3_step(st) == SQLITE_ROW) {
        QVector<QVariant> r(colonne);
        for (int i = 0; i < colonne; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                r[i] = qint64(sqlite3_column_int64(st, i));
                break;
            case SQLITE_FLOAT:
                r[i] = sqlite3_column_double(st, i);
                break;
            case SQLITE_NULL:
                break;
            default:
                r[i] = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
            }
        }
        righe.push_back(std::move(r));
    }
    return righe.size();
}

// A statement of the program, as the shared connection runs it (Jet literals rewritten, texts
// in Italian order, values bound), on a C API connection of its own to the same file.
class LetturaSqlite {
public:
    explicit LetturaSqlite(const QString& file)
    {
        sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        registraFunzioniSql(db);
    }
    ~LetturaSqlite() { sqlite3_close(db); }
    LetturaSqlite(const LetturaSqlite&) = delete;
    LetturaSqlite& operator=(const LetturaSqlite&) = delete;

    qsizetype leggi(const QString& sql, const QVariantList& valori)
    {
        const QByteArray testo = ordineItaliano::applica(riscriviLetteraliJet(sql, QDate::currentDate())).toUtf8();
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, testo.constData(), -1, &st, nullptr);
        for (int i = 0; i < valori.size(); ++i) {
            const QVariant& v = valori[i];
            if (v.isNull())
                sqlite3_bind_null(st, i + 1);
            else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Bool)
                sqlite3_bind_int64(st, i + 1, v.toLongLong());
            else if (v.typeId() == QMetaType::Double)
                sqlite3_bind_double(st, i + 1, v.toDouble());
            else {
                const QString t = v.typeId() == QMetaType::QDate ? v.toDate().toString(Qt::ISODate) : v.toString();
                sqlite3_bind_text(st, i + 1, t.toUtf8().constData(), -1, SQLITE_TRANSIENT);
            }
        }
        const qsizetype n = leggiRighe(st);
        sqlite3_finalize(st);
        return n;
    }

private:
    sqlite3* db = nullptr;
};
