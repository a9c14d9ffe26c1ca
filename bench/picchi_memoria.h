#pragma once
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <algorithm>

// Peaks of resident memory (VmHWM: unlike getrusage, not inherited from the process's parent).

// A process's peak in kB, from its status file (this process's by default); 0 when it is
// not there or is not yet the named program.
inline long piccoKb(const QString& stato = QStringLiteral("/proc/self/status"), const QByteArray& nome = {})
{
    QFile file(stato);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray righe = file.readAll();
    if (!nome.isEmpty() && !righe.startsWith("Name:\t" + nome))
        return 0;
    for (const QByteArray& riga : righe.split('\n'))
        if (riga.startsWith("VmHWM:"))
            return riga.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// The reading process's peak in MB on a workbook: the reading program run alone as the
// import runs it, its output thrown away, its peak read while it runs.
inline double piccoLettoreMb(const QString& libro)
{
    QProcess lettore;
    lettore.setStandardOutputFile(QProcess::nullDevice());
    lettore.start(QCoreApplication::applicationDirPath() + QStringLiteral("/corvext_lettore"), {libro});
    lettore.waitForStarted();
    const QString stato = QStringLiteral("/proc/%1/status").arg(lettore.processId());
    long picco = 0;
    while (!lettore.waitForFinished(1))
        picco = std::max(picco, piccoKb(stato, "corvext_lettore"));
    return double(picco) / 1024;
}
