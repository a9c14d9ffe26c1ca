#include "common/funzioni.h"
#include "platform/db/errore_db.h"
#include "platform/ui/finestra.h"
#include "platform/ui/messaggi.h"

void segnalaErrore(const ErroreDb& e)
{
    segnalaCaricamentoFallito();
    // Another workstation's lock, a row it deleted and a file that is not the archive say so
    // in plain words: there is nothing for the programmer to note.
    if (e.numero == erroreArchivioOccupato || e.numero == erroreRecordEliminato || e.numero == erroreFormatoArchivio) {
        messaggio(e.descrizione, stile::esclamazione);
        return;
    }
    QStringList righe;
    if (e.numero == erroreComando) {
        righe << QStringLiteral("Attenzione ! Si e' provato a creare un record gia' esistente nell'archivio.")
              << QStringLiteral("Se il record non compare in tabella è possibile che sia stato eliminato in precedenza")
              << QStringLiteral("ma che alcuni dati inseriti nell'archivio lo richiedano.") << e.descrizione;
    } else {
        righe << QStringLiteral("Attenzione! si è verificato il seguente errore: ") << QString()
              << QStringLiteral("NUMERO: ") + QString::number(e.numero) << QStringLiteral("SOURCE: ") + e.sorgente
              << QStringLiteral("DESCRIZIONE: ") + e.descrizione << QString()
              << QStringLiteral("Annotare con cura i dati sopraelencati e comunicarli al programmatore");
    }
    messaggio(righe.join(QStringLiteral("\r\n")), stile::soloOK);
}

void segnalaErrore(const std::exception& e)
{
    if (const auto* db = dynamic_cast<const ErroreDb*>(&e)) {
        segnalaErrore(*db);
        return;
    }
    // E_UNEXPECTED: a failure outside the data layer.
    segnalaErrore(ErroreDb(-2147418113, QStringLiteral("Corvext"), QString::fromLocal8Bit(e.what())));
}

bool gestisci(const std::function<void()>& corpo)
{
    try {
        corpo();
        return true;
    } catch (const std::exception& e) {
        segnalaErrore(e);
    }
    return false;
}
