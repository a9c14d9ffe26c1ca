#include "calls/frm_planning.h"
#include "calls/alla_comparsa.h"
#include "calls/celle_planning.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_stampa_planner.h"
#include "calls/griglia_planning.h"
#include "calls/mod_planning.h"
#include "common/collegamenti.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/etichetta_valore.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// The day ranges: list entry, days shown, heading format.
struct Intervallo {
    QString voce;
    short giorni;
    QString formato;
};
const Intervallo intervalli[] = {{u"1   Giorno"_s, 1, u"dddd dd/MM"_s},
                                 {u"7   Giorni"_s, 7, u"ddd dd/MM"_s},
                                 {u"14 Giorni"_s, 14, u"dd/MM"_s},
                                 {u"30 Giorni"_s, 31, u"dd"_s}};

const QColor rosso(255, 0, 0);
const QColor cianoChiaro(0xC0, 0xFF, 0xFF);
const QColor blu(0, 0, 255);
constexpr int ruoloStato = Qt::UserRole;

QTableWidgetItem* cellaGiorno(const CellaPlanning& c)
{
    auto* i = new QTableWidgetItem(c.testo);
    // A text cut short in a narrow column is whole in its tooltip.
    i->setToolTip(c.testo);
    i->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    i->setTextAlignment(Qt::AlignCenter);
    i->setData(ruoloStato, int(c.stato));
    switch (c.stato) {
    case CellaPlanning::Stato::festivo:
    case CellaPlanning::Stato::domenica:
        i->setBackground(rosso);
        break;
    case CellaPlanning::Stato::ferie:
        i->setBackground(cianoChiaro);
        break;
    case CellaPlanning::Stato::lavorativo:
        i->setBackground(QApplication::palette().color(QPalette::ToolTipBase));
        i->setForeground(blu);
        break;
    }
    return i;
}

} // namespace

QWidget* frmPlanning::costruisci()
{
    auto* f = new FormaDialogo(u"Planning"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    l->addWidget(costruisciMenu(f));

    auto* picPlanning = controllo<QWidget>(f, u"picPlanning"_s);
    auto* lp = new QVBoxLayout(picPlanning);
    lp->setContentsMargins(0, 0, 0, 0);
    c.griglia = controllo<GrigliaPlanning>(picPlanning, u"griglia"_s);
    c.griglia->setAccessibleName(f->windowTitle());
    c.griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    c.griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.griglia->setWordWrap(true);
    c.pic = controllo<QLabel>(picPlanning, u"pic"_s, u"Attendere prego..."_s);
    c.pic->setAlignment(Qt::AlignCenter);
    c.pic->hide();
    lp->addWidget(c.pic);
    lp->addWidget(c.griglia, 1);
    l->addWidget(picPlanning, 1);
    l->addWidget(costruisciAppuntamenti(f));

    QObject::connect(c.griglia, &QTableWidget::currentCellChanged, f, [this] { selezioneCella(); });
    QObject::connect(c.griglia, &QTableWidget::cellDoubleClicked, f, [this] { ui().cmdNuovoAppuntamento->click(); });
    QObject::connect(c.grigliaInterventi, &QAbstractItemView::doubleClicked, f, [this] { ui().cmdModificaApp->click(); });
    QObject::connect(c.grigliaInterventi->selectionModel(), &QItemSelectionModel::currentRowChanged, f,
                     [this](const QModelIndex& i) {
                         if (i.isValid())
                             ui().griglia->setFocus();
                     });
    f->impostaAnnulla(c.cmdChiudi, FormaDialogo::Esc::aParte);
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) { return tasto(k); });
    // The first fill happens when the window is first shown.
    f->installEventFilter(new AllaComparsa(f, [this] { primaAttivazione(); }));
    ordineTab({c.dtpData, c.cmbZona, c.cmdResetZone, c.cmbGiorniVisualizzati, c.cmdIndietro, c.cmdAggiorna,
               c.cmdAvanti, c.cmdChiudi, c.griglia, c.grigliaInterventi, c.cmdNuovoAppuntamento, c.cmdModificaApp,
               c.cmdEliminaApp, c.cmdStampa});
    f->resize(790, 570);
    centraForm(f);
    return f;
}

QWidget* frmPlanning::costruisciMenu(QWidget* f)
{
    auto& c = ui();
    auto* picMenu = controllo<QWidget>(f, u"picMenu"_s);
    auto* g = new QGridLayout(picMenu);
    g->setContentsMargins(0, 0, 0, 0);
    c.dtpData = controllo<CampoData>(picMenu, u"dtpData"_s);
    c.cmbZona = combo(picMenu, u"cmbZona"_s);
    c.cmbGiorniVisualizzati = controllo<QComboBox>(picMenu, u"cmbGiorniVisualizzati"_s);
    c.cmbGiorniVisualizzati->setToolTip(u"Numero di giorni visualizzati"_s);
    for (const Intervallo& i : intervalli)
        c.cmbGiorniVisualizzati->addItem(i.voce);
    c.cmdIndietro = pulsante(picMenu, u"cmdIndietro"_s, u"<"_s);
    c.cmdAvanti = pulsante(picMenu, u"cmdAvanti"_s, u">"_s);
    c.cmdAggiorna = pulsante(picMenu, u"cmdAggiorna"_s, u"Agg."_s, u"Aggiorna Planning"_s);
    c.cmdResetZone = pulsante(picMenu, u"cmdResetZone"_s, u"R"_s, u"Azzera la zona"_s);
    c.cmdChiudi = pulsante(picMenu, u"cmdChiudi"_s, u"CHIUDI (ESC)"_s);
    // Their captions are abbreviations: a screen reader reads their tool tips.
    for (QPushButton* b : {c.cmdAggiorna, c.cmdResetZone})
        b->setAccessibleName(b->toolTip());
    c.lblCliente = controllo<EtichettaValore>(picMenu, u"lblCliente"_s, u"CLIENTE: "_s);
    c.lblIndirizzo = controllo<EtichettaValore>(picMenu, u"lblIndirizzo"_s, u"INDIRIZZO:"_s);

    conEtichetta(g, 0, 0, u"Data"_s, c.dtpData);
    conEtichetta(g, 0, 2, u"Zona"_s, c.cmbZona);
    g->addWidget(c.cmdResetZone, 0, 4);
    conEtichetta(g, 0, 5, u"Giorni Vis."_s, c.cmbGiorniVisualizzati);
    // Navigation on a line of its own, so the window fits an 800 x 600 screen.
    auto* navigazione = new QHBoxLayout;
    navigazione->addStretch();
    for (QPushButton* b : {c.cmdIndietro, c.cmdAggiorna, c.cmdAvanti, c.cmdChiudi})
        navigazione->addWidget(b);
    g->addLayout(navigazione, 1, 0, 1, 7);
    conEtichetta(g, 2, 0, u"CLIENTE: "_s, c.lblCliente, 3);
    conEtichetta(g, 2, 4, u"INDIRIZZO:"_s, c.lblIndirizzo, 2);
    g->setColumnStretch(3, 1);

    QObject::connect(c.dtpData, &CampoData::dateChanged, f, [this] { aggiorna(); });
    // Enter on a typed start date that cannot be says why.
    QObject::connect(c.dtpData, &QLineEdit::returnPressed, f, [this] { campiDigitatiValidi(ui().forma); });
    QObject::connect(c.cmbGiorniVisualizzati, &QComboBox::currentIndexChanged, f,
                     [this](int i) { cmbGiorniVisualizzati_Click(i); });
    QObject::connect(c.cmbZona, &QComboBox::activated, f, [this] { cmbZona_Click(); });
    QObject::connect(c.cmdResetZone, &QPushButton::clicked, f, [this] { cmdResetZone_Click(); });
    QObject::connect(c.cmdAggiorna, &QPushButton::clicked, f, [this] { aggiorna(); });
    QObject::connect(c.cmdIndietro, &QPushButton::clicked, f, [this] { sposta(-giorniVisualizzati); });
    QObject::connect(c.cmdAvanti, &QPushButton::clicked, f, [this] { sposta(giorniVisualizzati); });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { cmdChiudi_Click(); });
    return picMenu;
}

QWidget* frmPlanning::costruisciAppuntamenti(QWidget* f)
{
    auto& c = ui();
    auto* picAppuntamenti = controllo<QWidget>(f, u"picAppuntamenti"_s);
    auto* l = new QVBoxLayout(picAppuntamenti);
    l->setContentsMargins(0, 0, 0, 0);
    auto* titolo = new QHBoxLayout;
    c.grigliaInterventi = controllo<Griglia>(picAppuntamenti, u"grigliaInterventi"_s);
    c.lblData = controllo<QLabel>(picAppuntamenti, u"lblData"_s);
    titolo->addWidget(etichetta(picAppuntamenti, u"Appuntamenti del giorno"_s, c.grigliaInterventi));
    titolo->addWidget(c.lblData);
    titolo->addStretch();
    l->addLayout(titolo);
    auto* sotto = new QHBoxLayout;
    sotto->addWidget(c.grigliaInterventi, 1);
    auto* pulsanti = new QVBoxLayout;
    c.cmdNuovoAppuntamento = pulsante(picAppuntamenti, u"cmdNuovoAppuntamento"_s, u"FISSA (F2)"_s);
    c.cmdModificaApp = pulsante(picAppuntamenti, u"cmdModificaApp"_s, u"MODIFICA (F4)"_s);
    c.cmdEliminaApp = pulsante(picAppuntamenti, u"cmdEliminaApp"_s, u"ELIMINA (F8)"_s);
    c.cmdStampa = pulsante(picAppuntamenti, u"cmdStampa"_s, u"STAMPA (F12)"_s);
    for (QPushButton* b : {c.cmdNuovoAppuntamento, c.cmdModificaApp, c.cmdEliminaApp, c.cmdStampa})
        pulsanti->addWidget(b);
    sotto->addLayout(pulsanti);
    l->addLayout(sotto);
    // Five rows: the planning grid above gets the rest of the window.
    c.grigliaInterventi->setFixedHeight(6 * c.grigliaInterventi->verticalHeader()->defaultSectionSize() + 4);

    QObject::connect(c.cmdNuovoAppuntamento, &QPushButton::clicked, f, [this] { cmdNuovoAppuntamento_Click(); });
    QObject::connect(c.cmdModificaApp, &QPushButton::clicked, f, [this] { cmdModificaApp_Click(); });
    QObject::connect(c.cmdEliminaApp, &QPushButton::clicked, f, [this] { cmdEliminaApp_Click(); });
    QObject::connect(c.cmdStampa, &QPushButton::clicked, f, [this] { cmdStampa_Click(); });
    return picAppuntamenti;
}

void frmPlanning::alCaricamento()
{
    auto& c = ui();
    visualizza = false;
    mostrata = false;
    bPrimaVolta = true;
    bSemaforo = true;
    {
        const QSignalBlocker b(c.dtpData);
        c.dtpData->setDate(oggi());
    }
    riempiCombo();
    giorniVisualizzati = 7;
    // The zones could not be read: the planner is not shown, so no second wait.
    if (caricamentoRiuscito())
        gestisci([] { rsTecnici = caricaTecnici(0); });
    c.cmbGiorniVisualizzati->setCurrentIndex(1);
    c.griglia->setColumnCount(7);
    visualizza = true;
}

void frmPlanning::alloScaricamento()
{
    nIDcliente = 0;
}

void frmPlanning::riempiCombo()
{
    gestisci([this] {
        ui().cmbZona->riempi(elencoCodici(Codici::zone, u"z"_s, {.nulli = ComeElenco::parteVuota}), u"z"_s,
                             u"idZona"_s);
    });
}

void frmPlanning::predisponi()
{
    auto& c = ui();
    c.lblCliente->setText(cliente);
    c.lblIndirizzo->setText(indirizzo);
    c.cmbZona->impostaValoreLegato(idZona);
    gestisci([&c] { rsTecnici = caricaTecnici(long(nz(c.cmbZona->valoreLegato()).toLongLong())); });
    riempiPlanning();
    punta(1, 1);
}

void frmPlanning::primaAttivazione()
{
    mostrata = true;
    if (bPrimaVolta) {
        bPrimaVolta = false;
        riempiPlanning();
        punta(1, 1);
    }
    ui().griglia->setFocus();
}

void frmPlanning::punta(int colonna, int riga)
{
    if (bSemaforo)
        return;
    auto& c = ui();
    c.griglia->setFocus();
    {
        const QSignalBlocker b(c.griglia);
        c.griglia->setCurrentCell(riga - 1, colonna - 1);
    }
    selezioneCella();
}

void frmPlanning::scriviTecnici()
{
    auto& c = ui();
    if (!rsTecnici.statico())
        return;
    int r = 0;
    for (rsTecnici.moveFirst(); !rsTecnici.eof(); rsTecnici.moveNext(), ++r) {
        auto* nome = new QTableWidgetItem(nz(rsTecnici[u"sigla_tecnico"_s]).toString() + u" - "_s
                                          + nz(rsTecnici[u"tecnico"_s]).toString());
        // A name cut short in the narrowed column is whole in its tooltip.
        nome->setToolTip(nome->text());
        c.griglia->setVerticalHeaderItem(r, nome);
    }
}

void frmPlanning::riempiPlanning()
{
    ++volte;
    if (!visualizza || !mostrata)
        return;
    const Clessidra clessidra;
    auto& c = ui();
    bSemaforo = true;
    c.pic->show();
    c.griglia->setUpdatesEnabled(false);
    c.griglia->hide();
    // The busy flag goes down and the grid comes back on every path.
    gestisci([&] {
        const QSignalBlocker b(c.griglia);
        c.griglia->clear();
        c.griglia->setRowCount(0);
        c.griglia->setColumnCount(0);
        righeTecnici = rsTecnici.statico() ? rsTecnici.recordCount() : 0;
        if (righeTecnici == 0)
            return;
        c.griglia->setRowCount(righeTecnici);
        c.griglia->setColumnCount(giorniVisualizzati);
        scriviTecnici();
        c.griglia->impostaAngolo(u"TECNICI"_s);
        QList<long> tecnici;
        for (rsTecnici.moveFirst(); !rsTecnici.eof(); rsTecnici.moveNext())
            tecnici << long(rsTecnici[u"idTecn"_s].toLongLong());
        const QDate inizio = c.dtpData->date();
        const QVector<QVector<CellaPlanning>> celle = cellePlanning(tecnici, inizio, giorniVisualizzati);
        const QLocale italiano(QLocale::Italian, QLocale::Italy);
        for (int g = 0; g < giorniVisualizzati; ++g) {
            const QDate giorno = inizio.addDays(g);
            c.griglia->impostaGiorno(g, italiano.toString(giorno, formato), giorno.day() == 1);
            for (int r = 0; r < righeTecnici; ++r)
                c.griglia->setItem(r, g, cellaGiorno(celle[r][g]));
        }
        ultimaData = inizio.addDays(giorniVisualizzati);
    });
    bSemaforo = false;
    costruisciGriglia();
    c.pic->hide();
    c.griglia->setUpdatesEnabled(true);
    c.griglia->show();
    if (righeTecnici == 0)
        selezioneCella();
}

void frmPlanning::costruisciGriglia()
{
    if (bSemaforo)
        return;
    ui().griglia->adattaCelle();
}

void frmPlanning::selezioneCella()
{
    if (bSemaforo)
        return;
    gestisci([this] {
        auto& c = ui();
        // Row 1 is the first technician and column 1 the first day; -1 is no cell.
        const bool cella = c.griglia->currentRow() >= 0 && c.griglia->currentColumn() >= 0;
        riga = cella ? c.griglia->currentRow() + 1 : -1;
        colonna = cella ? c.griglia->currentColumn() + 1 : -1;
        long tecnico = -1;
        QDate giorno = oggi();
        giornoSelezionato = QDate();
        c.lblData->clear();
        if (cella) {
            giornoSelezionato = giorno = c.dtpData->date().addDays(colonna - 1);
            c.lblData->setText(giorno.toString(u"dd/MM/yyyy"_s));
            // FISSA books for the row's technician.
            rsTecnici.vaiA(riga - 1);
            tecnico = long(rsTecnici[u"idTecn"_s].toLongLong());
        }
        c.grigliaInterventi->imposta(appuntamentiTecnico(tecnico, giorno),
                                     {{u"orario"_s, u"Orario"_s},
                                      {u"cliente"_s, u"Cliente"_s},
                                      {u"Indirizzo"_s, u"Indirizzo"_s},
                                      {u"citta"_s, u"Città"_s},
                                      {u"modello"_s, u"Modello"_s},
                                      {u"cod_stato_int"_s, u"Stato Intervento"_s},
                                      {u"Lista_richieste"_s, u"Richieste"_s}});
    });
}

void frmPlanning::aggiorna()
{
    // The start date typed over the shown one is used only when it is whole and exists.
    if (!campiDigitatiValidi(ui().forma))
        return;
    riempiPlanning();
    punta(1, 1);
}

void frmPlanning::sposta(int giorni)
{
    if (campiDigitatiValidi(ui().forma))
        ui().dtpData->setDate(ui().dtpData->date().addDays(giorni));
}

void frmPlanning::cmbGiorniVisualizzati_Click(int indice)
{
    if (indice < 0 || indice > 3)
        return;
    giorniVisualizzati = intervalli[indice].giorni;
    formato = intervalli[indice].formato;
    aggiorna();
}

void frmPlanning::cmbZona_Click()
{
    const QVariant zona = ui().cmbZona->valoreLegato();
    if (zona.isNull())
        return;
    if (gestisci([&zona] { rsTecnici = caricaTecnici(long(zona.toLongLong())); }))
        aggiorna();
}

void frmPlanning::cmdResetZone_Click()
{
    ui().cmbZona->svuotaScelta();
    if (gestisci([] { rsTecnici = caricaTecnici(0); }))
        aggiorna();
}

void frmPlanning::cmdNuovoAppuntamento_Click()
{
    auto& c = ui();
    if (nIDcliente == 0) {
        if (messaggio(u"Attenzione! per fissare un intervento è necessario selezionare il cliente dalla scheda "
                      "ricerca... aprire la scheda ricerca ? "_s,
                      stile::siNo | stile::domanda)
            == Risposta::Si) {
            chiudi();
            if (collegamenti::apriRicercaClienti)
                collegamenti::apriRicercaClienti();
        }
        return;
    }
    const int r = riga, col = colonna;
    if (r < 1 || col < 1) {
        messaggio(u"Selezionare il giorno sul planner"_s, stile::informazione);
        return;
    }
    const auto stato = CellaPlanning::Stato(c.griglia->item(r - 1, col - 1)->data(ruoloStato).toInt());
    if (stato == CellaPlanning::Stato::festivo || stato == CellaPlanning::Stato::domenica) {
        messaggio(u"Il planner non permette l'inserimento di appuntamento nei giorni festivi"_s, stile::esclamazione);
        return;
    }
    rsTecnici.vaiA(r - 1);
    const QVariant tecnico = nz(rsTecnici[u"idTecn"_s]);
    const QDate giorno = c.dtpData->date().addDays(col - 1);

    frmChiamata& ch = istanza<frmChiamata>();
    ch.nIDcliente = nIDcliente;
    ch.strCliente = c.lblCliente->text();
    ch.nModalita = 0;
    ch.carica();
    // No number, no card.
    ch.nIdChiamata = ch.incChiamata();
    if (ch.nIdChiamata == 0) {
        ch.chiudi();
        return;
    }
    ch.riempiCombo();
    auto& cc = ch.controlli();
    cc.dtpDataChiamata->setDate(oggi());
    cc.dtpDataIntervento->setDate(giorno);
    cc.cmbTecnico->impostaValoreLegato(tecnico);
    ch.bElimina = false;
    ch.mostraModale();
    if (ch.bElimina)
        eliminaAppuntamento(ch.nIdChiamata);
    riempiPlanning();
    punta(col, r);
}

void frmPlanning::cmdModificaApp_Click()
{
    auto& c = ui();
    if (!c.grigliaInterventi->haRigaCorrente())
        return;
    const long id = long(c.grigliaInterventi->valore(u"idChiamata"_s).toLongLong());
    frmChiamata& ch = istanza<frmChiamata>();
    ch.nIdChiamata = id;
    ch.nIDcliente = long(c.grigliaInterventi->valore(u"idcli"_s).toLongLong());
    ch.strCliente = c.grigliaInterventi->valore(u"cliente"_s).toString();
    ch.nModalita = 1;
    ch.carica();
    ch.riempiCombo();
    const int col = colonna, r = riga;
    if (ch.predisponi()) {
        ch.bElimina = false;
        ch.mostraModale();
    } else {
        // The call is gone meanwhile: the planner shows what the database holds.
        ch.chiudi();
    }
    if (ch.bElimina && !ch.bConferma)
        eliminaAppuntamento(ch.nIdChiamata);
    const bool confermata = ch.bConferma;
    ch.nIdChiamata = 0;
    ch.nIDcliente = 0;
    riempiPlanning();
    punta(col, r);
    if (confermata) {
        Recordset& rs = c.grigliaInterventi->recordset();
        if (rs.statico() && rs.cerca(u"idChiamata"_s, qlonglong(id)))
            c.grigliaInterventi->sincronizza();
    }
}

void frmPlanning::cmdEliminaApp_Click()
{
    auto& c = ui();
    if (!c.grigliaInterventi->haRigaCorrente())
        return;
    const int col = colonna, r = riga;
    // The whole call goes at once, without a question.
    eliminaAppuntamento(c.grigliaInterventi->valore(u"idchiamata"_s).toLongLong());
    riempiPlanning();
    punta(col, r);
}

void frmPlanning::cmdStampa_Click()
{
    gestisci([this] {
        // An empty planner has no day to print.
        if (!giornoSelezionato.isValid()) {
            messaggio(u"Selezionare il giorno sul planner"_s, stile::informazione);
            return;
        }
        frmStampaPlanner& s = istanza<frmStampaPlanner>();
        s.controlli().dtpDataA->setDate(giornoSelezionato);
        s.controlli().dtpDataDa->setDate(giornoSelezionato);
        s.mostraModale();
    });
}

void frmPlanning::cmdChiudi_Click()
{
    rsTecnici = Recordset();
    chiudi();
    if (collegamenti::aggiornaPrincipale)
        collegamenti::aggiornaPrincipale();
}

bool frmPlanning::tasto(int tasto)
{
    auto& c = ui();
    QPushButton* b = nullptr;
    switch (tasto) {
    case Qt::Key_Escape: b = c.cmdChiudi; break;
    case Qt::Key_F2: b = c.cmdNuovoAppuntamento; break;
    case Qt::Key_F4: b = c.cmdModificaApp; break;
    case Qt::Key_F8: b = c.cmdEliminaApp; break;
    case Qt::Key_F12: b = c.cmdStampa; break;
    default: return false;
    }
    b->click();
    return true;
}
