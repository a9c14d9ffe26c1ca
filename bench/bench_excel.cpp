// An export's worth of writing: 10,000 rows of 43 cells into a copy of the template, every
// cell formatted as text, columns fitted, saved; and reading the saved workbook back.
#include "platform/excel/libro_excel.h"
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int righe = 10000;
constexpr int colonne = 43;

QString riempiESalva(const QString& cartella)
{
    const QString file = cartella + QStringLiteral("/bench.xlsx");
    QFile::remove(file);
    QFile::copy(QStringLiteral(CORVEXT_BIN "/template.xlsx"), file);
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const auto libro = LibroExcel::apri(file);
    Foglio& foglio = libro->foglio();
    QStringList lettere;
    for (int c = 1; c <= colonne; ++c)
        lettere << lettereColonna(c);
    for (int r = 2; r <= righe + 1; ++r)
        for (int c = 0; c < colonne; ++c)
            foglio.scrivi(lettere[c] + QString::number(r), QStringLiteral("VALORE %1 DELLA COLONNA %2").arg(r).arg(c));
    foglio.formattaTesto();
    foglio.adattaColonne();
    libro->salva();
    return file;
}

void scrittura(benchmark::State& s)
{
    QTemporaryDir dir;
    for (auto _ : s)
        riempiESalva(dir.path());
}
BENCHMARK(scrittura)->Unit(benchmark::kMillisecond);

void lettura(benchmark::State& s)
{
    QTemporaryDir dir;
    const QString file = riempiESalva(dir.path());
    for (auto _ : s) {
        const auto libro = LibroExcel::apri(file);
        for (int r = 2; r <= righe + 1; ++r)
            benchmark::DoNotOptimize(libro->foglio().valore(QStringLiteral("R%1").arg(r)));
    }
}
BENCHMARK(lettura)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
