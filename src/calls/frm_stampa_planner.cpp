#include "calls/frm_stampa_planner.h"
#include "calls/formula_giro.h"
#include "common/controllo_stampa.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "common/stampa_report.h"
#include "platform/ambiente/ambiente.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// "Tutti" ticked clears its combo and disables it.
void legaTutti(QCheckBox* tutti, ComboDati* combo)
{
    QObject::connect(tutti, &QCheckBox::toggled, combo, [combo](bool spuntato) {
        if (spuntato)
            combo->svuotaScelta();
        combo->setEnabled(!spuntato);
    });
    tutti->setChecked(true);
    combo->setEnabled(false);
}
} // namespace

QWidget* frmStampaPlanner::costruisci()
{
    auto* f = new FormaDialogo(u"Stampa Planner"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);

    auto* frame1 = new QGroupBox(u"Intervallo date"_s, f);
    auto* g1 = new QGridLayout(frame1);
    c.dtpDataDa = controllo<CampoData>(frame1, u"dtpDataDa"_s);
    c.dtpDataA = controllo<CampoData>(frame1, u"dtpDataA"_s);
    conEtichetta(g1, 0, 0, u"Da"_s, c.dtpDataDa);
    conEtichetta(g1, 0, 2, u"A"_s, c.dtpDataA);
    l->addWidget(frame1);

    auto* g = new QGridLayout;
    c.cmbTecnici = combo(f, u"cmbTecnici"_s);
    c.chkTutti = spunta(f, u"chkTutti"_s, u"Tutti"_s);
    c.cmbZona = combo(f, u"cmbZona"_s);
    c.chkTutteZone = spunta(f, u"chkTutteZone"_s, u"Tutti"_s);
    // Two boxes captioned "Tutti": a screen reader tells them apart by what they stand for.
    c.chkTutti->setAccessibleName(u"Tutti i tecnici"_s);
    c.chkTutteZone->setAccessibleName(u"Tutte le zone"_s);
    conEtichetta(g, 0, 0, u"Tecnico"_s, c.cmbTecnici);
    g->addWidget(c.chkTutti, 0, 2);
    conEtichetta(g, 1, 0, u"Zona"_s, c.cmbZona);
    g->addWidget(c.chkTutteZone, 1, 2);
    g->setColumnStretch(1, 1);
    l->addLayout(g);
    legaTutti(c.chkTutti, c.cmbTecnici);
    legaTutti(c.chkTutteZone, c.cmbZona);

    auto* frame2 = new QGroupBox(u"Stato intervento"_s, f);
    auto* g2 = new QHBoxLayout(frame2);
    c.chkDaSvolgere = spunta(frame2, u"chkDaSvolgere"_s, u"Da svolgere"_s);
    c.chkSospeso = spunta(frame2, u"chkSospeso"_s, u"Sospeso"_s);
    c.chkAnnullato = spunta(frame2, u"chkAnnullato"_s, u"Annullato"_s);
    c.chkSvolto = spunta(frame2, u"chkSvolto"_s, u"Svolto"_s);
    for (QCheckBox* b : {c.chkDaSvolgere, c.chkSospeso, c.chkAnnullato, c.chkSvolto})
        g2->addWidget(b);
    c.chkDaSvolgere->setChecked(true);
    l->addWidget(frame2);

    c.cmdAnteprima = pulsante(f, u"cmdAnteprima"_s, u"ANTEPRIMA (F10)"_s);
    c.cmdStampa = pulsante(f, u"cmdStampa"_s, u"STAMPA (F12)"_s);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"CHIUDI (ESC)"_s);
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* b : {c.cmdAnteprima, c.cmdStampa, c.cmdChiudi})
        pulsanti->addWidget(b);
    l->addLayout(pulsanti);

    QObject::connect(c.dtpDataDa, &CampoData::dateChanged, f, [this](const QDate& d) { ui().dtpDataA->setDate(d); });
    QObject::connect(c.cmdAnteprima, &QPushButton::clicked, f, [this] { stampa(true); });
    QObject::connect(c.cmdStampa, &QPushButton::clicked, f, [this] { stampa(false); });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { chiudi(); });
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) {
        auto& c = ui();
        QPushButton* b = k == Qt::Key_F10 ? c.cmdAnteprima : k == Qt::Key_F12 ? c.cmdStampa
                                                         : k == Qt::Key_Escape ? c.cmdChiudi
                                                                               : nullptr;
        if (b)
            b->click();
        return b != nullptr;
    });
    centraForm(f);
    return f;
}

void frmStampaPlanner::alCaricamento()
{
    riempiCombo();
    ui().dtpDataDa->setDate(oggi());
    ui().dtpDataA->setDate(oggi());
}

void frmStampaPlanner::riempiCombo()
{
    gestisci([this] {
        auto& c = ui();
        c.cmbTecnici->riempi(elencoCodici(Codici::tecnici, u"tec"_s,
                                          {.ordine = ComeElenco::comeArchiviate, .nulli = ComeElenco::parteVuota}),
                             u"tec"_s, u"idTecn"_s);
        c.cmbZona->riempi(
            elencoCodici(Codici::zone, u"zona"_s, {.ordine = ComeElenco::perSigla, .nulli = ComeElenco::parteVuota}),
            u"zona"_s, u"idZona"_s);
    });
}

void frmStampaPlanner::stampa(bool anteprima)
{
    if (!campiDigitatiValidi(ui().forma))
        return;
    gestisci([&] {
        auto& c = ui();
        const std::optional<QString> formula =
            formulaGiro(c.cmbTecnici->valoreLegato(), c.cmbZona->valoreLegato(), c.dtpDataDa->date(),
                        c.dtpDataA->date(),
                        {c.chkDaSvolgere->isChecked(), c.chkSospeso->isChecked(), c.chkAnnullato->isChecked(),
                         c.chkSvolto->isChecked()});
        if (!formula) {
            messaggio(u"Selezionare uno stato intervento"_s, stile::soloOK);
            return;
        }
        stampaReport(controlloStampa(), *formula, cartellaProgramma() + u"/stampe/giro.rpt"_s, anteprima ? 1 : 0);
    });
}
