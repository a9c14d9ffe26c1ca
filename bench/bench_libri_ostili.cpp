// Hostile workbooks through the reading as the import does it (the reading program, the
// sheet composed): for each generator of the tests, a file and one ten times larger, read or
// refused, and the ratio of their times, which stays near 10 when the work grows as the file.
// Beside each, the least any reader does with the file: its parts inflated by libzip (an
// .xls: its bytes read). Medians of 5 runs. Then the largest lists and the forged zip, each
// with its time (to stay within 10 s on a quiet machine) and the peak resident memory of the
// composing process and of the reading process (together within 250 MB).
// Run by hand: bench_libri_ostili
#include "libri_ostili.h"
#include "misura_lettura.h"
#include "misure.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/libro_excel.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <zip.h>

namespace {
constexpr int ripetizioni = 5;

struct Generatore {
    const char* nome;
    qint64 misura; // the smaller file's size in the generator's unit; the larger is ten times
    std::function<void(const QString&, qint64)> genera;
};

// Opens the workbook as the import does; the refusal's reason, or "read".
QString apri(const QString& file)
{
    try {
        LibroExcel::apri(file);
        return QStringLiteral("read");
    } catch (const ErroreExcel& e) {
        return e.descrizione.section(QStringLiteral(": "), 1);
    }
}

void gonfia(const QString& file)
{
    zip_t* z = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY, nullptr);
    if (!z) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        while (!f.read(1 << 20).isEmpty()) {
        }
        return;
    }
    static char buffer[256 * 1024];
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        zip_file_t* f = zip_fopen_index(z, zip_uint64_t(i), 0);
        while (f && zip_fread(f, buffer, sizeof buffer) > 0) {
        }
        zip_fclose(f);
    }
    zip_discard(z);
}

struct Misura {
    double ms, limite;
    qint64 byte;
    QString esito;
};

Misura misura(const Generatore& g, qint64 n, const QString& file)
{
    g.genera(file, n);
    Misura m{0, 0, QFile(file).size(), {}};
    QList<double> tempi, limiti;
    for (int i = 0; i < ripetizioni; ++i) {
        QElapsedTimer t;
        t.start();
        m.esito = apri(file);
        tempi << ms(t);
        t.restart();
        gonfia(file);
        limiti << ms(t);
    }
    m.ms = mediana(tempi);
    m.limite = mediana(limiti);
    QFile::remove(file);
    return m;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QList<Generatore> generatori = {
        {"xls, one shared string of 32,767 characters in every cell", 65000,
         [](const QString& f, qint64 n) { xlsStringaRipetuta(f, int(n), 32767); }},
        {"xls, a shared string past a cell's text, cells pointing at it", 65000,
         [](const QString& f, qint64 n) { xlsStringaRipetuta(f, int(n), 40000); }},
        {"xls, a small stream claiming 4 GB, a cycle (mini stream, KB)", 200,
         [](const QString& f, qint64 n) { xlsFlussoPiccolo(f, quint32(n) << 10, 0xFFFFFFF0, true); }},
        {"xlsx, column ranges of a column each", 1638, [](const QString& f, qint64 n) { xlsxColonne(f, int(n), false); }},
        {"xlsx, overlapping column ranges", 2000, [](const QString& f, qint64 n) { xlsxColonne(f, int(n), true); }},
        {"xlsx, cells of a format only", 1000000, [](const QString& f, qint64 n) { xlsxCelleVuote(f, n); }},
        {"xlsx, cells of a format only past the sheet's memory", 14000000, [](const QString& f, qint64 n) { xlsxCelleVuote(f, n); }},
        {"xlsx, nesting 250 deep, repeated", 400, [](const QString& f, qint64 n) { xlsxAnnidato(f, 250, int(n)); }},
        {"xlsx, nesting past the limit", 10000, [](const QString& f, qint64 n) { xlsxAnnidato(f, int(n)); }},
        {"xlsx, a cell's text (characters)", 3000, [](const QString& f, qint64 n) { xlsxTestoLungo(f, n); }},
        {"xlsx, a cell's text past the limit (characters)", 4000000, [](const QString& f, qint64 n) { xlsxTestoLungo(f, n); }},
        {"xlsx, shared strings of 100 characters", 10000, [](const QString& f, qint64 n) { xlsxStringheCondivise(f, n, 100); }},
        {"xlsx, merged ranges beside the cells", 60000, [](const QString& f, qint64 n) { xlsxRestoGrande(f, n); }},
        {"xlsx, attributes of a row's tag", 4000, [](const QString& f, qint64 n) { xlsxAttributi(f, n); }},
        {"xlsx, parts of the zip", 900, [](const QString& f, qint64 n) { xlsxMolteParti(f, int(n)); }},
    };
    std::printf("%-62s %9s %10s %9s %9s | %9s %10s %9s %9s | %6s  %s\n", "generator", "size", "bytes", "ms", "limit",
                "10x size", "bytes", "ms", "limit", "ratio", "outcome of the larger");
    for (const Generatore& g : generatori) {
        const Misura piccolo = misura(g, g.misura, dir.filePath(QStringLiteral("piccolo")));
        const Misura grande = misura(g, g.misura * 10, dir.filePath(QStringLiteral("grande")));
        std::printf("%-62s %9lld %10lld %9.1f %9.1f | %9lld %10lld %9.1f %9.1f | %6.2f  %s\n", g.nome, g.misura,
                    piccolo.byte, piccolo.ms, piccolo.limite, g.misura * 10, grande.byte, grande.ms, grande.limite,
                    grande.ms / piccolo.ms, qPrintable(grande.esito));
    }

    const QList<std::pair<const char*, std::function<void(const QString&)>>> liste = {
        {"xlsx, 480 number formats of 1 MB", [](const QString& f) { xlsxFormatiNumero(f, 480, 1 << 20); }},
        {"xlsx, 65,536 number formats of 255 characters", [](const QString& f) { xlsxFormatiNumero(f, 65536, 255); }},
        {"xlsx, 480 cell formats of 1 MB", [](const QString& f) { xlsxFormatiCella(f, 480, 1 << 20); }},
        {"xlsx, 65,536 cell formats", [](const QString& f) { xlsxFormatiCella(f, 65536, 255); }},
        {"xlsx, 480 sheet names of 1 MB", [](const QString& f) { xlsxFogli(f, 480, 1 << 20); }},
        {"xlsx, 65,536 sheet names of 255 characters", [](const QString& f) { xlsxFogli(f, 65536, 255); }},
        {"xlsx, 65,536 sheet names of 31 characters", [](const QString& f) { xlsxFogli(f, 65536, 31); }},
        {"xlsx, 480 relationship targets of 1 MB", [](const QString& f) { xlsxRelazioni(f, 480, 1 << 20); }},
        {"xlsx, 65,534 relationship targets of 255 characters", [](const QString& f) { xlsxRelazioni(f, 65534, 255); }},
        {"xlsx, 65,534 relationship targets of 24 characters", [](const QString& f) { xlsxRelazioni(f, 65534, 24); }},
        {"xlsx, 480 parts of 65,535-byte names", [](const QString& f) { xlsxMolteParti(f, 480, 65535); }},
        {"xlsx, 20,007 parts behind a forged end record of one", [](const QString& f) { xlsxFineFalsa(f, 20007); }},
    };
    std::printf("\nthe largest lists: ms, median (fastest-slowest) of %d; peak MB of the composing and of the reading "
                "process, and their sum\n%-54s %10s %28s %8s %8s %8s  %s\n",
                ripetizioni, "case", "bytes", "ms", "program", "reader", "sum", "outcome");
    for (const auto& [nome, genera] : liste) {
        const QString file = dir.filePath(QStringLiteral("lista"));
        genera(file);
        QList<double> tempi;
        QString esito;
        for (int i = 0; i < ripetizioni; ++i) {
            QElapsedTimer t;
            t.start();
            esito = apri(file);
            tempi << ms(t);
        }
        const MisuraLettura m = misuraLettura(file);
        const auto [primo, ultimo] = std::minmax_element(tempi.begin(), tempi.end());
        std::printf("%-54s %10lld %8.1f (%7.1f-%7.1f) %8.1f %8.1f %8.1f  %s\n", nome, QFile(file).size(), mediana(tempi),
                    *primo, *ultimo, m.programmaMb, m.lettoreMb, m.programmaMb + m.lettoreMb,
                    m.misurata ? qPrintable(esito) : "not measured");
        QFile::remove(file);
    }
    return 0;
}
