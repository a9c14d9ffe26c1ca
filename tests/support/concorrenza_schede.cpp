#include "concorrenza_schede.h"
#include "altra_postazione.h"
#include "platform/ui/messaggi.h"
#include <QTest>

using namespace Qt::StringLiterals;

EsitoConcorrenza confermaConcorrente(const ProvaConcorrenza& p, const std::function<void()>& conferma,
                                     const std::function<bool()>& aperta,
                                     const std::function<QStringList()>& mostrato)
{
    if (!p.altra.isEmpty())
        AltraPostazione(p.fileDatabase).esegui(p.altra);
    if (p.domanda)
        seamMessaggi::rispondi(p.sovrascrivi ? Risposta::Si : Risposta::No);
    EsitoConcorrenza e;
    conferma();
    e.box = seamMessaggi::testi();
    e.aperta = aperta();
    if (e.aperta) {
        e.mostrato = mostrato();
        conferma();
    }
    return e;
}

bool verificaConcorrenza(const ProvaConcorrenza& p, const EsitoConcorrenza& e, const QString& primaRiga,
                         const QStringList& atteso)
{
    const QStringList box = p.domanda ? QStringList{primaRiga
                                                    + u"\r\nSovrascrivere con i dati di questa scheda?\r\n"
                                                      "Sì: salva i dati mostrati.\r\nNo: mantiene la versione "
                                                      "dell'altra postazione, che la scheda mostrerà."_s}
                                      : QStringList{};
    if (!QTest::qCompare(e.box, box, "e.box", "box", __FILE__, __LINE__))
        return false;
    // A question with Sì and No that opens on No.
    if (p.domanda && ((seamMessaggi::mostrati().first().stile & 0x77) != (stile::siNo | stile::domanda)
                      || seamMessaggi::mostrati().first().predefinita != Risposta::No))
        return QTest::qVerify(false, "question box", "", __FILE__, __LINE__);
    if (!QTest::qCompare(e.aperta, p.domanda && !p.sovrascrivi, "e.aperta", "kept", __FILE__, __LINE__))
        return false;
    if (e.aperta && !QTest::qCompare(e.mostrato, atteso, "e.mostrato", "atteso", __FILE__, __LINE__))
        return false;
    // Confirmed again over the version it shows, the card asks nothing more.
    return QTest::qCompare(seamMessaggi::testi(), box, "testi", "box", __FILE__, __LINE__);
}
