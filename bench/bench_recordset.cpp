// A static recordset of 100,000 rows x 10 columns through the shared connection,
// against the same query read through the SQLite C API.
#include "ambiente_test.h"
#include "lettura_sqlite.h"
#include "platform/db/connessione.h"
#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {
const char* const query = "SELECT * FROM righe";

void riempi()
{
    connessione.esegui("CREATE TABLE righe (id INTEGER PRIMARY KEY, a TEXT(255), b TEXT(255), c TEXT(255), d INTEGER, e REAL, "
                       "f DATE, g TIME, h TEXT(255), i INTEGER)");
    connessione.esegui("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000) "
                       "INSERT INTO righe SELECT x, 'COGNOME ' || x, 'NOME', 'VIA ROMA ' || x, x % 97, x * 1.5, "
                       "'2026-12-10', '09:30', 'NOTE', x % 2 FROM n");
}

void viaConnessione(benchmark::State& s)
{
    for (auto _ : s) {
        Recordset rs = connessione.apriStatico(query);
        benchmark::DoNotOptimize(rs.recordCount());
    }
}

void viaSqlite(benchmark::State& s, const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : s) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, query, -1, &st, nullptr);
        benchmark::DoNotOptimize(leggiRighe(st));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
}
} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db(false);
    riempi();
    benchmark::RegisterBenchmark("static recordset via the shared connection", viaConnessione)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("same rows via SQLite C API", [&](benchmark::State& s) { viaSqlite(s, db.file()); })
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
