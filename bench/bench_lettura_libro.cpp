// Reading a large centre's workbook as the import does: 50,000 rows of 43 columns, every cell
// read, each run in a process of its own so that its peak memory is the program's, beside the
// peak of the reading process. Beside it, the limit: the same sheet and its shared strings
// parsed by expat (a parser not ours) as libzip inflates them, every cell's text found. Then
// the same rows as an .xls (LibreOffice converts the workbook once): our reading, and the
// other way to read it, a LibreOffice conversion to .xlsx.
// Run by hand: bench_lettura_libro [rows]
#include "foglio_expat.h"
#include "misure.h"
#include "picchi_memoria.h"
#include "platform/excel/libro_excel.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int colonne = 43;
constexpr int ripetizioni = 5;
constexpr double bilancio = 250; // MB, the program and its reading process together

QStringList lettere()
{
    QStringList l;
    for (int c = 1; c <= colonne; ++c)
        l << lettereColonna(c);
    return l;
}

void creaLibro(const QString& file, int righe)
{
    QFile::copy(QStringLiteral(CORVEXT_BIN "/template.xlsx"), file);
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const auto libro = LibroExcel::apri(file);
    const QStringList l = lettere();
    for (int r = 2; r <= righe + 1; ++r)
        for (int c = 0; c < colonne; ++c)
            libro->foglio().scrivi(l[c] + QString::number(r), c == 17   ? QStringLiteral("MATR%1").arg(r)
                                                              : c == 33 ? QStringLiteral("01/03/2005")
                                                                        : QStringLiteral("VALORE %1 %2").arg(r).arg(l[c]));
    libro->salva();
}

// The child's work: prints "ms peak-kB characters".
int leggi(const QString& file)
{
    QElapsedTimer t;
    t.start();
    const auto libro = LibroExcel::apri(file);
    const QStringList l = lettere();
    qsizetype caratteri = 0;
    for (int r = 2; !libro->foglio().valore(QStringLiteral("R%1").arg(r)).isEmpty(); ++r)
        for (const QString& c : l)
            caratteri += libro->foglio().valore(c + QString::number(r)).size();
    std::printf("%f %ld %lld\n", ms(t), piccoKb(), qlonglong(caratteri));
    return 0;
}

// The limit's work: prints "ms peak-kB characters".
int analizza(const QString& file)
{
    QElapsedTimer t;
    t.start();
    qint64 caratteri = 0;
    FoglioExpat::leggi(file, [&](int, const std::vector<std::string>& celle) {
        for (const std::string& c : celle)
            caratteri += qint64(c.size());
    });
    std::printf("%f %ld %lld\n", ms(t), piccoKb(), qlonglong(caratteri));
    return 0;
}

// The other way to read an .xls: LibreOffice converts it to .xlsx.
int converti(const QString& file)
{
    QElapsedTimer t;
    t.start();
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("soffice"), {QStringLiteral("-env:UserInstallation=file://") + dir.path(), QStringLiteral("--headless"),
                                        QStringLiteral("--convert-to"), QStringLiteral("xlsx"), QStringLiteral("--outdir"),
                                        dir.path(), file});
    p.waitForFinished(-1);
    std::printf("%f %ld 0\n", ms(t), piccoKb());
    return 0;
}

struct Misura {
    QList<double> ms, mb;
    double mbLettore = 0; // the reading process's own
};

Misura misura(const QString& modo, const QString& file)
{
    Misura m;
    for (int i = 0; i < ripetizioni; ++i) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {modo, file});
        p.waitForFinished(-1);
        const QList<QByteArray> campi = p.readAllStandardOutput().simplified().split(' ');
        if (campi.size() != 3) {
            std::fprintf(stderr, "%s failed\n", qPrintable(modo));
            std::exit(1);
        }
        m.ms << campi[0].toDouble();
        m.mb << campi[1].toDouble() / 1024;
    }
    if (modo == QLatin1String("--leggi"))
        m.mbLettore = piccoLettoreMb(file);
    return m;
}

void stampa(const char* cosa, const Misura& m)
{
    std::printf("%s: %.0f ms (median of %d, %.0f to %.0f), peak %.1f MB (%.1f to %.1f)", cosa, mediana(m.ms),
                ripetizioni, *std::min_element(m.ms.begin(), m.ms.end()), *std::max_element(m.ms.begin(), m.ms.end()),
                mediana(m.mb), *std::min_element(m.mb.begin(), m.mb.end()), *std::max_element(m.mb.begin(), m.mb.end()));
    if (m.mbLettore > 0)
        std::printf(", its reading process's peak %.1f MB, together %.1f MB against a budget of %.0f MB", m.mbLettore,
                    mediana(m.mb) + m.mbLettore, bilancio);
    std::printf("\n");
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--leggi"))
        return leggi(argomenti[2]);
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--analizza"))
        return analizza(argomenti[2]);
    if (argomenti.size() == 3 && argomenti[1] == QLatin1String("--converti"))
        return converti(argomenti[2]);
    const int righe = argomenti.size() > 1 ? argomenti[1].toInt() : 50000;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("grande.xlsx"));
    creaLibro(file, righe);
    std::printf("workbook of %d rows x %d columns, %lld bytes\n", righe, colonne, QFile(file).size());
    const Misura nostra = misura(QStringLiteral("--leggi"), file);
    const Misura limite = misura(QStringLiteral("--analizza"), file);
    stampa("reading every cell (ours)", nostra);
    stampa("the sheet parsed by expat as libzip inflates it (the limit)", limite);
    std::printf("ratio: %.2fx the time\n", mediana(nostra.ms) / mediana(limite.ms));

    QProcess p;
    p.start(QStringLiteral("soffice"), {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profilo")),
                                        QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("xls"),
                                        QStringLiteral("--outdir"), dir.path(), file});
    p.waitForFinished(-1);
    const QString xls = dir.filePath(QStringLiteral("grande.xls"));
    if (!QFile::exists(xls))
        return 0; // no LibreOffice
    const Misura nostraXls = misura(QStringLiteral("--leggi"), xls);
    const Misura conversione = misura(QStringLiteral("--converti"), xls);
    stampa("the .xls, reading every cell (ours)", nostraXls);
    stampa("the .xls converted to .xlsx by LibreOffice (the alternative; peak of the parent only)", conversione);
    std::printf("ratio: %.2fx the time of the conversion\n", mediana(nostraXls.ms) / mediana(conversione.ms));
    return 0;
}
