#pragma once
#include "misure.h"
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

// Another workstation writing to the same file: a second process (this same program, started
// with --scrittore FILE) that, at each word of ours, commits one write through the SQLite C API
// with the busy wait of a workstation (sqlite3_busy_timeout, as the program's data source sets
// it) and answers how long it took, from BEGIN IMMEDIATE to the end of COMMIT.
class ScritturaAltraPostazione {
public:
    explicit ScritturaAltraPostazione(const QString& file)
    {
        processo.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scrittore"), file});
        processo.waitForStarted();
    }
    ~ScritturaAltraPostazione()
    {
        processo.closeWriteChannel();
        processo.waitForFinished();
    }

    // Begins a commit; it waits for whatever read of ours holds the file.
    void scrivi()
    {
        processo.write("\n");
        processo.waitForBytesWritten();
    }

    // How long the commit begun took, in ms, once it is over.
    double durata()
    {
        while (!processo.canReadLine())
            processo.waitForReadyRead(-1);
        return processo.readLine().trimmed().toDouble();
    }

    // The second process's side: one write committed for each line read; false when this
    // process was not started for it.
    static bool scrittore(int argc, char** argv)
    {
        if (argc < 3 || std::strcmp(argv[1], "--scrittore") != 0)
            return false;
        sqlite3* db = nullptr;
        sqlite3_open_v2(argv[2], &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 600000);
        char riga[64];
        while (std::fgets(riga, sizeof riga, stdin)) {
            QElapsedTimer t;
            t.start();
            const int esito = sqlite3_exec(db, "BEGIN IMMEDIATE; UPDATE contatori SET chiamata = chiamata + 0; COMMIT",
                                           nullptr, nullptr, nullptr);
            std::printf("%.1f\n", esito == SQLITE_OK ? ms(t) : -1.0);
            std::fflush(stdout);
        }
        sqlite3_close(db);
        return true;
    }

private:
    QProcess processo;
};
