#include "calls/scheda_manutenzione.h"
#include "calls/registro_manutenzioni.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QWidget* schMan::costruisci()
{
    auto* f = new FormaDialogo(u"Scheda Manutenzione"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* fra = new QGroupBox(u"Tipo Manutenzione"_s, f);
    auto* lf = new QHBoxLayout(fra);
    c.cmbTipoMan = combo(fra, u"cmbTipoMan"_s);
    c.cmbTipoMan->setMinimumContentsLength(30);
    lf->addWidget(etichetta(fra, u"&Tipo"_s, c.cmbTipoMan));
    lf->addWidget(c.cmbTipoMan, 1);
    c.cmdConferma = pulsante(f, u"cmdConferma"_s, u"&Conferma"_s);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"&Annulla"_s);
    f->impostaAnnulla(c.cmdAnnulla, FormaDialogo::Esc::aParte);
    auto* l = new QVBoxLayout(f);
    l->addWidget(fra);
    filaPulsanti(l, {c.cmdConferma, c.cmdAnnulla});
    QObject::connect(c.cmdConferma, &QPushButton::clicked, f, [this] { cmdConferma_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { cmdAnnulla_Click(); });
    return f;
}

void schMan::alCaricamento()
{
    gestisci([this] { riempiCombo(); });
    dataMan.clear();
    nIdChiamata = 0;
    nIdProdotto = 0;
}

// Every type, the deleted ones too.
void schMan::riempiCombo()
{
    ui().cmbTipoMan->riempi(
        connessione.apriStatico(u"SELECT idTipoMan , ifnull(sigla_tipo_man,'') || '-' || ifnull(desc_tipo_man,'') "
                                "as man from tipoManutenzioni order by sigla_tipo_man COLLATE ITALIANO"_s),
        u"man"_s, u"idTipoMan"_s);
}

void schMan::cmdConferma_Click()
{
    const QVariant tipo = ui().cmbTipoMan->valoreLegato();
    if (tipo.isNull()) {
        messaggio(u"Selezionare il tipo di manutenzione"_s, stile::informazione);
        return;
    }
    // A refused write keeps the card open.
    if (!gestisci([&] { inserisciManutenzione(dataMan, tipo.toLongLong(), nIdChiamata, nIdProdotto); }))
        return;
    bConferma = true;
    chiudi();
}

void schMan::cmdAnnulla_Click()
{
    bConferma = false;
    chiudi();
}
