#include "ambiente_test.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// A machine of its own for the script: a PATH holding the few commands it runs, where
// dpkg-query says one package is missing and apt-get and sudo only write down how they were
// called. Nothing of the machine's packages is looked at or touched.
class Macchina {
public:
    explicit Macchina(bool conSudo)
    {
        QVERIFY(QFile::copy(CORVEXT_INSTALL_DEPS, dir.filePath(u"install-deps"_s)));
        QVERIFY(QDir().mkdir(dir.filePath(u"bin"_s)));
        comando(u"dpkg-query"_s, "for a; do p=$a; done\n"
                                 "[ \"$p\" = \"$MANCANTE\" ] && exit 1\n"
                                 "printf 'install ok installed'\n");
        comando(u"apt-get"_s, "echo \"apt-get $*\" >> \"$REGISTRO\"\n");
        if (conSudo)
            comando(u"sudo"_s, "echo \"sudo $*\" >> \"$REGISTRO\"\n");
        for (const QString& c : {u"grep"_s, u"id"_s, u"dirname"_s, u"basename"_s})
            QVERIFY(QFile::link(QStandardPaths::findExecutable(c), dir.filePath(u"bin/"_s + c)));
        QFile registro(dir.filePath(u"registro"_s));
        QVERIFY(registro.open(QIODevice::WriteOnly));
        // Read and written by whoever runs the script.
        QVERIFY(registro.setPermissions(QFile::Permissions(0x6666)));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7755)));
    }
    QString script() const { return dir.filePath(u"install-deps"_s); }
    QString percorso() const { return dir.filePath(u"bin"_s); }
    QString registro() const
    {
        QFile f(dir.filePath(u"registro"_s));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : u"<unreadable>"_s;
    }

private:
    void comando(const QString& nome, const QByteArray& corpo)
    {
        QFile f(dir.filePath(u"bin/"_s + nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + corpo);
        f.close();
        QVERIFY(f.setPermissions(QFile::Permissions(0x7755)));
    }

    QTemporaryDir dir;
};

struct Esito {
    int codice = -1;
    QString errori;
};

// Runs the script as root or as nobody (the tests run as root here; as another user they
// run as that user, who is no root either).
Esito esegui(const Macchina& m, bool root, const QString& mancante, const QStringList& argomenti)
{
    QProcess p;
    QProcessEnvironment ambiente;
    ambiente.insert(u"PATH"_s, m.percorso());
    ambiente.insert(u"MANCANTE"_s, mancante);
    ambiente.insert(u"REGISTRO"_s, QFileInfo(m.script()).path() + u"/registro"_s);
    p.setProcessEnvironment(ambiente);
    if (!root && geteuid() == 0)
        p.setChildProcessModifier([] {
            if (!diventaNessuno())
                _exit(126);
        });
    p.start(u"/bin/bash"_s, QStringList{m.script()} + argomenti);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}
} // namespace

class TestInstallDeps : public QObject {
    Q_OBJECT
private slots:
    void installazione_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<bool>("conSudo");
        QTest::addColumn<QString>("mancante");
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("chiamate");
        const QString installa = u"apt-get install -y -qq --no-install-recommends "_s;
        QTest::newRow("nothing missing, no sudo") << false << false << QString() << QStringList() << 0 << QString();
        QTest::newRow("a user with sudo") << false << true << u"cmake"_s << QStringList{u"programma"_s} << 0
                                          << u"sudo apt-get update -qq\nsudo "_s + installa + u"cmake\n"_s;
        QTest::newRow("a tests' package, a user with sudo") << false << true << u"xvfb"_s << QStringList() << 0
                                                            << u"sudo apt-get update -qq\nsudo "_s + installa
                                                                   + u"xvfb\n"_s;
        QTest::newRow("a tests' package is not the program's") << false << false << u"xvfb"_s
                                                               << QStringList{u"programma"_s} << 0 << QString();
        QTest::newRow("root, no sudo") << true << false << u"cmake"_s << QStringList{u"programma"_s} << 0
                                       << u"apt-get update -qq\n"_s + installa + u"cmake\n"_s;
        QTest::newRow("a user without sudo") << false << false << u"cmake"_s << QStringList{u"programma"_s} << 1
                                             << QString();
        QTest::newRow("a user without sudo, every package") << false << false << u"xvfb"_s << QStringList() << 1
                                                            << QString();
    }
    void installazione()
    {
        QFETCH(bool, root);
        QFETCH(bool, conSudo);
        QFETCH(QString, mancante);
        QFETCH(QStringList, argomenti);
        QFETCH(int, codice);
        QFETCH(QString, chiamate);
        if (root && geteuid() != 0)
            QSKIP("needs root");
        const Macchina m(conSudo);
        const Esito e = esegui(m, root, mancante, argomenti);
        QCOMPARE(e.codice, codice);
        QCOMPARE(m.registro(), chiamate);
        if (codice == 0) {
            QCOMPARE(e.errori, QString());
            return;
        }
        // What to do, in place of the shell's "sudo: command not found".
        QCOMPARE(e.errori, u"Mancano questi pacchetti Debian: %1\n"
                           "Per installarli serve root, e sudo non c'è: entrare come root (su -) ed eseguire\n"
                           "  bash %2%3\n"
                           "poi rilanciare il comando come prima.\n"_s
                               .arg(mancante, m.script(), argomenti.isEmpty() ? QString() : u" "_s + argomenti[0]));
    }
};

CORVEXT_TEST_MAIN(TestInstallDeps)
#include "test_install_deps.moc"
