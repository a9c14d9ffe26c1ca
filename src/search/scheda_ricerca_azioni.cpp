#include "search/scheda_ricerca.h"
#include "common/funzioni.h"
#include "customers/appartenenza.h"
#include "customers/scheda_cliente.h"
#include "customers/stampa_clienti.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "search/elimina_cliente.h"
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

void schRicCliente::cmdNuovo_Click()
{
    gestisci([this] {
        schCliente& card = istanza<schCliente>();
        card.nModalità = 0;
        if (!card.predisponi())
            return;
        card.mostraModale();
        if (!card.bConferma)
            return;
        presentaRisultato(connessione.apriInLettura({istruzioneCliente(card.nIDcliente)}),
                          u"Risultato della ricerca = "_s);
    });
}

void schRicCliente::cmbModificaCliente_Click()
{
    auto& c = ui();
    if (!c.griglia->haRigaCorrente())
        return;
    gestisci([&] {
        const qint64 id = c.griglia->valore(u"idcli"_s).toLongLong();
        const QVariant prodotto = c.grigliaProdotti->valore(u"id_pro_cli"_s);
        schCliente& card = istanza<schCliente>();
        card.carica();
        card.nModalità = 1;
        // A customer deleted meanwhile: the card says so and is not shown.
        if (!card.ripristinaCliente(long(id)))
            return;
        card.mostraModale();
        if (!card.bConferma)
            return;
        // Once the customer is current again: the same appliance (the first when it is gone) and
        // the membership caption.
        didascaliaRisultato = u"RISULTATO DELLA RICERCA = "_s;
        const bool righe = rieseguiCercando(id, [this, prodotto] {
            Griglia* g = ui().grigliaProdotti;
            Recordset& prodotti = g->recordset();
            if (!prodotti.cerca(u"id_pro_cli"_s, prodotto) && prodotti.recordCount() > 0)
                prodotti.moveFirst();
            g->sincronizza();
            caricaManutenzioni();
            caricaChiamate();
            mostraTipoAppartenenza();
        });
        if (!righe) {
            messaggio(u"Nessun Cliente identificato"_s);
            c.TabStrip->setCurrentIndex(0);
            c.txtCognome->setFocus();
        }
    });
    c.griglia->setFocus();
}

void schRicCliente::cmdEliminaCliente_Click()
{
    auto& c = ui();
    if (!c.griglia->haRigaCorrente())
        return;
    const QString domanda = u"Confermare l'eliminazione del cliente:"_s + nz(c.griglia->valore(u"Cognome"_s)).toString()
                            + u' ' + nz(c.griglia->valore(u"nome"_s)).toString()
                            + u"\r\nTale operazione cancellerà anche tutte le informazioni correlate a tale cliente "
                              "quali:\r\n\r\n- Chiamate ed interventi\r\n-  Prodotti e Manutenzioni\r\nProcedere con "
                              "l'eliminazione del cliente ?"_s;
    const qint64 id = nz(c.griglia->valore(u"idCli"_s)).toLongLong();
    if (!confermaEliminazione(domanda))
        return;
    // Whether the search runs again is told by the whole result, read on meanwhile; a reading
    // that failed has emptied it, and nothing is deleted.
    c.griglia->completaLettura();
    if (!c.griglia->haRigaCorrente())
        return;
    const int righe = c.griglia->recordset().recordCount();
    // The whole cascade runs as one write group: a failure leaves the customer and the result as they were.
    if (!gestisci([&] { eliminaCliente(id); }))
        return;
    if (righe > 1) {
        cmdRicerca_Click();
        return;
    }
    messaggio(u"Non ci sono più risultati per i criteri di ricerca !"_s);
    gestisci([this] { reset(); });
}

void schRicCliente::cmdStampa_Click()
{
    auto& c = ui();
    // The print takes the whole result.
    c.griglia->completaLettura();
    Recordset& rs = c.griglia->recordset();
    const bool pronta = gestisci([&] {
        Transazione t(connessione);
        // Each workstation's selection is its own: a temporary table of the same name, which
        // SQLite finds before the file's on this connection and the reports read likewise.
        connessione.esegui(u"CREATE TEMP TABLE IF NOT EXISTS stampe (idcli INTEGER)"_s);
        connessione.esegui(u"delete from stampe "_s);
        if (!rs.statico() || rs.recordCount() < 1) {
            t.conferma();
            if (rs.statico())
                messaggio(u"Nessun dato da stampare!"_s, stile::esclamazione);
            return;
        }
        const Clessidra clessidra;
        c.picStampa->raise();
        c.picStampa->show();
        c.ProgressBar1->setMaximum(rs.recordCount());
        // In the order the grid shows, a header sort included.
        for (int i = 0; i < rs.recordCount(); ++i) {
            rs.vaiA(i);
            c.ProgressBar1->setValue(i + 1);
            connessione.esegui(u"INSERT INTO stampe (idcli) VALUES (?)"_s, {rs.campo(u"idCli"_s)});
        }
        t.conferma();
        rs.moveFirst();
        c.griglia->sincronizza();
        caricaProdotti();
    });
    c.picStampa->hide();
    c.picStampa->lower();
    if (pronta && rs.statico() && rs.recordCount() > 0)
        istanza<frmStampaClienti>().mostraModale();
}

void schRicCliente::cmdChiudi_Click()
{
    chiudi();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QMainWindow")) {
            w->raise();
            w->activateWindow();
        }
}
