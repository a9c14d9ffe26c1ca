// The import's reading of one workbook, measured: the reading program in a process of its own,
// its records composed in this one as the program composes them. Prints this process's growth
// of resident memory while it read (MB), the reading process's peak (MB, from
// getrusage(RUSAGE_CHILDREN): it is the only child), and then "letto" and the sheet's A1, or
// "rifiutato" and the reason.
#include "lettura_qui.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/processo_lettura.h"
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    azzeraPiccoMemoria();
    const double prima = piccoMemoriaMb();
    QString esito;
    try {
        const ContenutoLibro libro = leggiInProcessoDiLettura(QFile::decodeName(argv[1]));
        esito = QStringLiteral("letto\n") + libro.foglio->valore(QStringLiteral("A1"));
    } catch (const ErroreExcel& e) {
        esito = QStringLiteral("rifiutato\n") + e.descrizione;
    }
    const double programma = piccoMemoriaMb() - prima;
    rusage figli{};
    getrusage(RUSAGE_CHILDREN, &figli);
    std::printf("%.1f %.1f\n%s", programma, double(figli.ru_maxrss) / 1024, esito.toUtf8().constData());
    return 0;
}
