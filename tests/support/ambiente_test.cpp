#include "ambiente_test.h"
#include "ambiente.h"
#include "connessione.h"
#include "dialogo_file.h"
#include "finestra.h"
#include "messaggi.h"
#include "modale.h"
#include "schema.h"
#include <QDir>
#include <QFile>

namespace {
QTemporaryDir& cartellaOdbc()
{
    static QTemporaryDir d;
    return d;
}

void scrivi(const QString& file, const QByteArray& testo)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(file));
    f.write(testo);
}
} // namespace

void preparaAmbienteTest()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString dir = cartellaOdbc().path();
    scrivi(dir + QStringLiteral("/odbcinst.ini"),
           "[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=libsqlite3odbc.so\nSetup=libsqlite3odbc.so\n");
    scrivi(dir + QStringLiteral("/odbc.ini"), "");
    qputenv("ODBCSYSINI", QFile::encodeName(dir));
    seamMessaggi::attiva();
    seamModale::attiva();
    seamDialogoFile::attiva();
}

QString cartellaOdbcTest()
{
    return cartellaOdbc().path();
}

void registraDsnTest(const QString& fileDatabase)
{
    scrivi(cartellaOdbcTest() + QStringLiteral("/odbc.ini"),
           "[ODBC Data Sources]\ncorvext=SQLite3\n\n[corvext]\nDescription=Connessione database Corvext\n"
           "Driver=SQLite3\nDatabase="
               + QFile::encodeName(fileDatabase) + "\nTimeout=10000\n");
}

void rimuoviDsnTest()
{
    scrivi(cartellaOdbcTest() + QStringLiteral("/odbc.ini"), "");
}

DatabaseTest::DatabaseTest(bool conSchema)
{
    registraDsnTest(file());
    impostaCartellaProgramma(dir.path());
    connessione.apri(QStringLiteral("dsn=corvext"));
    if (conSchema)
        preparaDatabase(connessione);
}

DatabaseTest::~DatabaseTest()
{
    rilasciaTutteLeFinestre();
    connessione.chiudi();
    seamMessaggi::azzera();
    seamModale::azzera();
    seamDialogoFile::azzera();
    impostaCartellaProgramma(QString());
    impostaOrologio({});
}

QString DatabaseTest::file() const
{
    return dir.path() + QStringLiteral("/corvext.db");
}
