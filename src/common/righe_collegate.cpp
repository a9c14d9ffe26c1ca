#include "common/righe_collegate.h"
#include "platform/db/connessione.h"

using namespace Qt::StringLiterals;

namespace {
struct Descrizione {
    const char16_t* sql;
    const char16_t* testo;
};

// In the order of RigaCollegata.
constexpr Descrizione descrizioni[] = {
    {u"SELECT 1 FROM clienti WHERE idCli = ?",
     u"Attenzione! il cliente non esiste più nell'archivio: è stato eliminato da un'altra postazione."},
    {u"SELECT 1 FROM prodotti_ai_clienti WHERE id_pro_cli = ?",
     u"Attenzione! il prodotto del cliente non esiste più nell'archivio: è stato eliminato da un'altra postazione."},
    {u"SELECT 1 FROM chiamate WHERE idChiamata = ?",
     u"Attenzione! la chiamata non esiste più nell'archivio: è stata eliminata da un'altra postazione."},
    {u"SELECT 1 FROM prodotti_in_chiamata WHERE idProdChiamata = ?",
     u"Attenzione! il prodotto non fa più parte della chiamata: è stato rimosso da un'altra postazione."},
    {u"SELECT 1 FROM attività_svolte WHERE idAttivita = ?",
     u"Attenzione! l'intervento svolto non esiste più nell'archivio: è stato eliminato da un'altra postazione."},
    {u"SELECT 1 FROM richieste WHERE idRichiesta = ?",
     u"Attenzione! la richiesta non esiste più nell'archivio: è stata eliminata da un'altra postazione."},
};

const Descrizione& descrizioneRiga(RigaCollegata riga)
{
    return descrizioni[int(riga)];
}
} // namespace

QString testoRigaMancante(RigaCollegata riga)
{
    return QString::fromUtf16(descrizioneRiga(riga).testo);
}

RigaMancante::RigaMancante(RigaCollegata riga)
    : ErroreDb(erroreRecordEliminato, u"Corvext"_s, testoRigaMancante(riga) + u"\r\nNulla è stato salvato."_s),
      riga(riga)
{
}

bool esisteRiga(RigaCollegata riga, const QVariant& chiave)
{
    return !chiave.isNull()
           && !connessione.apriAvanti(QString::fromUtf16(descrizioneRiga(riga).sql), {chiave}).eof();
}

void richiediRiga(RigaCollegata riga, const QVariant& chiave)
{
    if (!esisteRiga(riga, chiave))
        throw RigaMancante(riga);
}
