#include "shell/dsn/crea_dsn.h"
#include "platform/ambiente/ambiente.h"
#include "platform/odbc/origine_dati.h"
#include "platform/ui/messaggi.h"
#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <thread>

namespace {

std::function<void(std::chrono::milliseconds)>& attesaCorrente()
{
    static std::function<void(std::chrono::milliseconds)> f;
    return f;
}

// The closing wait: two seconds on the monotonic clock, after the pending events were
// processed once.
void attendi()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    constexpr std::chrono::milliseconds dueSecondi(2000);
    if (const auto& f = attesaCorrente()) {
        f(dueSecondi);
        return;
    }
    const auto fine = std::chrono::steady_clock::now() + dueSecondi;
    while (std::chrono::steady_clock::now() < fine)
        std::this_thread::sleep_until(fine);
}

// Numeric as the operators' tools read it: a number in the C or the Italian notation, or &H / &O,
// blanks around it allowed.
bool numerico(const QString& valore)
{
    const QString t = valore.trimmed();
    if (t.isEmpty())
        return false;
    if (t.size() > 2 && t[0] == QLatin1Char('&')) {
        const QChar base = t[1].toUpper();
        const QString cifre = t.mid(2);
        bool ok = false;
        if (base == QLatin1Char('H'))
            cifre.toULongLong(&ok, 16);
        else if (base == QLatin1Char('O'))
            cifre.toULongLong(&ok, 8);
        return ok && !cifre.startsWith(QLatin1Char('+')) && !cifre.startsWith(QLatin1Char('-'));
    }
    bool ok = false;
    double d = QLocale::c().toDouble(t, &ok);
    if (ok && std::isfinite(d))
        return true;
    d = QLocale(QLocale::Italian, QLocale::Italy).toDouble(t, &ok);
    return ok && std::isfinite(d);
}

bool mancante(const QString& valore, const char* testo)
{
    if (!valore.isEmpty())
        return false;
    messaggio(QString::fromLatin1(testo), stile::esclamazione, QStringLiteral("Missing Information"));
    return true;
}

bool suUnaRiga(const QString& valore)
{
    return !valore.contains(QLatin1Char('\n')) && !valore.contains(QLatin1Char('\r'));
}

} // namespace

bool creaDSN()
{
    return creaDSNRegistro(QStringLiteral("corvext"), QStringLiteral("Connessione database Corvext"),
                           odbc::driverSqlite(), QStringLiteral("25"), QStringLiteral("SQLite3"),
                           cartellaProgramma() + QStringLiteral("/corvext.db"), QString(), QStringLiteral("KVDN1996"),
                           odbc::fileOdbcIni());
}

bool creaDSNRegistro(QString nome, QString descrizione, QString fileDriver, QString idDriver, QString nomeDriver,
                     QString fileDatabase, QString utente, QString password, QString fileOdbcIni)
{
    // The numeric test of the driver id looks at the value as it was passed.
    const QString idDriverPassato = idDriver;
    for (QString* v : {&nome, &descrizione, &fileDriver, &idDriver, &nomeDriver, &fileDatabase, &utente, &password,
                       &fileOdbcIni})
        *v = v->trimmed();

    if (mancante(nome, "Missing data source name") || mancante(descrizione, "Missing data source description")
        || mancante(fileDriver, "Missing driver file") || mancante(idDriver, "Missing driver ID"))
        return false;
    if (!numerico(idDriverPassato)) {
        messaggio(QStringLiteral("Driver ID must be numeric"), stile::esclamazione, QStringLiteral("Missing Information"));
        return false;
    }
    if (mancante(nomeDriver, "Missing driver name") || mancante(fileOdbcIni, "Missing ODBC.Ini path"))
        return false;

    // All or nothing: odbc::scrivi takes back whatever it wrote when one write
    // fails, so a failure leaves no partial [nome] section and no entry under [ODBC Data Sources].
    bool scritto = false;
    try {
        QList<odbc::Voce> voci{
            {nome, QStringLiteral("Description"), descrizione},
            {nome, QStringLiteral("Driver"), fileDriver},
        };
        if (!fileDatabase.isEmpty())
            voci.append({nome, QStringLiteral("Database"), fileDatabase});
        if (!password.isEmpty())
            voci.append({nome, QStringLiteral("PWD"), password});
        voci.append({nome, QStringLiteral("UID"), utente});
        voci.append({nome, QStringLiteral("Timeout"), QStringLiteral("10000")});
        voci.append({QStringLiteral("ODBC Data Sources"), nome, nomeDriver});

        // A line break would put lines of its own into odbc.ini.
        bool valide = suUnaRiga(nome);
        for (const odbc::Voce& v : voci)
            valide = valide && suUnaRiga(v.valore);
        scritto = valide && odbc::scrivi(voci);
    } catch (...) {
        scritto = false;
    }
    if (!scritto)
        messaggio(QStringLiteral("Unable to create DSN"), stile::critica, QStringLiteral("Error"));

    attendi();
    return scritto;
}

void impostaAttesaDSN(std::function<void(std::chrono::milliseconds)> attesa)
{
    attesaCorrente() = std::move(attesa);
}
