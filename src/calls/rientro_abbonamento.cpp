// The appliance's subscription and planned maintenance in the return report.
#include "calls/campi_rientro.h"
#include "calls/dati_rientro.h"
#include "calls/rientro_tecnico.h"
#include "calls/scadenza_abbonamento.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/utilita_form.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
const QString prodottoMancante = u"Problema.. il prodotto non esiste in archivio!"_s;

// The keys of an amount box: digits and backspace; "." becomes "," once; nothing else.
class FiltroImporto : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const int codice = k->key() == Qt::Key_Backspace ? 8 : (k->text().size() == 1 ? k->text()[0].unicode() : -1);
        if (codice < 0 || (codice < 32 && codice != 8))
            return false;
        auto* casella = static_cast<QLineEdit*>(o);
        const int usato = filtraTastoDecimale(codice, casella->text());
        if (usato == codice)
            return false;
        if (usato != 0)
            casella->insert(QString(QChar(usato)));
        return true;
    }
};
} // namespace

QWidget* schRientroTecnico::costruisciAbbonamento(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"Abbonamento"_s, f);
    auto* g = new QGridLayout(fra);
    // A type deleted since is shown and written back, not lost.
    c.cmbTipoAbbonamento = combo(fra, u"cmbTipoAbbonamento"_s, voceAbbonamento());
    c.txtCosto = casella(fra, u"txtCosto"_s);
    c.txtCosto->installEventFilter(new FiltroImporto(c.txtCosto));
    c.txtNumRicevuta = casella(fra, u"txtNumRicevuta"_s);
    c.dtpDataStipulazione = data(fra, u"dtpDataStipulazione"_s);
    c.dtpDataScadenza = data(fra, u"dtpDataScadenza"_s);
    conEtichetta(g, 0, 0, u"Tipo"_s, c.cmbTipoAbbonamento);
    conEtichetta(g, 1, 0, u"Costo"_s, c.txtCosto);
    conEtichetta(g, 2, 0, u"Nr ricevuta"_s, c.txtNumRicevuta);
    conEtichetta(g, 3, 0, u"Data Stipulazione"_s, c.dtpDataStipulazione);
    conEtichetta(g, 4, 0, u"Data Scadenza"_s, c.dtpDataScadenza);

    c.cmdAggiorna = pulsante(f, u"cmdAggiorna"_s, u"Aggiorna Dati Prodotto"_s,
                             u"Aggiorna i dati del prodotto selezionato"_s);
    QObject::connect(c.cmdAggiorna, &QPushButton::clicked, fra, [this] { cmdAggiorna_Click(); });
    for (QLineEdit* e : {c.txtCosto, c.txtNumRicevuta})
        QObject::connect(e, &QLineEdit::textChanged, fra, [this] { modificato(); });
    QObject::connect(c.cmbTipoAbbonamento, &QComboBox::currentIndexChanged, fra, [this] { modificato(); });
    QObject::connect(c.dtpDataScadenza, &DataOpzionale::cambiato, fra, [this] { modificato(); });
    QObject::connect(c.dtpDataStipulazione, &DataOpzionale::cambiato, fra, [this] { dtpDataStipulazione_Cambio(); });
    return fra;
}

QWidget* schRientroTecnico::costruisciManutenzioneProgrammata(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"Manutenzione Programmata"_s, f);
    auto* g = new QGridLayout(fra);
    c.cmbMese = elencoMesi(fra, u"cmbMese"_s);
    c.txtAnno = casella(fra, u"txtAnno"_s);
    c.dtpUltimaCombustione = data(fra, u"dtpUltimaCombustione"_s);
    conEtichetta(g, 0, 0, u"Mese"_s, c.cmbMese);
    conEtichetta(g, 1, 0, u"Anno"_s, c.txtAnno);
    conEtichetta(g, 2, 0, u"Data Analisi Fumi"_s, c.dtpUltimaCombustione);
    alTastoCanc(c.cmbMese, [this] { ui().cmbMese->setCurrentIndex(-1); });
    QObject::connect(c.cmbMese, &QComboBox::currentIndexChanged, fra, [this] { modificato(); });
    QObject::connect(c.txtAnno, &QLineEdit::textChanged, fra, [this] { modificato(); });
    QObject::connect(c.dtpUltimaCombustione, &DataOpzionale::cambiato, fra, [this] { modificato(); });
    return fra;
}

// The columns written, each checked before anything is written; the month is its list entry.
void schRientroTecnico::legaPannello()
{
    auto& c = ui();
    auto& l = c.legame;
    l.lega(u"cod_tipo_abbonamento"_s, c.cmbTipoAbbonamento, TipoCampo::combo);
    l.lega({.colonna = u"vl_abb"_s,
            .controllo = c.txtCosto,
            .tipo = TipoCampo::decimale,
            .messaggio = u"Il costo dell'abbonamento deve essere un importo, ad esempio 120,50"_s});
    l.lega(u"data_abb"_s, c.dtpDataStipulazione, TipoCampo::data);
    l.lega(u"rf_abb"_s, c.txtNumRicevuta, TipoCampo::testo);
    l.lega(u"sc_abb"_s, c.dtpDataScadenza, TipoCampo::data);
    l.lega({.colonna = u"aa_man"_s,
            .controllo = c.txtAnno,
            .tipo = TipoCampo::intero,
            .messaggio = u"L'anno della manutenzione programmata deve essere un numero intero"_s});
    l.lega(u"tstcmb"_s, c.dtpUltimaCombustione, TipoCampo::data);
}

void schRientroTecnico::modificato()
{
    if (caricamentoPannello == 0)
        bGiaAggiornato = false;
}

void schRientroTecnico::dtpDataStipulazione_Cambio()
{
    if (caricamentoPannello > 0)
        return;
    bGiaAggiornato = false;
    const QVariant stipulazione = ui().dtpDataStipulazione->valore();
    if (!stipulazione.isNull())
        ui().dtpDataScadenza->impostaValore(scadenzaProposta(stipulazione.toDate()));
}

void schRientroTecnico::aggiornaDettProdotto()
{
    const QVariant prodotto = prodottoSelezionato();
    if (prodotto.isNull())
        return;
    ++caricamentoPannello;
    gestisci([&] {
        auto& c = ui();
        for (DataOpzionale* d : {c.dtpDataStipulazione, c.dtpDataScadenza, c.dtpUltimaCombustione})
            d->impostaValore(oggi());
        prodottoPannello = prodotto;
        const QVariant installato = prodottoInstallato(prodotto);
        c.cmbTipoAbbonamento->riempi(elencoCodici(Codici::abbonamenti, u"abb"_s, {.ordine = ComeElenco::perSigla}),
                                     u"abb"_s, u"idTpAbb"_s);
        const Recordset rs =
            connessione.apriStatico(u"SELECT * FROM prodotti_ai_clienti where id_pro_cli=?"_s, {installato});
        if (rs.eof()) {
            messaggio(prodottoMancante, stile::esclamazione);
            return;
        }
        c.legame.mostra(rs);
        if (nz(rs[u"vl_abb"_s]).toDouble() == 0)
            c.txtCosto->setText(u"0,00"_s);
        c.cmbMese->setCurrentIndex(nz(rs[u"mm_man"_s]).toInt() - 1);
    });
    --caricamentoPannello;
}

bool schRientroTecnico::modificaProdotto()
{
    auto& c = ui();
    const QStringList errori = c.legame.errori();
    if (!errori.isEmpty()) {
        messaggio(errori.join(u"\r\n"_s), stile::esclamazione);
        return false;
    }
    int toccate = 0;
    const bool eseguita = gestisci([&] {
        const QVariant installato =
            prodottoInstallato(prodottoPannello.isNull() ? prodottoSelezionato() : prodottoPannello);
        const auto& l = c.legame;
        toccate = connessione.esegui(
            u"update prodotti_ai_clienti set cod_tipo_abbonamento=?,vl_abb=?,data_abb=?,rf_abb=?,sc_abb=?,mm_man=?,"
            "aa_man=?,tstcmb=? where id_pro_cli=?"_s,
            {l.valore(u"cod_tipo_abbonamento"_s), l.valore(u"vl_abb"_s), l.valore(u"data_abb"_s),
             l.valore(u"rf_abb"_s), l.valore(u"sc_abb"_s), c.cmbMese->currentIndex() + 1, l.valore(u"aa_man"_s),
             l.valore(u"tstcmb"_s), installato});
    });
    if (!eseguita)
        return false;
    if (toccate == 0) {
        messaggio(prodottoMancante, stile::esclamazione);
        return false;
    }
    return true;
}

bool schRientroTecnico::cmdAggiorna_Click()
{
    if (prodottoSelezionato().isNull()) {
        messaggio(u"Seleziona il prodotto per favore!"_s, stile::informazione);
        return false;
    }
    // Only a save that went through leaves the panel without unsaved changes.
    if (!modificaProdotto())
        return false;
    bGiaAggiornato = true;
    return true;
}
