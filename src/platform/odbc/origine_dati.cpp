#include "platform/odbc/origine_dati.h"
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <odbcinst.h>
#include <optional>
#include <vector>

// unixODBC's own: the path of the system odbc.ini, as `odbcinst -j` prints it; with
// bVerify it also creates the file when it is missing (the API writes only into a file
// that exists). Exported by libodbcinst, declared in odbcinstext.h only for its own source.
extern "C" BOOL _odbcinst_SystemINI(char* pszFileName, BOOL bVerify);

namespace {

const char* const fileDsn = "odbc.ini";
const char* const fileDriver = "odbcinst.ini";
constexpr int dimensioneBuffer = 65535; // SQLGetInstalledDrivers takes a WORD

#ifndef CORVEXT_MULTIARCH
#define CORVEXT_MULTIARCH "x86_64-linux-gnu"
#endif

// The system mode for the duration of one look-up or write; the mode in force before
// (ODBC_BOTH_DSN unless someone set another) is put back afterwards, so the driver
// manager inside this process finds data sources as usual.
class ModoSistema {
public:
    ModoSistema()
    {
        if (!SQLGetConfigMode(&precedente))
            precedente = ODBC_BOTH_DSN;
        SQLSetConfigMode(ODBC_SYSTEM_DSN);
    }
    ~ModoSistema() { SQLSetConfigMode(precedente); }
    ModoSistema(const ModoSistema&) = delete;
    ModoSistema& operator=(const ModoSistema&) = delete;

private:
    UWORD precedente = ODBC_BOTH_DSN;
};

QByteArray testo(const QString& s)
{
    return s.toUtf8();
}

// A list of zero-terminated names ending with an empty one.
QStringList elencoMultiplo(const std::vector<char>& buffer)
{
    QStringList nomi;
    std::size_t i = 0;
    while (i < buffer.size() && buffer[i] != '\0') {
        std::size_t fine = i;
        while (fine < buffer.size() && buffer[fine] != '\0')
            ++fine;
        nomi << QString::fromUtf8(buffer.data() + i, static_cast<qsizetype>(fine - i));
        i = fine + 1;
    }
    return nomi;
}

// Names of the sections of odbc.ini (section empty) or of the keys of one section;
// nullopt when the file cannot be read.
std::optional<QStringList> elenco(const QString& sezione)
{
    ModoSistema modo;
    std::vector<char> buffer(dimensioneBuffer + 1, '\0');
    const QByteArray s = testo(sezione);
    const int esito = SQLGetPrivateProfileString(sezione.isEmpty() ? nullptr : s.constData(), nullptr, "",
                                                 buffer.data(), dimensioneBuffer, fileDsn);
    if (esito < 0)
        return std::nullopt;
    return elencoMultiplo(buffer);
}

bool contiene(const QStringList& nomi, const QString& nome)
{
    return nomi.contains(nome, Qt::CaseInsensitive);
}

// Whether a section is there, given the list of sections. unixODBC leaves
// [ODBC Data Sources] out of that list, so a section with keys counts as well.
bool presente(const QStringList& nomiSezioni, const QString& sezione)
{
    if (contiene(nomiSezioni, sezione))
        return true;
    const auto voci = elenco(sezione);
    return voci && !voci->isEmpty();
}

// Makes sure the system odbc.ini exists, since unixODBC writes only into an existing file.
void preparaFile()
{
    char percorso[16384] = {};
    _odbcinst_SystemINI(percorso, 1);
}

bool scriviReale(const char* sezione, const char* chiave, const char* valore)
{
    ModoSistema modo;
    preparaFile();
    return SQLWritePrivateProfileString(sezione, chiave, valore, fileDsn);
}

seamOdbc::Scrittore& scrittoreCorrente()
{
    static seamOdbc::Scrittore s;
    return s;
}

// What a section held before odbc::scrivi touched it.
struct StatoSezione {
    QString nome;
    bool presente = false;
    QHash<QString, QString> valori; // key (lower case) -> old value, for the keys that were there
};

// Whether a driver library is the SQLite3 ODBC driver, by its file name.
bool libreriaSqlite(const QString& libreria)
{
    return QFileInfo(libreria).fileName().startsWith(QLatin1String("libsqlite3odbc"));
}

// The library of a driver section of odbcinst.ini; empty when there is none.
QString libreriaDelDriver(const QString& driver)
{
    std::vector<char> valore(4097, '\0');
    const QByteArray s = testo(driver);
    if (SQLGetPrivateProfileString(s.constData(), "Driver", "", valore.data(), 4096, fileDriver) <= 0)
        return QString();
    return QString::fromUtf8(valore.data());
}
} // namespace

namespace odbc {

QString fileOdbcIni()
{
    char percorso[16384] = {};
    _odbcinst_SystemINI(percorso, 0);
    return QString::fromUtf8(percorso);
}

QStringList sezioni()
{
    return elenco(QString()).value_or(QStringList());
}

bool sezionePresente(const QString& sezione)
{
    if (sezione.isEmpty())
        return false;
    const auto nomi = elenco(QString());
    return nomi && presente(*nomi, sezione);
}

QStringList chiavi(const QString& sezione)
{
    if (!sezionePresente(sezione))
        return {};
    return elenco(sezione).value_or(QStringList());
}

QString valore(const QString& sezione, const QString& chiave, const QString& predefinito)
{
    if (sezione.isEmpty() || chiave.isEmpty())
        return predefinito;
    ModoSistema modo;
    std::vector<char> buffer(dimensioneBuffer + 1, '\0');
    const QByteArray s = testo(sezione), c = testo(chiave), p = testo(predefinito);
    const int esito = SQLGetPrivateProfileString(s.constData(), c.constData(), p.constData(), buffer.data(),
                                                 dimensioneBuffer, fileDsn);
    if (esito < 0)
        return predefinito;
    return QString::fromUtf8(buffer.data());
}

QString driverSqlite()
{
    std::vector<char> buffer(dimensioneBuffer + 1, '\0');
    WORD usati = 0;
    QStringList driver;
    if (SQLGetInstalledDrivers(buffer.data(), dimensioneBuffer, &usati))
        driver = elencoMultiplo(buffer);

    for (const QString& d : driver)
        if (d.compare(QLatin1String("SQLite3"), Qt::CaseInsensitive) == 0)
            return d;

    // A driver section under another name whose library is the SQLite3 driver.
    for (const QString& d : driver) {
        const QString libreria = libreriaDelDriver(d);
        const QFileInfo info(libreria);
        if (info.isAbsolute() && libreriaSqlite(libreria) && info.exists())
            return libreria;
    }

    // The file of Debian's libsqliteodbc, or of a build installed by hand.
    const char* const candidati[] = {
        "/usr/lib/" CORVEXT_MULTIARCH "/odbc/libsqlite3odbc.so",
        "/usr/lib/odbc/libsqlite3odbc.so",
        "/usr/lib64/libsqlite3odbc.so",
        "/usr/local/lib/libsqlite3odbc.so",
    };
    for (const char* c : candidati)
        if (QFileInfo::exists(QString::fromUtf8(c)))
            return QString::fromUtf8(c);
    return QString();
}

OrigineSqlite leggiOrigineSqlite(const QString& nome)
{
    OrigineSqlite o;
    if (!sezionePresente(nome)) {
        o.errore = QStringLiteral("L'origine dati \"%1\" non esiste.").arg(nome);
        return o;
    }
    // The Driver key holds a section of odbcinst.ini or the library itself.
    const QString driver = valore(nome, QStringLiteral("Driver"));
    const bool percorso = driver.contains(QLatin1Char('/'));
    if (driver.isEmpty() || !libreriaSqlite(percorso ? driver : libreriaDelDriver(driver))) {
        o.errore = QStringLiteral("L'origine dati \"%1\" non usa il driver SQLite3 (Driver=%2).").arg(nome, driver);
        return o;
    }
    o.file = valore(nome, QStringLiteral("Database")).trimmed();
    if (o.file.isEmpty()) {
        o.errore = QStringLiteral("L'origine dati \"%1\" non indica il file del database.").arg(nome);
        return o;
    }
    bool ok = false;
    const int attesa = valore(nome, QStringLiteral("Timeout")).trimmed().toInt(&ok);
    if (ok && attesa >= 0)
        o.attesaMs = attesa;
    return o;
}

bool scrivi(const QList<Voce>& voci)
{
    if (voci.isEmpty())
        return true;

    // What the sections hold now, to take the writes back if one fails.
    const auto nomiSezioni = elenco(QString());
    if (!nomiSezioni)
        return false;
    QList<StatoSezione> prima;
    auto statoDi = [&prima](const QString& sezione) -> StatoSezione& {
        for (StatoSezione& s : prima)
            if (s.nome.compare(sezione, Qt::CaseInsensitive) == 0)
                return s;
        prima.append(StatoSezione{sezione, false, {}});
        return prima.last();
    };
    for (const Voce& v : voci) {
        if (v.sezione.isEmpty() || v.chiave.isEmpty())
            return false;
        StatoSezione& s = statoDi(v.sezione);
        s.presente = presente(*nomiSezioni, v.sezione);
        if (s.presente && contiene(chiavi(v.sezione), v.chiave) && !s.valori.contains(v.chiave.toLower()))
            s.valori.insert(v.chiave.toLower(), valore(v.sezione, v.chiave));
    }

    auto annulla = [&](qsizetype finoA) {
        QSet<QString> fatte;
        for (qsizetype i = 0; i <= finoA && i < voci.size(); ++i) {
            const Voce& v = voci[i];
            const StatoSezione& s = statoDi(v.sezione);
            const QByteArray sezione = testo(v.sezione), chiave = testo(v.chiave);
            if (!s.presente) {
                if (!fatte.contains(s.nome.toLower()))
                    scriviReale(sezione.constData(), nullptr, nullptr);
                fatte.insert(s.nome.toLower());
                continue;
            }
            const QString id = s.nome.toLower() + QLatin1Char('\n') + v.chiave.toLower();
            if (fatte.contains(id))
                continue;
            fatte.insert(id);
            const auto vecchio = s.valori.constFind(v.chiave.toLower());
            if (vecchio != s.valori.constEnd())
                scriviReale(sezione.constData(), chiave.constData(), testo(*vecchio).constData());
            else
                scriviReale(sezione.constData(), chiave.constData(), nullptr);
        }
    };

    for (qsizetype i = 0; i < voci.size(); ++i) {
        const Voce& v = voci[i];
        bool scritta = false;
        try {
            const seamOdbc::Scrittore& s = scrittoreCorrente();
            scritta = s ? s(v.sezione, v.chiave, v.valore) : seamOdbc::scritturaReale(v.sezione, v.chiave, v.valore);
        } catch (...) {
            annulla(i);
            throw;
        }
        if (!scritta) {
            annulla(i);
            return false;
        }
    }
    return true;
}

bool rimuoviSezione(const QString& sezione)
{
    if (sezione.isEmpty())
        return false;
    if (!sezionePresente(sezione))
        return true;
    const QByteArray s = testo(sezione);
    return scriviReale(s.constData(), nullptr, nullptr);
}

bool rimuoviChiave(const QString& sezione, const QString& chiave)
{
    if (sezione.isEmpty() || chiave.isEmpty())
        return false;
    if (!contiene(chiavi(sezione), chiave))
        return true;
    const QByteArray s = testo(sezione), c = testo(chiave);
    return scriviReale(s.constData(), c.constData(), nullptr);
}

} // namespace odbc

namespace seamOdbc {

void impostaScrittore(Scrittore scrittore)
{
    scrittoreCorrente() = std::move(scrittore);
}

bool scritturaReale(const QString& sezione, const QString& chiave, const QString& valore)
{
    if (sezione.isEmpty() || chiave.isEmpty())
        return false;
    const QByteArray s = testo(sezione), c = testo(chiave), v = testo(valore);
    return scriviReale(s.constData(), c.constData(), v.constData());
}

} // namespace seamOdbc
