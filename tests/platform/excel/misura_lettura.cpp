#include "misura_lettura.h"
#include <QCoreApplication>
#include <QProcess>

MisuraLettura misuraLettura(const QString& file)
{
    QProcess programma;
    programma.setStandardInputFile(QProcess::nullDevice());
    programma.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lettura_misurata"), {file});
    MisuraLettura misura;
    // No time limit of its own: the reading stops the reading process within its own.
    if (!programma.waitForFinished(-1) || programma.exitStatus() != QProcess::NormalExit || programma.exitCode() != 0)
        return misura;
    misura.misurata = true;
    const QString uscita = QString::fromUtf8(programma.readAllStandardOutput());
    const QStringList picchi = uscita.section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '));
    misura.programmaMb = picchi.value(0).toDouble();
    misura.lettoreMb = picchi.value(1).toDouble();
    misura.letto = uscita.section(QLatin1Char('\n'), 1, 1) == QLatin1String("letto");
    misura.testo = uscita.section(QLatin1Char('\n'), 2);
    return misura;
}
