#include "search/scheda_ricerca.h"
#include "common/funzioni.h"
#include "platform/ambiente/ambiente.h"
#include "customers/stampa_clienti.h"
#include "platform/db/connessione.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

void schRicCliente::cmdRicerca_Click()
{
    // check reads only selection combos; should it fail all the same, nothing is searched.
    gestisci([this] {
        if (campiDigitatiValidi(ui().forma) && check())
            Ricerca();
    });
}

void schRicCliente::Ricerca()
{
    const CriteriRicerca cr = criteri();
    if (const QString errore = verificaCriteri(cr); !errore.isEmpty()) {
        messaggio(errore, stile::esclamazione);
        return;
    }
    auto& c = ui();
    // A result still being read stops: its rows go before the new statement runs.
    if (c.griglia->inLettura())
        svuotaRisultato();
    Recordset rs;
    {
        const Clessidra clessidra;
        istanza<frmStampaClienti>().strQryCriteri = condizioneRicerca(cr);
        const Lettura lettura = letturaRicerca(cr);
        // A refused statement leaves the previous result as it was.
        rs = connessione.apriInLettura(lettura);
        csqlRic = lettura.sql;
    }
    presentaRisultato(rs, u"RISULTATO DELLA RICERCA = "_s);
}

// Binds a result: with no rows a message and nothing more; else the tab "Elenco", the focus on
// the grid and, once every row is read, the count in the caption.
void schRicCliente::presentaRisultato(const Recordset& rs, const QString& didascaliaConteggio)
{
    auto& c = ui();
    {
        const Clessidra clessidra;
        mostraRisultato(rs);
    }
    if (rs.vuoto()) {
        messaggio(u"Nessun record soddisfa il criterio di ricerca"_s);
        return;
    }
    c.TabStrip->setCurrentIndex(2);
    didascaliaRisultato = didascaliaConteggio;
    if (!c.griglia->inLettura())
        contaRisultato();
    c.griglia->setFocus();
}

void schRicCliente::contaRisultato()
{
    didascalia(didascaliaRisultato, ui().griglia->recordset().recordCount());
}

void schRicCliente::reset()
{
    auto& c = ui();
    for (QLineEdit* e : c.forma->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(e->parentWidget()))
            e->clear();
    for (QComboBox* m : {c.cmbMeseDa, c.cmbMeseA})
        m->setCurrentIndex(-1);
    for (DataOpzionale* d : c.forma->findChildren<DataOpzionale*>()) {
        d->impostaData(oggi());
        d->impostaValore(QVariant());
    }
    for (ComboDati* k : c.forma->findChildren<ComboDati*>())
        k->svuotaScelta();
    // The boxes that depend on another go first, so every control ends as the window opens.
    QList<QCheckBox*> caselle = {c.chkNoCollaudo, c.chkNoInserimento,  c.chkNoLibretto, c.chkNoCombustione,
                                 c.chkNessunaMan, c.chkNotMan,         c.chkNoAbb,      c.chkNoManutenzione};
    for (QCheckBox* k : c.forma->findChildren<QCheckBox*>())
        if (!qobject_cast<DataOpzionale*>(k->parentWidget()) && !caselle.contains(k))
            caselle << k;
    for (QCheckBox* k : caselle)
        k->setChecked(false);
    mostraRisultato(connessione.apriStatico(istruzioneCliente(-1)));
    c.cmbTipoCliente->svuotaScelta();
    c.cmbAppartenenza->svuotaScelta();
    cNotePagamento.clear();
    cNoteUlteriori.clear();
    c.optTutti->setChecked(true);
    c.lblTipo->clear();
    c.TabStrip->setCurrentIndex(0);
    didascalia(u"RISULTATO DELLA RICERCA = "_s, 0);
}

// Runs the statement the result shown was read from again (a search's, or the new
// customer's alone) and reads it as the search does: its first screen at once, the rest from
// the event loop, the count in the caption once every row is read; the customer becomes current
// again when his row is in the first screen, or else once every row is read (the first row when
// he is gone), and then `dopo` runs. False, at once, when no row is left.
bool schRicCliente::rieseguiCercando(qint64 idCli, std::function<void()> dopo)
{
    const Clessidra clessidra;
    // The result shown goes before it is read again, so that the two are never held at once;
    // when the reading fails the grid stays empty, its caption at 0 records.
    auto& c = ui();
    const Lettura lettura = c.griglia->recordset().lettura();
    const QString titolo = c.fraRisultati->title();
    svuotaRisultato();
    const Recordset rs = connessione.apriInLettura(lettura);
    c.fraRisultati->setTitle(titolo);
    mostraRisultato(rs);
    if (!c.griglia->inLettura())
        contaRisultato();
    if (rs.vuoto())
        return false;
    clienteCercato = idCli;
    dopoAggiornamento = std::move(dopo);
    ritrovaCliente();
    return true;
}

void schRicCliente::ritrovaCliente()
{
    if (!clienteCercato)
        return;
    auto& c = ui();
    Recordset& rs = c.griglia->recordset();
    const int prima = rs.posizione();
    if (!rs.cercaTraMostrate(u"idCli"_s, *clienteCercato)) {
        if (!rs.completo())
            return;
        rs.moveFirst();
    }
    clienteCercato.reset();
    if (rs.posizione() != prima) {
        c.griglia->sincronizza();
        caricaProdotti();
    }
    if (const auto dopo = std::exchange(dopoAggiornamento, {}))
        dopo();
}
