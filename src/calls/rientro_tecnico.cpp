#include "calls/rientro_tecnico.h"
#include "platform/ui/utilita_form.h"
#include "calls/campi_rientro.h"
#include "calls/dati_rientro.h"
#include "common/funzioni.h"
#include "common/righe_collegate.h"
#include "customers/scheda_cliente.h"
#include "platform/db/connessione.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/colori_focus.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// The appliance selector: a click on it (which opens its list) is offered first to `primaDiAprire`,
// which may keep the list closed.
class SelettoreProdotti : public ComboDati {
public:
    using ComboDati::ComboDati;
    std::function<bool()> primaDiAprire;
    void showPopup() override
    {
        if (!primaDiAprire || primaDiAprire())
            ComboDati::showPopup();
    }
};
} // namespace

QWidget* schRientroTecnico::costruisci()
{
    auto* f = new FormaDialogo(u"Scheda Rientro Tecnico"_s);
    auto& c = nuoviControlli();
    c.forma = f;

    auto* fra1 = new QGroupBox(u"Seleziona il prodotto"_s, f);
    auto* g1 = new QGridLayout(fra1);
    auto* selettore = controllo<SelettoreProdotti>(fra1, u"cmbProdotti"_s);
    selettore->setMinimumContentsLength(18);
    selettore->primaDiAprire = [this] { return offriSalvataggio(); };
    c.cmbProdotti = selettore;
    c.cmdCliente = pulsante(fra1, u"cmdCliente"_s, u"SCHEDA CLIENTE (F6)"_s, u"Apre la scheda del cliente"_s);
    conEtichetta(g1, 0, 0, u"&Prodotto"_s, c.cmbProdotti);
    g1->addWidget(c.cmdCliente, 0, 2);
    g1->setColumnStretch(1, 1);

    c.txtNote = controllo<QPlainTextEdit>(f, u"txtNote"_s);
    c.txtNote->setTabChangesFocus(true);
    // Two lines at the least and four at most: the window fits an 800 x 600 screen.
    c.txtNote->setMinimumHeight(2 * c.txtNote->fontMetrics().lineSpacing() + 16);
    c.txtNote->setMaximumHeight(70);
    QLabel* lblNote = etichetta(f, u"&Note relative all'intervento su tutti i prodotti"_s, c.txtNote);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"CONFERMA (F10)"_s, u"Conferma la scheda di rientro"_s);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(fra1);
    sinistra->addWidget(costruisciDifetti(f), 1);
    sinistra->addWidget(costruisciAttivita(f), 1);
    sinistra->addWidget(costruisciMateriali(f), 1);
    auto* destra = new QVBoxLayout;
    destra->addWidget(costruisciAbbonamento(f));
    destra->addWidget(costruisciManutenzioneProgrammata(f));
    destra->addWidget(c.cmdAggiorna);
    destra->addWidget(costruisciManutenzioni(f), 1);
    destra->addWidget(lblNote);
    destra->addWidget(c.txtNote);
    destra->addWidget(c.cmdChiudi);
    auto* colonne = new QHBoxLayout(f);
    colonne->setContentsMargins(6, 6, 6, 6);
    // On an 800 x 600 screen the right column is wide enough for the maintenances' dates.
    colonne->addLayout(sinistra, 4);
    colonne->addLayout(destra, 3);
    // Tab follows the layout: the left column top to bottom, then the right one.
    ordineTab(colonne);
    legaPannello();

    QObject::connect(c.cmbProdotti, &QComboBox::activated, f, [this] { cmbProdotti_Scelta(); });
    QObject::connect(c.cmdCliente, &QPushButton::clicked, f, [this] { cmdCliente_Click(); });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { cmdChiudi_Click(); });
    QObject::connect(c.txtNote, &QPlainTextEdit::textChanged, f, [this] { modificato(); });
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) { return tasto(k); });
    // Out of focus the boxes take the window's own background again.
    coloraFocus({c.txtCosto, c.txtNumRicevuta, c.txtAnno, c.txtNote, c.txtNoteAttivita, c.txtNoteDifetto},
                QApplication::palette().color(QPalette::Base));
    f->resize(790, 570);
    return f;
}

void schRientroTecnico::alCaricamento()
{
    elencoProdotti = false;
    attivitaLette = false;
    prodottoPannello.clear();
    gestisci([this] { riempiCombo(); });
    ++caricamentoPannello;
    for (DataOpzionale* d : {ui().dtpDataScadenza, ui().dtpUltimaCombustione, ui().dtpDataStipulazione})
        d->impostaValore(QVariant());
    --caricamentoPannello;
    bGiaAggiornato = true;
}

void schRientroTecnico::riempiCombo()
{
    Clessidra clessidra;
    auto& c = ui();
    c.cmbProdotti->riempi(prodottiChiamata(nID), u"txtModello"_s, u"idProdChiamata"_s);
    elencoProdotti = true;
    riempiArea(u" - "_s);
    riempiDifetti(u" - "_s);
    riempiTipologiaAttività(u" - "_s);
    c.cmbMateriale->riempi(connessione.apriStatico(u"SELECT idMat, ifnull(mat_nome,'') || ' - ' || "
                                                   "ifnull(mat_descrizione,'') as materiale from materiali where "
                                                   "eliminato = 0 order by mat_nome COLLATE ITALIANO"_s),
                           u"materiale"_s, u"idMat"_s);
}

bool schRientroTecnico::predisponi()
{
    bool presente = true;
    const bool letta = gestisci([&] {
        presente = esisteRiga(RigaCollegata::chiamata, nID);
        if (!presente)
            return;
        const QString note = noteRientro(nID);
        ++caricamentoPannello;
        ui().txtNote->setPlainText(note);
        --caricamentoPannello;
    });
    if (!presente)
        messaggio(testoRigaMancante(RigaCollegata::chiamata), stile::esclamazione);
    return letta && presente;
}

QVariant schRientroTecnico::prodottoSelezionato()
{
    return ui().cmbProdotti->valoreLegato();
}

void schRientroTecnico::aggiornaProdottoSelezionato()
{
    aggiornaGrigliaDifetti();
    aggiornaGrigliaAttivita();
    aggiornaGrigliaMateriali();
    aggiornaDettProdotto();
    aggiornaMan();
    bGiaAggiornato = true;
}

bool schRientroTecnico::offriSalvataggio()
{
    if (prodottoSelezionato().isNull()) {
        bGiaAggiornato = true;
        return true;
    }
    if (bGiaAggiornato
        || messaggio(u"Attenzione! vuoi modificare i dati del prodotto?"_s, stile::siNo | stile::domanda) != Risposta::Si)
        return true;
    return cmdAggiorna_Click();
}

void schRientroTecnico::cmbProdotti_Scelta()
{
    // A save refused keeps the appliance whose data the panel shows, as typed.
    if (!offriSalvataggio()) {
        ui().cmbProdotti->impostaValoreLegato(prodottoPannello);
        return;
    }
    if (!prodottoSelezionato().isNull())
        aggiornaProdottoSelezionato();
}

void schRientroTecnico::cmdCliente_Click()
{
    gestisci([this] {
        const QVariant cliente = clienteChiamata(nID);
        if (cliente.isNull())
            return;
        schCliente& scheda = istanza<schCliente>();
        scheda.carica();
        scheda.nModalità = 1;
        // A customer no longer on file is not shown (the card has said so).
        if (!scheda.ripristinaCliente(long(cliente.toLongLong())))
            return;
        scheda.mostraModale();
        // The appliance may have been changed there; areas, defects, types and materials too.
        aggiornaDettProdotto();
        const QVariant prodotto = prodottoSelezionato();
        riempiCombo();
        ui().cmbProdotti->impostaValoreLegato(prodotto);
    });
}

void schRientroTecnico::cmdChiudi_Click()
{
    // What another workstation deleted meanwhile: a call takes nothing more, the report says so
    // and closes; an appliance row removed from the call keeps nothing of the panel, and the
    // confirmation goes on with the note.
    const QVariant riga = prodottoPannello.isNull() ? prodottoSelezionato() : prodottoPannello;
    bool chiamataPresente = true, rigaPresente = true;
    if (!gestisci([&] {
            chiamataPresente = esisteRiga(RigaCollegata::chiamata, nID);
            rigaPresente = riga.isNull() || esisteRiga(RigaCollegata::prodottoChiamata, riga);
        }))
        return;
    if (!chiamataPresente) {
        segnalaErrore(RigaMancante(RigaCollegata::chiamata));
        chiudi();
        return;
    }
    if (!rigaPresente) {
        messaggio(testoRigaMancante(RigaCollegata::prodottoChiamata)
                      + u"\r\nI dati del prodotto nel riquadro non sono stati salvati."_s,
                  stile::esclamazione);
    } else {
        // A panel save that was refused stops the confirmation: what was typed stays on screen.
        const bool conProdotto = !prodottoSelezionato().isNull();
        if (!cmdAggiorna_Click() && conProdotto)
            return;
    }
    QCoreApplication::processEvents();
    const bool fatto = gestisci([this] {
        salvaNoteRientro(nID, ui().txtNote->toPlainText());
        if (cmbStatoChiamata && cmbStatoChiamata->currentIndex() == 1)
            return;
        if (messaggio(u"Considerare l'intervento 'SVOLTO' ed eliminare la sua visualizzazione nel planner ?"_s,
                      stile::siNo | stile::domanda)
            != Risposta::Si)
            return;
        segnaEseguito(nID);
        if (cmbStatoChiamata)
            cmbStatoChiamata->setCurrentIndex(1);
        if (bSvoltoChiamata)
            *bSvoltoChiamata = true;
    });
    if (fatto)
        chiudi();
}

bool schRientroTecnico::tasto(int tasto)
{
    QPushButton* p = nullptr;
    if (tasto == Qt::Key_F10)
        p = ui().cmdChiudi;
    else if (tasto == Qt::Key_F6)
        p = ui().cmdCliente;
    if (!p)
        return false;
    p->setFocus();
    p->click();
    return true;
}
