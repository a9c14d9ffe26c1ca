#include "platform/excel/processo_lettura.h"
#include "platform/excel/composizione_libro.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/protocollo_lettura.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int attesaMassimaMs = 60000;
// Several times what the largest workbook the limits admit takes (about 40 MB: the sheet part's
// 16 MB besides its cells, held and sent). A limit of the data segment rather than of the
// address space: it counts what the process writes, not the libraries it maps. (A reader built
// with AddressSanitizer starts under neither: its shadow memory is a private writable map.)
constexpr qint64 memoriaLettura = 256ll << 20;

// Composes what the process sends until it ends; false when it takes too long.
bool componi(QProcess& processo, Composizione& composizione)
{
    const QDeadlineTimer scadenza(attesaMassimaMs);
    QByteArray dati;
    for (;;) {
        dati += processo.readAllStandardOutput();
        composizione.aggiungi(dati);
        if (processo.state() == QProcess::NotRunning)
            return true;
        if (!processo.waitForReadyRead(int(std::max<qint64>(scadenza.remainingTime(), 1)))
            && processo.state() != QProcess::NotRunning && scadenza.hasExpired())
            return false;
    }
}

} // namespace

QString& programmaDiLettura()
{
    static QString programma = QCoreApplication::applicationDirPath() + QStringLiteral("/corvext_lettore");
    return programma;
}

qint64& memoriaMassimaLettura()
{
    static qint64 memoria = memoriaLettura;
    return memoria;
}

ContenutoLibro leggiInProcessoDiLettura(const QString& percorso)
{
    QProcess processo;
    processo.setProgram(programmaDiLettura());
    processo.setArguments({percorso});
    processo.setStandardInputFile(QProcess::nullDevice());
    processo.setStandardErrorFile(QProcess::nullDevice());
    // Set in the child before the reading program starts, soft and hard, so that nothing it
    // runs can raise it; past it an allocation fails.
    processo.setChildProcessModifier([memoria = rlim_t(memoriaMassimaLettura())] {
        rlimit limite{};
        if (::getrlimit(RLIMIT_DATA, &limite) != 0)
            ::_exit(127);
        limite.rlim_cur = limite.rlim_max = std::min(memoria, limite.rlim_max);
        if (::setrlimit(RLIMIT_DATA, &limite) != 0)
            ::_exit(127);
    });
    processo.start();
    if (!processo.waitForStarted())
        throw ErroreExcel(QStringLiteral("il programma che legge le cartelle di lavoro non si avvia (%1)")
                              .arg(processo.errorString()));
    Composizione composizione;
    bool finito = false;
    try {
        finito = componi(processo, composizione);
    } catch (...) {
        processo.kill();
        processo.waitForFinished();
        throw;
    }
    if (!finito) {
        processo.kill();
        processo.waitForFinished();
        throw ErroreExcel(QStringLiteral("la lettura del file non finisce: il file è danneggiato"));
    }
    processo.waitForFinished();
    if (processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == uscitaMemoriaEsaurita)
        throw ErroreExcel(QStringLiteral("la cartella di lavoro è troppo grande da leggere"));
    if (processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0 || !composizione.finita())
        throw ErroreExcel(QStringLiteral("la lettura del file si è interrotta: il file è danneggiato"));
    return composizione.risultato();
}
