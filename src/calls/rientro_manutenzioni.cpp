// The maintenances of the selected appliance in the return report.
#include "calls/campi_rientro.h"
#include "calls/dati_rientro.h"
#include "calls/registro_manutenzioni.h"
#include "calls/rientro_tecnico.h"
#include "calls/scheda_manutenzione.h"
#include "common/funzioni.h"
#include "platform/ui/controlli.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QWidget* schRientroTecnico::costruisciManutenzioni(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"Manutenzioni associate al prodotto"_s, f);
    auto* l = new QHBoxLayout(fra);
    c.grigliaManutenzioni = controllo<Griglia>(fra, u"grigliaManutenzioni"_s);
    c.grigliaManutenzioni->setAccessibleName(fra->title());
    c.cmdAggiungiMan = pulsante(fra, u"cmdAggiungiMan"_s, u"&Aggiungi"_s);
    c.cmdRimuoviMan = pulsante(fra, u"cmdRimuoviMan"_s, u"&Rimuovi"_s);
    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(c.cmdAggiungiMan);
    pulsanti->addWidget(c.cmdRimuoviMan);
    pulsanti->addStretch();
    l->addWidget(c.grigliaManutenzioni, 1);
    l->addLayout(pulsanti);
    QObject::connect(c.cmdAggiungiMan, &QPushButton::clicked, fra, [this] { cmdAggiungiMan_Click(); });
    QObject::connect(c.cmdRimuoviMan, &QPushButton::clicked, fra, [this] { cmdRimuoviMan_Click(); });
    return fra;
}

void schRientroTecnico::aggiornaMan()
{
    gestisci([this] {
        ui().grigliaManutenzioni->imposta(
            manutenzioniProdotto(prodottoInstallato(prodottoSelezionato())),
            {{u"dataMan"_s, u"Data"_s},
             {u"sigla_tipo_man"_s, u"Sigla"_s},
             {u"desc_tipo_man"_s, u"Descrizione"_s}});
    });
}

void schRientroTecnico::cmdAggiungiMan_Click()
{
    gestisci([this] {
        const QVariant prodotto = prodottoSelezionato();
        if (prodotto.isNull()) {
            messaggio(u"Per effettuare la manutenzione selezionare prima il prodotto"_s, stile::informazione);
            return;
        }
        const qint64 installato = prodottoInstallato(prodotto).toLongLong();
        if (manutenzioneGiaAssegnata(installato, dataIntervento)) {
            messaggio(u"Attenzione! è già stata assegnata la manutenzione al prodotto"_s, stile::informazione);
            return;
        }
        schMan& scheda = istanza<schMan>();
        scheda.carica();
        scheda.nIdChiamata = nID;
        scheda.dataMan = dataIntervento;
        scheda.nIdProdotto = installato;
        scheda.mostraModale();
        // The subscription typed and not yet saved stays on screen.
        aggiornaMan();
    });
}

void schRientroTecnico::cmdRimuoviMan_Click()
{
    gestisci([this] {
        Griglia* g = ui().grigliaManutenzioni;
        if (!g->haRigaCorrente()) {
            messaggio(u"Attenzione! nessuna manutenzione selezionata"_s, stile::esclamazione);
            return;
        }
        eliminaManutenzione(g->valore(u"id"_s).toLongLong(), g->valore(u"codProdotto"_s).toLongLong());
        aggiornaMan();
    });
}
