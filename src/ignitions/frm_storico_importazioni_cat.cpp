#include "ignitions/frm_storico_importazioni_cat.h"
#include "common/funzioni.h"
#include "ignitions/date_accensioni.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/importazione_cat.h"
#include "platform/db/connessione.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QWidget* frmStoricoImportazioniCAT::costruisci()
{
    auto* f = new FormaDialogo(u"Storico Importazioni CAT"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    c.griglia = controllo<Griglia>(f, u"griglia"_s);
    l->addWidget(etichetta(f, u"Label1"_s, u"&Selezionare la procedura da recuperare"_s, c.griglia));
    l->addWidget(c.griglia, 1);
    c.cmdSeleziona = pulsante(f, u"cmdSeleziona"_s, u"Seleziona"_s);
    c.cmdElimina = pulsante(f, u"cmdElimina"_s, u"Elimina"_s);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"Chiudi"_s);
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* p : {c.cmdSeleziona, c.cmdElimina, c.cmdChiudi})
        pulsanti->addWidget(p);
    l->addLayout(pulsanti);
    QObject::connect(c.cmdSeleziona, &QPushButton::clicked, f, [this] { gestisci([this] { cmdSeleziona_Click(); }); });
    QObject::connect(c.cmdElimina, &QPushButton::clicked, f, [this] { gestisci([this] { cmdElimina_Click(); }); });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { chiudi(); });
    f->resize(520, 360);
    return f;
}

void frmStoricoImportazioniCAT::aggiornaGriglia()
{
    // Runs of a centre no longer in the register are not listed.
    gestisci([this] {
        ui().griglia->imposta(
            connessione.apriStatico(u"SELECT * FROM movImportazioniCAT inner join cat on "
                                    "movimportazioniCAT.codCAT=cat.idCat order by dataImp desc, idMov desc"_s),
            {{u"dataImp"_s, u"Data Importazione"_s, [](const QVariant& v) { return testoData(v.toDate()); }},
             {u"nomeCAT"_s, u"CAT"_s},
             {u"esitoImportazione"_s, u"Esito Procedura"_s}});
    });
}

bool frmStoricoImportazioniCAT::rigaScelta()
{
    if (ui().griglia->haRigaCorrente())
        return true;
    messaggio(u"Nessun elemento selezionato in elenco"_s, stile::esclamazione);
    return false;
}

void frmStoricoImportazioniCAT::cmdSeleziona_Click()
{
    if (!rigaScelta())
        return;
    Griglia* g = ui().griglia;
    frmImportaAccensioniCAT& importa = istanza<frmImportaAccensioniCAT>();
    importa.carica();
    importa.nID = long(g->valore(u"idMov"_s).toLongLong());
    importa.codCAT = long(g->valore(u"codCAT"_s).toLongLong());
    importa.predisponi();
    importa.mostraModale();
}

void frmStoricoImportazioniCAT::cmdElimina_Click()
{
    // Mended: with no run listed there is nothing to delete, and the list says so.
    if (!rigaScelta())
        return;
    Griglia* g = ui().griglia;
    if (!confermaEliminazione(u"confermi l'eliminazione del movimento in data:"_s
                              + testoData(g->valore(u"dataImp"_s).toDate()) + u"?"_s))
        return;
    eliminaImportazione(long(g->valore(u"idMov"_s).toLongLong()));
    aggiornaGriglia();
}
