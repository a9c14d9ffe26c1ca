#include "customers/prima_accensione.h"
#include "platform/ambiente/ambiente.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// One statement with its own "SI"/"NO" pair, in a container of its own.
QButtonGroup* coppia(QGridLayout* g, const QString& testo, const QString& nome, QWidget* genitore)
{
    auto* contenitore = new QWidget(genitore);
    auto* h = new QHBoxLayout(contenitore);
    h->setContentsMargins(0, 0, 0, 0);
    auto* si = opzione(contenitore, u"optSi"_s + nome, u"SI"_s);
    auto* no = opzione(contenitore, u"optNo"_s + nome, u"NO"_s);
    h->addWidget(si);
    h->addWidget(no);
    auto* gruppo = new QButtonGroup(contenitore);
    gruppo->addButton(si, 1);
    gruppo->addButton(no, 0);
    // A screen reader reads each answer with its statement.
    QString domanda = testo;
    domanda.remove(0, domanda.startsWith(u"- "_s) ? 2 : 0);
    for (QRadioButton* r : {si, no})
        r->setAccessibleName(domanda + u": "_s + r->text());
    auto* l = etichetta(genitore, testo, si);
    l->setWordWrap(true);
    const int riga = g->rowCount();
    g->addWidget(l, riga, 0);
    g->addWidget(contenitore, riga, 1);
    return gruppo;
}

void leggiVoce(const QComboBox* c, int& voce)
{
    if (c->currentIndex() >= 0)
        voce = c->currentIndex();
}
} // namespace

QWidget* schPrimaAccensione::costruisci()
{
    auto* f = new FormaDialogo(u"Scheda Prima Accensione"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);

    auto* propano = new QGroupBox(u"Per Gas propano commerciale è stato verificato che"_s, f);
    auto* gp = new QGridLayout(propano);
    c.grpPressioneValvola = coppia(
        gp, u"- La pressione a valle della valvola a gas non superi i 37 mbar (377,5 mm. C.A.)."_s,
        u"PressioneValvola"_s, propano);
    c.grpPressioneEntrata = coppia(gp,
                                   u"- La pressione del gas in entrata alla caldaia non superi i 50 mbar "
                                   u"(510 mm. C.A.) neppure a bruciatore spento"_s,
                                   u"PressioneEntrata"_s, propano);
    l->addWidget(propano);

    auto* caldaia = new QGroupBox(u"Caldaia"_s, f);
    auto* gc = new QGridLayout(caldaia);
    c.dtpDataInstallazione = data(caldaia, u"dtpDataInstallazione"_s);
    c.cmbTipoScarico = elenco(caldaia, u"cmbTipoScarico"_s,
                              {u"N - Naturale"_s, u"C - Coassiale"_s, u"S - Sdoppiato"_s, u"F - Forzato"_s});
    gc->addWidget(etichetta(caldaia, u"Data Installazione"_s, c.dtpDataInstallazione), 0, 0);
    gc->addWidget(c.dtpDataInstallazione, 0, 1);
    gc->addWidget(etichetta(caldaia, u"Tipo Scarico"_s, c.cmbTipoScarico), 0, 2);
    gc->addWidget(c.cmbTipoScarico, 0, 3);
    l->addWidget(caldaia);

    auto* verifiche = new QGroupBox(u"E' Stato verificato che"_s, f);
    auto* gv = new QGridLayout(verifiche);
    c.grpTensione = coppia(gv, u"- La tensione sia di 220 + 10 Volt 50 Hz"_s, u"Tensione"_s, verifiche);
    c.grpConsumoGas = coppia(gv,
                             u"- Il consumo di gas in 1 minuto, controllato al contatore, sia uguale a quello "
                             u"previsto nel libretto d'istruzioni."_s,
                             u"ConsumoGas"_s, verifiche);
    c.grpPrimaVerifica = coppia(
        gv, u"- I risultati della prima verifica sono riportati nel libretto d'impianto"_s, u"PrimaVerifica"_s,
        verifiche);
    l->addWidget(verifiche);

    auto* cat = new QGroupBox(u"Il CAT attesta di aver verificato la data d'installazione/acquisto tramite:"_s, f);
    auto* ga = new QHBoxLayout(cat);
    c.cmbVerifica = elenco(cat, u"cmbVerifica"_s,
                           {u"Libretto d'impianto"_s, u"Documento Fiscale"_s, u"Matricola Caldaia"_s, u"Altro"_s});
    c.txtAltroVerifica = casella(cat, u"txtAltroVerifica"_s);
    ga->addWidget(c.cmbVerifica);
    ga->addWidget(etichetta(cat, u"Altro"_s, c.txtAltroVerifica));
    ga->addWidget(c.txtAltroVerifica, 1);
    l->addWidget(cat);

    c.cmdOk = pulsante(f, u"cmdOk"_s, u"&OK"_s);
    f->impostaPredefinito(c.cmdOk);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"&Annulla"_s);
    f->impostaAnnulla(c.cmdAnnulla);
    filaPulsanti(l, {c.cmdOk, c.cmdAnnulla});

    QObject::connect(c.cmdOk, &QPushButton::clicked, f, [this] { ok(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { annulla(); });
    return f;
}

QList<std::pair<QButtonGroup*, int*>> schPrimaAccensione::risposte()
{
    auto& c = ui();
    return {{c.grpPressioneValvola, &nPressioneValvola},
            {c.grpPressioneEntrata, &nPressioneCaldaia},
            {c.grpTensione, &nTensione},
            {c.grpConsumoGas, &nConsumo},
            {c.grpPrimaVerifica, &nPrimaVerifica}};
}

void schPrimaAccensione::predisponi()
{
    auto& c = ui();
    for (auto [gruppo, risposta] : risposte())
        if (QAbstractButton* b = gruppo->button(*risposta))
            b->setChecked(true);
    // No date: the picker is empty and offers today's date once ticked.
    if (nNoDataInstallazione) {
        c.dtpDataInstallazione->impostaData(oggi());
        c.dtpDataInstallazione->impostaValore({});
    } else {
        c.dtpDataInstallazione->impostaValore(dDataInstallazione);
    }
    // -1, or a position the list lacks, chooses nothing.
    c.cmbTipoScarico->setCurrentIndex(nTipoScarico);
    c.cmbVerifica->setCurrentIndex(nVerificaInstallazione);
    c.txtAltroVerifica->setText(altroVerificaInstallazione);
}

void schPrimaAccensione::ok()
{
    auto& c = ui();
    if (!campiDigitatiValidi(c.forma))
        return;
    // A pair or a list left without a choice keeps what the card was given.
    for (auto [gruppo, risposta] : risposte())
        if (gruppo->checkedId() >= 0)
            *risposta = gruppo->checkedId();
    // An emptied date keeps the old one; only the flag says it is not given.
    nNoDataInstallazione = !c.dtpDataInstallazione->spuntata();
    if (!nNoDataInstallazione)
        dDataInstallazione = c.dtpDataInstallazione->data();
    leggiVoce(c.cmbTipoScarico, nTipoScarico);
    leggiVoce(c.cmbVerifica, nVerificaInstallazione);
    altroVerificaInstallazione = c.txtAltroVerifica->text();
    bConferma = true;
    chiudi();
}

void schPrimaAccensione::annulla()
{
    bConferma = false;
    chiudi();
}
