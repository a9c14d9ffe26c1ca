// The defects, activities and materials of the return report.
#include "calls/campi_rientro.h"
#include "calls/dati_rientro.h"
#include "calls/rientro_tecnico.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/utilita_form.h"
#include "platform/db/testi_sql.h"
#include "registers/lookup/area_int.h"
#include "registers/lookup/difetti.h"
#include "registers/lookup/tipo_att.h"
#include "registers/modello/aggiunta_rapida.h"
#include "registers/staff/materiali.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// A quick-add through a register card, which is unloaded afterwards.
template <class Scheda>
void nuovaVoce(ComboDati* combo, const std::function<void()>& riempi)
{
    gestisci([&] {
        Scheda& scheda = istanza<Scheda>();
        aggiuntaRapida(scheda, combo, riempi);
        scheda.chiudi();
    });
}

// A frame with a combo, a note box (or a second combo) over a grid and its buttons.
struct Riquadro {
    QGroupBox* fra;
    QGridLayout* g;
};

Riquadro riquadro(QWidget* f, const QString& titolo, Griglia*& griglia, const QString& nome)
{
    auto* fra = new QGroupBox(titolo, f);
    auto* g = new QGridLayout(fra);
    griglia = controllo<Griglia>(fra, nome);
    griglia->setAccessibleName(titolo);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);
    return {fra, g};
}

// Under the input rows, the grid with its buttons beside it; Tab goes through the rows, the grid,
// then the buttons.
void pulsantiRiquadro(QGridLayout* g, Griglia* griglia, std::initializer_list<QPushButton*> pulsanti)
{
    const int riga = g->rowCount();
    g->addWidget(griglia, riga, 0, 1, 5);
    auto* colonna = new QVBoxLayout;
    for (QPushButton* p : pulsanti)
        colonna->addWidget(p);
    colonna->addStretch();
    g->addLayout(colonna, riga, 5);
    g->setRowStretch(riga, 1);
    ordineTab(g);
}
} // namespace

QWidget* schRientroTecnico::costruisciDifetti(QWidget* f)
{
    auto& c = ui();
    auto [fra, g] = riquadro(f, u"Difetti riscontrati sul prodotto selezionato al punto 1"_s, c.grigliaDifetti,
                             u"grigliaDifetti"_s);
    c.cmbDifetti = combo(fra, u"cmbDifetti"_s);
    c.txtNoteDifetto = casella(fra, u"txtNoteDifetto"_s);
    c.cmdNuovoDifetto = pulsanteIcona(fra, u"cmdNuovoDifetto"_s, QStyle::SP_FileDialogNewFolder,
                                      u"Crea un nuovo difetto"_s);
    c.cmdAggiungiDifetto = pulsante(fra, u"cmdAggiungiDifetto"_s, u"&Aggiungi"_s);
    c.cmdRimuoviDifetto = pulsante(fra, u"cmdRimuoviDifetto"_s, u"&Rimuovi"_s);
    c.cmdAggiornaNotaDifetto = pulsante(fra, u"cmdAggiornaNotaDifetto"_s, u"A&g. Nota"_s, u"Aggiorna le note"_s);
    conEtichetta(g, 0, 0, u"Difetto"_s, c.cmbDifetti);
    g->addWidget(c.cmdNuovoDifetto, 0, 2);
    conEtichetta(g, 0, 3, u"Note"_s, c.txtNoteDifetto, 3);
    pulsantiRiquadro(g, c.grigliaDifetti, {c.cmdAggiungiDifetto, c.cmdRimuoviDifetto, c.cmdAggiornaNotaDifetto});

    alTastoCanc(c.cmbDifetti, [this] {
        ui().cmbDifetti->svuotaScelta();
        ui().txtNoteDifetto->clear();
    });
    QObject::connect(c.cmdAggiungiDifetto, &QPushButton::clicked, fra, [this] { cmdAggiungiDifetto_Click(); });
    QObject::connect(c.cmdRimuoviDifetto, &QPushButton::clicked, fra, [this] { cmdRimuoviDifetto_Click(); });
    QObject::connect(c.cmdAggiornaNotaDifetto, &QPushButton::clicked, fra, [this] { cmdAggiornaNotaDifetto_Click(); });
    QObject::connect(c.cmdNuovoDifetto, &QPushButton::clicked, fra,
                     [this] { nuovaVoce<schDifetto>(ui().cmbDifetti, [this] { riempiDifetti(); }); });
    QObject::connect(c.grigliaDifetti->selectionModel(), &QItemSelectionModel::currentRowChanged, fra,
                     [this] { grigliaDifetti_Riga(); });
    return fra;
}

QWidget* schRientroTecnico::costruisciAttivita(QWidget* f)
{
    auto& c = ui();
    auto [fra, g] = riquadro(f, u"Interventi Svolti sul prodotto selezionato"_s, c.grigliaTipologia,
                             u"grigliaTipologia"_s);
    c.cmbTipoAttivita = combo(fra, u"cmbTipoAttivita"_s);
    c.txtNoteAttivita = casella(fra, u"txtNoteAttivita"_s);
    c.txtNoteAttivita->setToolTip(
        u"Inserire in questa casella eventuali annotazioni relative l'intervento svolto"_s);
    c.cmdNuovoIntervento = pulsanteIcona(fra, u"cmdNuovoIntervento"_s, QStyle::SP_FileDialogNewFolder,
                                         u"Crea un nuovo tipo di intervento"_s);
    c.cmdAggiungiAttivita = pulsante(fra, u"cmdAggiungiAttivita"_s, u"&Aggiungi"_s);
    c.cmdRimuoviAttivita = pulsante(fra, u"cmdRimuoviAttivita"_s, u"&Rimuovi"_s);
    c.cmdAggiornaNotaAttivita = pulsante(fra, u"cmdAggiornaNotaAttivita"_s, u"A&g. Nota"_s, u"Aggiorna le note"_s);
    conEtichetta(g, 0, 0, u"Tipologia"_s, c.cmbTipoAttivita);
    g->addWidget(c.cmdNuovoIntervento, 0, 2);
    conEtichetta(g, 0, 3, u"Note"_s, c.txtNoteAttivita, 3);
    pulsantiRiquadro(g, c.grigliaTipologia, {c.cmdAggiungiAttivita, c.cmdRimuoviAttivita, c.cmdAggiornaNotaAttivita});

    alTastoCanc(c.cmbTipoAttivita, [this] {
        ui().cmbTipoAttivita->svuotaScelta();
        ui().txtNoteAttivita->clear();
    });
    QObject::connect(c.cmbTipoAttivita, &QComboBox::activated, fra, [this] { ui().txtNoteAttivita->clear(); });
    QObject::connect(c.cmdAggiungiAttivita, &QPushButton::clicked, fra, [this] { cmdAggiungiAttivita_Click(); });
    QObject::connect(c.cmdRimuoviAttivita, &QPushButton::clicked, fra, [this] { cmdRimuoviAttivita_Click(); });
    QObject::connect(c.cmdAggiornaNotaAttivita, &QPushButton::clicked, fra,
                     [this] { cmdAggiornaNotaAttivita_Click(); });
    QObject::connect(c.cmdNuovoIntervento, &QPushButton::clicked, fra,
                     [this] { nuovaVoce<schTipoAtt>(ui().cmbTipoAttivita, [this] { riempiTipologiaAttività(); }); });
    QObject::connect(c.grigliaTipologia->selectionModel(), &QItemSelectionModel::currentRowChanged, fra,
                     [this] { grigliaTipologia_Riga(); });
    return fra;
}

QWidget* schRientroTecnico::costruisciMateriali(QWidget* f)
{
    auto& c = ui();
    auto [fra, g] = riquadro(f, u"Materiali relativi l'intervento svolto (punto 2)"_s, c.grigliaMateriale,
                             u"grigliaMateriale"_s);
    c.cmbArea = combo(fra, u"cmbArea"_s);
    c.cmbMateriale = combo(fra, u"cmbMateriale"_s);
    // Two lists on one row: narrower at the least than the others.
    for (ComboDati* lista : {c.cmbArea, c.cmbMateriale})
        lista->setMinimumContentsLength(6);
    c.cmdNuovaArea = pulsanteIcona(fra, u"cmdNuovaArea"_s, QStyle::SP_FileDialogNewFolder,
                                   u"Crea una nuova area di intervento"_s);
    c.cmdNuovoMateriale = pulsanteIcona(fra, u"cmdNuovoMateriale"_s, QStyle::SP_FileDialogNewFolder,
                                        u"Crea un nuovo ricambio"_s);
    c.cmdAggiungiMateriale = pulsante(fra, u"cmdAggiungiMateriale"_s, u"&Aggiungi"_s);
    c.cmdRimuoviMateriale = pulsante(fra, u"cmdRimuoviMateriale"_s, u"&Rimuovi"_s);
    conEtichetta(g, 0, 0, u"Area"_s, c.cmbArea);
    g->addWidget(c.cmdNuovaArea, 0, 2);
    conEtichetta(g, 0, 3, u"Ricambio"_s, c.cmbMateriale);
    g->addWidget(c.cmdNuovoMateriale, 0, 5, Qt::AlignLeft);
    pulsantiRiquadro(g, c.grigliaMateriale, {c.cmdAggiungiMateriale, c.cmdRimuoviMateriale});

    alTastoCanc(c.cmbArea, [this] {
        ui().cmbArea->svuotaScelta();
        ui().cmbMateriale->svuotaScelta();
        riempiMat();
    });
    QObject::connect(c.cmbArea, &QComboBox::activated, fra, [this] {
        if (!ui().cmbArea->valoreLegato().isNull())
            riempiMat();
    });
    QObject::connect(c.cmdAggiungiMateriale, &QPushButton::clicked, fra, [this] { cmdAggiungiMateriale_Click(); });
    QObject::connect(c.cmdRimuoviMateriale, &QPushButton::clicked, fra, [this] { cmdRimuoviMateriale_Click(); });
    QObject::connect(c.cmdNuovaArea, &QPushButton::clicked, fra,
                     [this] { nuovaVoce<schAreaInt>(ui().cmbArea, [this] { riempiArea(); }); });
    QObject::connect(c.cmdNuovoMateriale, &QPushButton::clicked, fra,
                     [this] { nuovaVoce<schMateriale>(ui().cmbMateriale, [this] { riempiMat(); }); });
    return fra;
}

namespace {
// The report's code lists: the live codes in their order, a missing part as empty.
ComeElenco codiciRientro(const QString& separatore)
{
    return {.ordine = ComeElenco::perSigla, .nulli = ComeElenco::parteVuota, .separatore = separatore};
}
} // namespace

void schRientroTecnico::riempiArea(const QString& separatore)
{
    ui().cmbArea->riempi(elencoCodici(Codici::aree, u"area"_s, codiciRientro(separatore)), u"area"_s, u"idGruppo"_s);
}

void schRientroTecnico::riempiDifetti(const QString& separatore)
{
    ui().cmbDifetti->riempi(elencoCodici(Codici::difetti, u"difetto"_s, codiciRientro(separatore)), u"difetto"_s,
                            u"idDifetto"_s);
}

void schRientroTecnico::riempiTipologiaAttività(const QString& separatore)
{
    ui().cmbTipoAttivita->riempi(elencoCodici(Codici::tipiAttivita, u"attivita"_s, codiciRientro(separatore)),
                                 u"attivita"_s, u"idTipoAttività"_s);
}

// The materials of the chosen area; none without an area.
void schRientroTecnico::riempiMat()
{
    gestisci([this] {
        auto& c = ui();
        c.cmbMateriale->riempi(materialiArea(c.cmbArea->valoreLegato()), u"materiale"_s, u"idMat"_s);
    });
}

void schRientroTecnico::aggiornaGrigliaDifetti()
{
    gestisci([this] {
        auto& c = ui();
        c.txtNoteDifetto->clear();
        c.grigliaDifetti->imposta(difettiProdotto(prodottoSelezionato()), {{u"df_nome"_s, u"Difetto"_s},
                                                                           {u"df_descrizione"_s, u"Descrizione"_s},
                                                                           {u"at_note"_s, u"Note riscontrate"_s}});
        aggiornaGrigliaAttivita(c.grigliaTipologia->valore(u"idAttivita"_s));
    });
}

void schRientroTecnico::aggiornaGrigliaAttivita(const QVariant& corrente)
{
    gestisci([&] {
        auto& c = ui();
        c.txtNoteAttivita->clear();
        // An empty selector leaves the grid as it was; one never filled lists no activity.
        if (elencoProdotti && c.cmbProdotti->count() == 0)
            return;
        const QVariant prodotto = elencoProdotti ? prodottoSelezionato() : QVariant();
        c.grigliaTipologia->imposta(attivitaProdotto(prodotto, nID), {{u"at_codice"_s, u"Sigla"_s},
                                                                      {u"at_nome"_s, u"Attività svolta"_s},
                                                                      {u"note_att"_s, u"Descrizione"_s}});
        // The materials added next go under the activity the operator sees selected.
        Recordset& attivita = c.grigliaTipologia->recordset();
        if (!corrente.isNull() && !attivita.cerca(u"idAttivita"_s, corrente) && attivita.recordCount() > 0)
            attivita.moveFirst();
        c.grigliaTipologia->sincronizza();
        attivitaLette = true;
        aggiornaGrigliaMateriali();
    });
}

void schRientroTecnico::aggiornaGrigliaMateriali()
{
    gestisci([this] {
        auto& c = ui();
        const Recordset rs = attivitaLette ? materialiAttivita(c.grigliaTipologia->valore(u"idAttivita"_s))
                                           : materialiSenzaAttivita();
        c.grigliaMateriale->imposta(rs, {{u"gruppo_nome"_s, u"Gruppo"_s},
                                         {u"Mat_nome"_s, u"Materiale"_s},
                                         {u"mat_descrizione"_s, u"Descrizione"_s}});
    });
}

void schRientroTecnico::grigliaDifetti_Riga()
{
    auto& c = ui();
    if (!c.grigliaDifetti->haRigaCorrente())
        return;
    c.txtNoteDifetto->setText(nz(c.grigliaDifetti->valore(u"at_note"_s)).toString());
    aggiornaGrigliaAttivita(c.grigliaTipologia->valore(u"idAttivita"_s));
}

void schRientroTecnico::grigliaTipologia_Riga()
{
    auto& c = ui();
    if (!c.grigliaTipologia->haRigaCorrente())
        return;
    c.txtNoteAttivita->setText(nz(c.grigliaTipologia->valore(u"note_att"_s)).toString());
    aggiornaGrigliaMateriali();
}

void schRientroTecnico::cmdAggiungiDifetto_Click()
{
    gestisci([this] {
        auto& c = ui();
        const QVariant prodotto = prodottoSelezionato();
        if (prodotto.isNull()) {
            messaggio(u"Selezionare il prodotto"_s, stile::informazione);
            return;
        }
        const QVariant difetto = c.cmbDifetti->valoreLegato();
        if (difetto.isNull()) {
            messaggio(u"Selezionare il difetto riscontrato"_s, stile::informazione);
            return;
        }
        aggiungiDifetto(prodotto.toLongLong(), difetto.toLongLong(), c.txtNoteDifetto->text());
        c.txtNoteDifetto->clear();
        aggiornaGrigliaDifetti();
    });
}

void schRientroTecnico::cmdAggiornaNotaDifetto_Click()
{
    gestisci([this] {
        auto& c = ui();
        if (!c.grigliaDifetti->haRigaCorrente())
            return;
        aggiornaNotaDifetto(c.grigliaDifetti->valore(u"idAttProd"_s).toLongLong(), c.txtNoteDifetto->text());
        c.txtNoteDifetto->clear();
        aggiornaGrigliaDifetti();
    });
}

void schRientroTecnico::cmdRimuoviDifetto_Click()
{
    gestisci([this] {
        Griglia* g = ui().grigliaDifetti;
        if (!g->haRigaCorrente() || !confermaEliminazione(u"Eliminare il difetto riscontrato ?"_s))
            return;
        eliminaDifetto(g->valore(u"idAttProd"_s).toLongLong());
        aggiornaGrigliaDifetti();
    });
}

void schRientroTecnico::cmdAggiungiAttivita_Click()
{
    gestisci([this] {
        auto& c = ui();
        const QVariant prodotto = prodottoSelezionato();
        if (prodotto.isNull())
            return;
        const QVariant tipo = c.cmbTipoAttivita->valoreLegato();
        if (tipo.isNull()) {
            messaggio(u"Selezionare la tipologia di azione effettuata"_s, stile::informazione);
            return;
        }
        const qint64 nuova = aggiungiAttivita(prodotto.toLongLong(), tipo.toLongLong(), c.txtNoteAttivita->text());
        c.txtNoteAttivita->clear();
        aggiornaGrigliaAttivita(nuova);
    });
}

void schRientroTecnico::cmdAggiornaNotaAttivita_Click()
{
    gestisci([this] {
        auto& c = ui();
        if (!c.grigliaTipologia->haRigaCorrente())
            return;
        const QVariant attivita = c.grigliaTipologia->valore(u"idAttivita"_s);
        aggiornaNotaAttivita(attivita.toLongLong(), c.txtNoteAttivita->text());
        c.txtNoteAttivita->clear();
        aggiornaGrigliaAttivita(attivita);
    });
}

void schRientroTecnico::cmdRimuoviAttivita_Click()
{
    gestisci([this] {
        auto& c = ui();
        Griglia* g = c.grigliaTipologia;
        if (!g->haRigaCorrente() || !confermaEliminazione(u"Eliminare l'azione effettuata ?"_s))
            return;
        eliminaAttivita(g->valore(u"idAttivita"_s).toLongLong());
        c.txtNoteAttivita->clear();
        aggiornaGrigliaAttivita();
    });
}

void schRientroTecnico::cmdAggiungiMateriale_Click()
{
    gestisci([this] {
        auto& c = ui();
        if (!attivitaLette) {
            messaggio(u"Selezionare il tipo di attività svolto"_s, stile::informazione);
            return;
        }
        if (!c.grigliaTipologia->haRigaCorrente()) {
            messaggio(u"Selezionare il tipo di attività svolto "_s, stile::informazione);
            return;
        }
        const QVariant materiale = c.cmbMateriale->valoreLegato();
        if (materiale.isNull()) {
            messaggio(u"Selezionare il materiale"_s, stile::informazione);
            return;
        }
        aggiungiMateriale(c.grigliaTipologia->valore(u"idAttivita"_s).toLongLong(), materiale.toLongLong());
        aggiornaGrigliaMateriali();
    });
}

void schRientroTecnico::cmdRimuoviMateriale_Click()
{
    gestisci([this] {
        Griglia* g = ui().grigliaMateriale;
        if (!g->haRigaCorrente() || !confermaEliminazione(u"Eliminare materiale selezionato ?"_s))
            return;
        eliminaMateriale(g->valore(u"idMatAtt"_s).toLongLong());
        aggiornaGrigliaMateriali();
    });
}
