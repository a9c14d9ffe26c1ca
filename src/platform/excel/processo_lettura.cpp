#include "platform/excel/processo_lettura.h"
#include "platform/excel/composizione_libro.h"
#include "platform/excel/errore_excel.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace {

constexpr int attesaMassimaMs = 60000;

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

ContenutoLibro leggiInProcessoDiLettura(const QString& percorso)
{
    QProcess processo;
    processo.setProgram(programmaDiLettura());
    processo.setArguments({percorso});
    processo.setStandardInputFile(QProcess::nullDevice());
    processo.setStandardErrorFile(QProcess::nullDevice());
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
    if (processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0 || !composizione.finita())
        throw ErroreExcel(QStringLiteral("la lettura del file si è interrotta: il file è danneggiato"));
    return composizione.risultato(percorso);
}
