// The run command's tool, before the install step. Earlier builds kept the program folder in
// the build tree: a data source "corvext" that still names a database there has it moved
// into the program folder, so that removing the build tree loses nothing.
//   sposta_archivio CARTELLA_COMPILAZIONE CARTELLA_PROGRAMMA
// Exit status: 0 when there was nothing to move or the database was moved; 3 when the program
// folder already holds a database with data (nothing is moved or changed); 1 on a failure.
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/odbc/origine_dati.h"
#include "schema/controllo_archivio.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace {
const QString origineDati = QStringLiteral("corvext");
constexpr int rifiutato = 3;

void scrivi(std::FILE* f, const QString& testo)
{
    std::fputs(testo.toUtf8().constData(), f);
}

QString giornale(const QString& archivio)
{
    return archivio + QStringLiteral("-journal");
}

// Whether the database holds anything beyond what a new one holds.
bool conDati(const QString& archivio, int attesaMs)
{
    Connessione c;
    c.apriFile(archivio, attesaMs);
    const bool intatto = archivioIntatto(c);
    c.chiudi();
    return !intatto;
}

bool sposta(const QString& da, const QString& a, QString& errore)
{
    QFile f(da);
    if (f.rename(a))
        return true;
    errore = QStringLiteral("Impossibile spostare %1 in %2: %3").arg(da, a, f.errorString());
    return false;
}

// unixODBC's profile writer drops every comment of the file it rewrites: the file as it was is
// copied beside it first, in place of an earlier copy.
bool salvaCopia(const QString& file, const QString& copia, QString& errore)
{
    const QString lavoro = copia + QStringLiteral(".nuova");
    QFile::remove(lavoro);
    QFile f(file);
    if (!f.copy(lavoro)) {
        errore = f.errorString();
        return false;
    }
    if (!QFile::setPermissions(lavoro, f.permissions())
        || std::rename(QFile::encodeName(lavoro).constData(), QFile::encodeName(copia).constData()) != 0) {
        errore = qt_error_string(errno);
        QFile::remove(lavoro);
        return false;
    }
    return true;
}

// The database and its journal, if it has one: both or neither.
bool spostaArchivio(const QString& da, const QString& a, QString& errore)
{
    if (!sposta(da, a, errore))
        return false;
    if (!QFileInfo::exists(giornale(da)) || sposta(giornale(da), giornale(a), errore))
        return true;
    QString ritorno;
    sposta(a, da, ritorno);
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        scrivi(stderr, QStringLiteral("uso: sposta_archivio CARTELLA_COMPILAZIONE CARTELLA_PROGRAMMA\n"));
        return 2;
    }
    const QString compilazione = QFileInfo(QFile::decodeName(argv[1])).canonicalFilePath();
    const QString programma = QFileInfo(QFile::decodeName(argv[2])).absoluteFilePath();
    const odbc::OrigineSqlite origine = odbc::leggiOrigineSqlite(origineDati);
    // No data source yet, or one the program refuses by itself: nothing to move.
    if (!origine.errore.isEmpty())
        return 0;
    const QString vecchio = QFileInfo(origine.file).canonicalFilePath();
    if (compilazione.isEmpty() || vecchio.isEmpty() || !vecchio.startsWith(compilazione + QLatin1Char('/')))
        return 0;
    const QString nuovo = QDir(programma).filePath(QStringLiteral("corvext.db"));
    if (QFileInfo(nuovo).canonicalFilePath() == vecchio)
        return 0;
    const QString odbcIni = odbc::fileOdbcIni();

    try {
        if (QFileInfo::exists(nuovo) && conDati(nuovo, origine.attesaMs)) {
            scrivi(stderr,
                   QStringLiteral(
                       "L'origine dati \"%4\" (%3) indica il database della cartella di compilazione\n"
                       "  %1\n"
                       "ma nella cartella del programma c'è già un database che non è quello vuoto dell'installazione:\n"
                       "  %2\n"
                       "Non è stato spostato né cambiato nulla e il programma non è stato avviato.\n"
                       "Scegliere quale database tenere:\n"
                       "- quello della cartella di compilazione: spostare altrove %2\n"
                       "  e rilanciare scripts/run, che lo porterà nella cartella del programma;\n"
                       "- quello della cartella del programma: scrivere Database=%2\n"
                       "  nella sezione [%4] di %3 e rilanciare scripts/run.\n"
                       "  L'altro sarà cancellato con la cartella di compilazione (rm -rf build): "
                       "copiarlo altrove se serve ancora.\n")
                       .arg(vecchio, nuovo, odbcIni, origineDati));
            return rifiutato;
        }
    } catch (const ErroreDb& e) {
        scrivi(stderr, QStringLiteral("Impossibile leggere il database %1: %2\nNon è stato spostato né cambiato nulla.\n")
                           .arg(nuovo, e.descrizione));
        return 1;
    }

    const QString copiaOdbcIni = odbcIni + QStringLiteral(".bak");
    QString errore;
    if (!salvaCopia(odbcIni, copiaOdbcIni, errore)) {
        scrivi(stderr, QStringLiteral("Impossibile salvare la copia di %1 in %2: %3\n"
                                      "Non è stato spostato né cambiato nulla.\n")
                           .arg(odbcIni, copiaOdbcIni, errore));
        return 1;
    }
    const QString copiaSalvata = QStringLiteral("La copia di %1 com'era prima (con i suoi commenti, che la "
                                                "riscrittura non conserva) è in %2.\n")
                                     .arg(odbcIni, copiaOdbcIni);
    const auto indica = [&](const QString& archivio) {
        return odbc::scrivi({{origineDati, QStringLiteral("Database"), archivio}});
    };
    if (!indica(nuovo)) {
        scrivi(stderr, QStringLiteral("Impossibile scrivere nell'origine dati \"%1\": serve il permesso di scrivere %2.\n"
                                      "Non è stato spostato né cambiato nulla.\n")
                           .arg(origineDati, odbcIni));
        return 1;
    }
    // The new database of the program folder gives way: should the move fail, the install
    // step lays out another.
    QFile::remove(giornale(nuovo));
    QFile::remove(nuovo);
    if (!spostaArchivio(vecchio, nuovo, errore)) {
        indica(origine.file);
        scrivi(stderr, errore + QStringLiteral("\nL'origine dati \"%1\" indica ancora %2.\n").arg(origineDati, vecchio)
                           + copiaSalvata);
        return 1;
    }
    scrivi(stdout, QStringLiteral("Il database dell'origine dati \"%1\" è stato spostato dalla cartella di "
                                  "compilazione nella cartella del programma:\n"
                                  "  da %2\n"
                                  "  a  %3\n"
                                  "L'origine dati \"%1\" (%4) ora indica %3.\n")
                           .arg(origineDati, vecchio, nuovo, odbcIni)
                       + copiaSalvata);
    return 0;
}
