#include "shell/avvio.h"
#include "common/funzioni.h"
#include "common/stato.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/display/display.h"
#include "platform/odbc/origine_dati.h"
#include "platform/ui/messaggi.h"
#include "schema/schema.h"
#include "shell/autenticazione.h"
#include "shell/dsn/crea_dsn.h"
#include "shell/mdi_principale.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QTranslator>

namespace {
const QString nomeDsn = QStringLiteral("corvext");

// The data source is missing: offer to create it. The program ends either way.
void offriCreazioneDsn()
{
    const Risposta r = messaggio(QStringLiteral("ATTENZIONE ! Non e' stata rilevato il DSN di sistema per il database.\r\n"
                                                "Premi ok per creare un nuovo DSN"),
                                 stile::okAnnulla);
    // Mended: a creation that failed does not ask for a restart that cannot help.
    if (r == Risposta::OK && creaDSN())
        messaggio(QStringLiteral("Riavviare il programma"));
    else
        messaggio(QStringLiteral("Contattare il supporto tecnico per la risoluzione del problema."));
}

void offriRisoluzione()
{
    const DimensioniSchermo s = dimensioniSchermo();
    if (s.altezza == 600 || s.larghezza == 800)
        return;
    const Risposta r = messaggio(QStringLiteral("ATTENZIONE !\r\n"
                                                "Per una corretta visualizzazione del programma lo schermo\r\n"
                                                "deve essere impostato alla risoluzione di 800 x 600\r\n"
                                                "Cambiare la risoluzione dello schermo ?"),
                                 stile::siNo | stile::secondoPredefinito, QStringLiteral("Cambio Risoluzione Schermo"));
    if (r == Risposta::Si)
        cambiaRisoluzione(800, 600);
}
} // namespace

bool Main()
{
    // The data source counts as present when it can be read: the system odbc.ini is
    // read-only for users on this platform.
    if (!odbc::sezionePresente(nomeDsn)) {
        offriCreazioneDsn();
        return false;
    }
    return gestisci([] {
               offriRisoluzione();
               stringaConnessione = QStringLiteral("dsn=corvext");
               impostaTitoloApplicazione(QStringLiteral("Gestione QVR GAS"));
               connessione.apri(stringaConnessione, QString(), QString());
               // A file the program cannot use is closed again, untouched.
               auto chiusura = qScopeGuard([] { connessione.chiudi(); });
               preparaDatabase(connessione);
               chiusura.dismiss();
               apriLog();
               istanza<schAutenticazione>().mostraModale();
           })
        && [] {
               if (nomeOperatore.isEmpty()) {
                   messaggio(QStringLiteral("Il programma terminerà a causa di mancanza di autorizzazioni a procedere"),
                             stile::esclamazione);
                   chiudiLog();
                   return false;
               }
               return gestisci([] { istanza<MDIprincipale>().mostra(); });
           }();
}

int eseguiProgramma(QApplication& app)
{
    QTranslator qt;
    if (qt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    if (!Main())
        return 0;
    return app.exec();
}
