#include "calls/frm_richiesta.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "common/righe_collegate.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/utilita_form.h"
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QWidget* frmRichiesta::costruisci()
{
    auto* f = new FormaDialogo(u"Richiesta"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    auto* g = new QGridLayout;
    c.cmbTipologia = combo(f, u"cmbTipologia"_s);
    c.txtNote = casella(f, u"txtNote"_s);
    conEtichetta(g, 0, 0, u"Tipologia"_s, c.cmbTipologia);
    conEtichetta(g, 1, 0, u"Note"_s, c.txtNote);
    l->addLayout(g);
    c.cmdOk = pulsante(f, u"cmdOk"_s, u"Ok"_s);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"Annulla"_s);
    f->impostaPredefinito(c.cmdOk);
    f->impostaAnnulla(c.cmdAnnulla);
    filaPulsanti(l, {c.cmdOk, c.cmdAnnulla});
    QObject::connect(c.cmdOk, &QPushButton::clicked, f, [this] { cmdOk_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { cmdAnnulla_Click(); });
    f->resize(420, 130);
    centraForm(f);
    return f;
}

void frmRichiesta::alCaricamento()
{
    riempiCombo();
}

void frmRichiesta::riempiCombo()
{
    gestisci([this] {
        ui().cmbTipologia->riempi(
            connessione.apriStatico(u"SELECT idTipoRichiesta  , tipoRicNome from tipoRichiesta order by tipoRicNome COLLATE ITALIANO"_s),
            u"tipoRicNome"_s, u"idTipoRichiesta"_s);
    });
}

void frmRichiesta::predisponi()
{
    if (nModalità == 1)
        gestisci([this] { ripristinaRichiesta(); });
}

void frmRichiesta::ripristinaRichiesta()
{
    auto& c = ui();
    const Recordset rs = connessione.apriStatico(u"SELECT * FROM richieste where idRichiesta= ?"_s, {qlonglong(nID)});
    if (rs.eof())
        return;
    c.cmbTipologia->impostaValoreLegato(nz(rs[u"ricCodRichiesta"_s]));
    c.txtNote->setText(nz(rs[u"ricNote"_s]).toString());
}

bool frmRichiesta::check()
{
    if (ui().cmbTipologia->valoreLegato().isNull()) {
        messaggio(u"Selezionare il tipo di richiesta"_s, stile::soloOK);
        return false;
    }
    return true;
}

void frmRichiesta::inserisci()
{
    auto& c = ui();
    // The appliance row of the call may have been removed by another workstation.
    Transazione t(connessione);
    richiediRiga(RigaCollegata::prodottoChiamata, qlonglong(nIdChiamata));
    connessione.esegui(u"INSERT INTO richieste (ricCodChiamata,ricCodRichiesta, ricNote) VALUES (?,?,?)"_s,
                       {qlonglong(nIdChiamata), c.cmbTipologia->valoreLegato(), maiuscolo(c.txtNote->text())});
    t.conferma();
}

void frmRichiesta::modificaScheda()
{
    auto& c = ui();
    Transazione t(connessione);
    richiediRiga(RigaCollegata::prodottoChiamata, qlonglong(nIdChiamata));
    if (connessione.esegui(u"Update richieste set ricCodChiamata=?, ricCodRichiesta=?,ricNote=? where idRichiesta=?"_s,
                           {qlonglong(nIdChiamata), c.cmbTipologia->valoreLegato(), maiuscolo(c.txtNote->text()),
                            qlonglong(nID)})
        == 0)
        throw RigaMancante(RigaCollegata::richiesta);
    t.conferma();
}

void frmRichiesta::cmdOk_Click()
{
    if (!check())
        return;
    // A refused write keeps the card open with what was typed.
    if (!gestisci([this] { nModalità == 0 ? inserisci() : modificaScheda(); }))
        return;
    bConferma = true;
    chiudi();
}

void frmRichiesta::cmdAnnulla_Click()
{
    bConferma = false;
    chiudi();
}
