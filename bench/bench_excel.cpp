// An export's worth of writing: 10,000 rows of 43 cells into a copy of the template, every
// cell formatted as text, columns fitted, saved; and reading the saved workbook back, one
// cell of each row. Each beside its limit.
// Run by hand: bench_excel
#include "foglio_expat.h"
#include "libro_essenziale.h"
#include "misure.h"
#include "platform/excel/libro_excel.h"
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {
constexpr int righe = 10000;
constexpr int colonne = 43;
constexpr int ripetizioni = 5;
const QString modello = QStringLiteral(CORVEXT_BIN "/template.xlsx");

QString valore(int riga, int colonna)
{
    return QStringLiteral("VALORE %1 DELLA COLONNA %2").arg(riga).arg(colonna);
}

void riempiESalva(const QString& file)
{
    QFile::remove(file);
    QFile::copy(modello, file);
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const auto libro = LibroExcel::apri(file);
    Foglio& foglio = libro->foglio();
    QStringList lettere;
    for (int c = 1; c <= colonne; ++c)
        lettere << lettereColonna(c);
    for (int r = 2; r <= righe + 1; ++r)
        for (int c = 0; c < colonne; ++c)
            foglio.scrivi(lettere[c] + QString::number(r), valore(r, c));
    foglio.formattaTesto();
    foglio.adattaColonne();
    libro->salva();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString nostro = dir.filePath(QStringLiteral("nostro.xlsx"));
    const QString essenziale = dir.filePath(QStringLiteral("essenziale.xlsx"));
    std::vector<std::vector<std::string>> testi(righe);
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c)
            testi[std::size_t(r)].push_back(valore(r + 2, c).toStdString());

    QList<double> scrittura, scritturaLimite, lettura, letturaLimite;
    for (int i = 0; i < ripetizioni; ++i) {
        QElapsedTimer t;
        t.start();
        riempiESalva(nostro);
        scrittura << ms(t);
        t.restart();
        LibroEssenziale limite(modello);
        for (const std::vector<std::string>& riga : testi) {
            limite.riga();
            for (std::size_t c = 0; c < riga.size(); ++c)
                limite.cella(c, riga[c]);
        }
        limite.salva(essenziale);
        scritturaLimite << ms(t);
        if (limite.righe() != righeScritte(nostro)) {
            std::printf("the limit wrote other rows than ours\n");
            return 1;
        }

        t.restart();
        {
            const auto libro = LibroExcel::apri(nostro);
            for (int r = 2; r <= righe + 1; ++r)
                libro->foglio().valore(QStringLiteral("R%1").arg(r));
        }
        lettura << ms(t);
        t.restart();
        std::size_t trovati = 0;
        FoglioExpat::leggi(nostro, [&](int, const std::vector<std::string>& celle) { trovati += celle.size() > 17; });
        letturaLimite << ms(t);
    }
    std::printf("%d rows x %d cells, %d runs\n", righe, colonne, ripetizioni);
    intestazione("Writing a workbook from the template",
                 "libzip writing the template's parts and the sheet's XML straight, texts in the text style, columns "
                 "as wide as their longest text");
    confronto("10,000 rows written, formatted, fitted, saved", scrittura, scritturaLimite);
    intestazione("Reading it back", "the sheet streamed by expat as libzip inflates it");
    confronto("opened, one cell of each row read", lettura, letturaLimite);
    return 0;
}
