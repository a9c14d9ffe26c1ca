#include "customers/stampa_clienti.h"
#include "common/controllo_stampa.h"
#include "common/funzioni.h"
#include "common/stampa_report.h"
#include "platform/ambiente/ambiente.h"
#include "platform/report/stampante.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
struct Modello {
    QString voce;
    QString descrizione;
    QString file;
};

const QList<Modello>& modelli()
{
    static const QList<Modello> m = {
        {u"Etichette"_s, u"Etichette 70 x 32 su foglio A4 senza bordi (9 righe x 3 colonne)"_s, u"/stampe/etichette.rpt"_s},
        {u"Elenco clienti"_s,
         u"Elenco clienti su foglio A4\r\nLista dei campi stampati : \r\nCognome, Nome, Indirizzo, Citta, Telefono, "
         "Sigla Prodotto, Sigla Marca, Modello, Data ultima manutenzione, Sigla Abbonamento, Scadenza abbonamento"_s,
         u"/stampe/clienti.rpt"_s},
        {u"Buste"_s, u"Buste DL (220 x 110 mm)"_s, u"/stampe/buste.rpt"_s},
    };
    return m;
}
} // namespace

QWidget* frmStampaClienti::costruisci()
{
    auto* f = new FormaDialogo(u"Corvext - Stampa clienti"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    c.cmbTipoStampa = controllo<QComboBox>(f, u"cmbTipoStampa"_s);
    c.cmbTipoStampa->setPlaceholderText(u"Seleziona il tipo di stampa"_s);
    for (const Modello& m : modelli())
        c.cmbTipoStampa->addItem(m.voce);
    c.cmbTipoStampa->setCurrentIndex(-1);
    QLabel* didascalia = etichetta(f, u"Tipo di stampa"_s, c.cmbTipoStampa);
    c.lblTipoStampa = controllo<QLabel>(f, u"lblTipoStampa"_s);
    c.lblTipoStampa->setMinimumHeight(60);
    c.lblTipoStampa->setWordWrap(true);
    l->addWidget(didascalia);
    l->addWidget(c.cmbTipoStampa);
    l->addWidget(c.lblTipoStampa);
    c.Command1 = pulsante(f, u"Command1"_s, u"Anteprima (F10)"_s);
    c.Command2 = pulsante(f, u"Command2"_s, u"Stampa (F12)"_s);
    c.Command3 = pulsante(f, u"Command3"_s, u"Annulla (ESC)"_s);
    f->impostaAnnulla(c.Command3, FormaDialogo::Esc::aParte);
    f->impostaPredefinito(c.Command1);
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* p : {c.Command1, c.Command2, c.Command3})
        pulsanti->addWidget(p);
    l->addLayout(pulsanti);
    QObject::connect(c.cmbTipoStampa, &QComboBox::activated, f, [this](int i) { cmbTipoStampa_Click(i); });
    QObject::connect(c.Command1, &QPushButton::clicked, f, [this] { stampa_Click(true); });
    QObject::connect(c.Command2, &QPushButton::clicked, f, [this] { stampa_Click(false); });
    QObject::connect(c.Command3, &QPushButton::clicked, f, [this] { chiudi(); });
    // Esc, F10 and F12 act on their release, wherever the focus is.
    filtraTasti(f, FiltroTasti::Momento::rilascio, [c](int tasto, Qt::KeyboardModifiers) {
        QPushButton* p = tasto == Qt::Key_Escape ? c.Command3
                         : tasto == Qt::Key_F10  ? c.Command1
                         : tasto == Qt::Key_F12  ? c.Command2
                                                 : nullptr;
        if (p)
            p->click();
        return p != nullptr;
    });
    f->resize(460, 200);
    centraForm(f);
    return f;
}

void frmStampaClienti::cmbTipoStampa_Click(int posizione)
{
    if (posizione < 0 || posizione >= modelli().size())
        return;
    ui().lblTipoStampa->setText(modelli()[posizione].descrizione);
    strFileRpt = cartellaProgramma() + modelli()[posizione].file;
}

void frmStampaClienti::stampa_Click(bool anteprima)
{
    if (ui().cmbTipoStampa->currentIndex() < 0) {
        messaggio(u"Seleziona un modello di stampa !"_s);
        return;
    }
    stampa(anteprima);
}

void frmStampaClienti::stampa(bool anteprima)
{
    // No printer at all: the operator is told plainly what to do instead; the window stays open.
    if (!anteprima && !stampanteInstallata()) {
        messaggio(nessunaStampante);
        return;
    }
    // A report that cannot be printed shows the error box; the window stays open.
    gestisci([&] { stampaReport(controlloStampa(), QString(), strFileRpt, anteprima ? 1 : 0); });
}
