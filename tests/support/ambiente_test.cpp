#include "ambiente_test.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/odbc/origine_dati.h"
#include "platform/ui/dialogo_file.h"
#include "platform/ui/finestra.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "schema/schema.h"
#include <QDir>
#include <QFile>
#include <grp.h>
#include <unistd.h>

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
    // The user's own odbc.ini is read before the system one: keep the machine's out.
    scrivi(dir + QStringLiteral("/utente.ini"), "");
    qputenv("ODBCINI", QFile::encodeName(dir + QStringLiteral("/utente.ini")));
    seamMessaggi::attiva();
    seamModale::attiva();
    seamDialogoFile::attiva();
}

QString cartellaOdbcTest()
{
    return cartellaOdbc().path();
}

bool diventaNessuno()
{
    constexpr gid_t nessuno = 65534;
    return setgroups(0, nullptr) == 0 && setgid(nessuno) == 0 && setuid(nessuno) == 0;
}

// Through the odbcinst API, so that unixODBC's cache of what it read stays true.
void registraDsnTest(const QString& fileDatabase)
{
    const QString s = QStringLiteral("corvext");
    odbc::rimuoviSezione(s);
    const bool scritto = odbc::scrivi({{QStringLiteral("ODBC Data Sources"), s, QStringLiteral("SQLite3")},
                                       {s, QStringLiteral("Description"), QStringLiteral("Connessione database Corvext")},
                                       {s, QStringLiteral("Driver"), QStringLiteral("SQLite3")},
                                       {s, QStringLiteral("Database"), fileDatabase},
                                       {s, QStringLiteral("Timeout"), QStringLiteral("10000")}});
    if (!scritto)
        qFatal("cannot register the test data source");
}

void rimuoviDsnTest()
{
    odbc::rimuoviSezione(QStringLiteral("corvext"));
    odbc::rimuoviChiave(QStringLiteral("ODBC Data Sources"), QStringLiteral("corvext"));
}

QString creaDatabaseVuoto(const QString& cartella)
{
    const QString file = cartella + QStringLiteral("/corvext.db");
    scrivi(file, QByteArray());
    return file;
}

DatabaseTest::DatabaseTest(bool conSchema)
{
    // The program never creates its database by opening it: the file is there beforehand.
    registraDsnTest(creaDatabaseVuoto(dir.path()));
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

QStringList vociCombo(const QComboBox* c)
{
    QStringList v;
    for (int i = 0; i < c->count(); ++i)
        v << c->itemText(i);
    return v;
}
