#pragma once
#include "platform/db/funzioni_sqlite.h"
#include "platform/db/letterali_jet.h"
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QVariant>
#include <sqlite3.h>
#include <string>
#include <vector>

inline volatile quint64 pozzoLettura; // what the limit read, so that the reading is not left out

// The limit of the benchmarks that read rows: the statement's rows through the SQLite C API,
// every row stepped and every column read where SQLite holds it, nothing copied.
inline qsizetype leggiRighe(sqlite3_stmt* st)
{
    const int colonne = sqlite3_column_count(st);
    qsizetype righe = 0;
    quint64 somma = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < colonne; ++i) {
            switch (sqlite3_column_type(st, i)) {
            case SQLITE_INTEGER:
                somma += quint64(sqlite3_column_int64(st, i));
                break;
            case SQLITE_FLOAT:
                somma += quint64(sqlite3_column_double(st, i));
                break;
            case SQLITE_NULL:
                break;
            default:
                somma += quint64(*sqlite3_column_text(st, i)) + quint64(sqlite3_column_bytes(st, i));
            }
        }
        ++righe;
    }
    pozzoLettura = somma;
    return righe;
}

// A statement of the program as the shared connection runs it (Jet literals rewritten, values
// bound), on a C API connection of its own to the same file with the program's collation and
// functions, the same kind of connection as Qt's (no mutexes).
class LetturaSqlite {
public:
    explicit LetturaSqlite(const QString& file)
    {
        sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        registraFunzioniSql(db);
    }
    ~LetturaSqlite() { sqlite3_close(db); }
    LetturaSqlite(const LetturaSqlite&) = delete;
    LetturaSqlite& operator=(const LetturaSqlite&) = delete;

    // Every row; their number.
    qsizetype leggi(const QString& sql, const QVariantList& valori = {})
    {
        sqlite3_stmt* st = prepara(sql, valori);
        const qsizetype n = leggiRighe(st);
        sqlite3_finalize(st);
        return n;
    }

    // Each statement run to its end, every row of a query read; the rows read.
    qsizetype leggi(const QStringList& istruzioni)
    {
        qsizetype n = 0;
        for (const QString& sql : istruzioni)
            n += leggi(sql);
        return n;
    }

    // Every row's cells as texts (Null as empty), for a limit that writes them out.
    std::vector<std::vector<std::string>> testi(const QString& sql)
    {
        sqlite3_stmt* st = prepara(sql, {});
        std::vector<std::vector<std::string>> righe;
        while (sqlite3_step(st) == SQLITE_ROW) {
            auto& riga = righe.emplace_back();
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
                riga.emplace_back(t ? t : "", std::size_t(sqlite3_column_bytes(st, i)));
            }
        }
        sqlite3_finalize(st);
        return righe;
    }

    // Every row of the statement handed to `riga` as it is stepped; the rows stepped.
    template <typename Riga>
    qsizetype scorri(const QString& sql, Riga&& riga)
    {
        sqlite3_stmt* st = prepara(sql, {});
        qsizetype n = 0;
        for (; sqlite3_step(st) == SQLITE_ROW; ++n)
            riga(st);
        sqlite3_finalize(st);
        return n;
    }

    // Milliseconds to the first row.
    double primaRiga(const QString& sql, const QVariantList& valori = {})
    {
        QElapsedTimer t;
        t.start();
        sqlite3_stmt* st = prepara(sql, valori);
        sqlite3_step(st);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        sqlite3_finalize(st);
        return ms;
    }

private:
    sqlite3_stmt* prepara(const QString& sql, const QVariantList& valori)
    {
        const QByteArray testo = riscriviLetteraliJet(sql, QDate::currentDate()).toUtf8();
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
        return st;
    }

    sqlite3* db = nullptr;
};
