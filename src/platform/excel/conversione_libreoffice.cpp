#include "platform/excel/conversione_libreoffice.h"
#include "platform/excel/errore_excel.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <csignal>
#include <unistd.h>

namespace {

constexpr int attesaMassimaMs = 180000;


// Runs the conversion; a message when it does not end well.
void converti(const QString& soffice, const QString& cartella, const QString& sorgente)
{
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), cartella);
    processo.setProcessEnvironment(ambiente);
    processo.setWorkingDirectory(cartella);
    processo.setStandardInputFile(QProcess::nullDevice());
    processo.setStandardOutputFile(QProcess::nullDevice());
    processo.setStandardErrorFile(QProcess::nullDevice());
    // A group of its own, so that a stalled conversion ends with everything it started.
    processo.setChildProcessModifier([] { ::setsid(); });
    processo.start(soffice,
                   {QStringLiteral("-env:UserInstallation=")
                        + QUrl::fromLocalFile(cartella + QStringLiteral("/profilo")).toString(QUrl::FullyEncoded),
                    QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nolockcheck"),
                    // Only the BIFF reader: a file it cannot read gives nothing, not a text import.
                    QStringLiteral("--infilter=MS Excel 97"), QStringLiteral("--convert-to"),
                    QStringLiteral("xlsx"), QStringLiteral("--outdir"), cartella + QStringLiteral("/uscita"),
                    sorgente});
    if (!processo.waitForStarted())
        throw ErroreExcel(QStringLiteral("LibreOffice, che legge i file .xls, non si avvia (%1)")
                              .arg(processo.errorString()));
    if (!processo.waitForFinished(attesaMassimaMs)) {
        ::kill(pid_t(-processo.processId()), SIGKILL);
        processo.waitForFinished();
        throw ErroreExcel(QStringLiteral("la lettura del file .xls non finisce: il file è danneggiato"));
    }
    if (processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
        throw ErroreExcel(QStringLiteral("la lettura del file .xls si è interrotta: il file è danneggiato"));
}

} // namespace

ContenutoLibro leggiConLibreOffice(const QString& percorso)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        throw ErroreExcel(QStringLiteral("per leggere un file .xls serve LibreOffice, che non è installato"));
    QTemporaryDir cartella;
    const QString sorgente = cartella.filePath(QStringLiteral("libro.xls"));
    if (!cartella.isValid() || !QFile::copy(percorso, sorgente))
        throw ErroreExcel(QStringLiteral("il file .xls non si può copiare per leggerlo"));
    converti(soffice, cartella.path(), sorgente);
    const QString convertito = cartella.filePath(QStringLiteral("uscita/libro.xlsx"));
    if (!QFile::exists(convertito))
        throw ErroreExcel(QStringLiteral("il file .xls non è leggibile"));
    ContenutoLibro libro = leggiXlsx(convertito);
    libro.parti.reset(); // an .xls is only read
    return libro;
}
