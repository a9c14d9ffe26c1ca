#include "shell/mdi_principale.h"
#include "platform/ui/controlli.h"
#include "shell/cambio_password.h"
#include "registers/lookup/area_int.h"
#include "registers/lookup/difetti.h"
#include "registers/staff/ferie.h"
#include "registers/staff/festivita.h"
#include "registers/staff/installatori.h"
#include "registers/staff/materiali.h"
#include "registers/staff/prodotti.h"
#include "registers/staff/tecnici.h"
#include "registers/staff/zone_tecnici.h"
#include "registers/operatori/frm_operatori.h"
#include "registers/lookup/marche.h"
#include "registers/lookup/posizioni.h"
#include "registers/lookup/tipo_abbonamento.h"
#include "registers/lookup/tipo_att.h"
#include "registers/lookup/tipo_cli.h"
#include "registers/lookup/tipo_gas.h"
#include "registers/lookup/tipo_man.h"
#include "registers/lookup/tipo_prodotto.h"
#include "registers/lookup/tipo_richieste.h"
#include "registers/lookup/zone.h"
#include "customers/scheda_cliente.h"
#include "ignitions/centri_cat.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "ignitions/sch_ex_dededod.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "calls/frm_planning.h"
#include "common/collegamenti.h"
#include "search/scheda_ricerca.h"
#include "common/controllo_stampa.h"
#include "shell/compattazione.h"
#include "platform/db/connessione.h"
#include "common/funzioni.h"
#include "platform/ui/invio.h"
#include "platform/ui/messaggi.h"
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>
#include <QScreen>
#include <QWindow>

namespace {
// Twips to pixels, at 15 twips a pixel.
constexpr int px(int twips) { return twips / 15; }

// Opens a window modally; a failure shows the common error box and the program goes on.
template <class T>
std::function<void()> apri()
{
    return [] { gestisci([] { istanza<T>().mostraModale(); }); };
}

// Puts the focus on "Ricerca" each time the window becomes active again.
class FiltroAttivazione : public QObject {
public:
    FiltroAttivazione(QObject* padre, QWidget* ricerca) : QObject(padre), ricerca(ricerca) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate && ricerca)
            ricerca->setFocus();
        return false;
    }

private:
    QPointer<QWidget> ricerca;
};

// The right edge of the 800 x 600 screen the bar is laid out for.
constexpr int destraSchermo = 800;

// Keeps the window's frame, title bar included, in the top right corner of that screen. A move
// places the frame; its size is known only once the window system has framed the window, so the
// corner is set again whenever the frame's margins change (and only then: the operator may
// drag the bar elsewhere).
class AllineamentoADestra : public QObject {
public:
    explicit AllineamentoADestra(QWidget* w) : QObject(w) { allinea(w); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::Move || e->type() == QEvent::Resize) {
            auto* w = static_cast<QWidget*>(o);
            const QWindow* finestra = w->windowHandle();
            if (const QMargins m = finestra ? finestra->frameMargins() : QMargins(); m != margini) {
                margini = m;
                allinea(w);
            }
        }
        return false;
    }

private:
    // On a screen narrower than that (a scaled one) the right edge is the screen's.
    static void allinea(QWidget* w)
    {
        const QScreen* s = w->screen();
        const int destra = s ? std::min(destraSchermo, s->availableGeometry().right() + 1) : destraSchermo;
        w->move(std::max(0, destra - w->frameGeometry().width()), 0);
    }
    QMargins margini;
};
} // namespace

QWidget* MDIprincipale::costruisci()
{
    auto* f = new QMainWindow;
    f->setWindowTitle(QStringLiteral("Corvext Professional (V1.24)"));
    nuoviControlli();
    // Every print goes through this window's report control.
    impostaControlloStampa(&stampa);
    costruisciMenu(f);
    costruisciPulsanti(f);
    // Enter presses the focused button of the bar, as Space does.
    invioPremeIlPulsante(f);
    // The bar in the top right corner of an 800 x 600 screen, wide enough for its whole menu.
    const int larghezza = std::max(px(5760) + 8, f->menuBar()->sizeHint().width());
    f->resize(larghezza, px(1590));
    f->installEventFilter(new FiltroAttivazione(f, ui().cmdRicerca));
    f->installEventFilter(new AllineamentoADestra(f));
    // After the planner: the main window comes to the front again.
    collegamenti::aggiornaPrincipale = [finestra = QPointer<QMainWindow>(f)] {
        if (finestra)
            finestra->activateWindow();
    };
    // The planner's FISSA without a customer: the search, shown beside the planner.
    collegamenti::apriRicercaClienti = [] { istanza<schRicCliente>().mostra(); };
    return f;
}

void MDIprincipale::costruisciMenu(QMainWindow* f)
{
    auto& c = ui();
    QMenuBar* barra = f->menuBar();
    // An entry opens its window; one with no window here yet stays disabled.
    auto voce = [&](QMenu* menu, const QString& nome, const QString& testo, std::function<void()> azione = {}) {
        QAction* a = menu ? menu->addAction(testo) : barra->addAction(testo);
        a->setObjectName(nome);
        if (azione)
            QObject::connect(a, &QAction::triggered, f, [azione] { azione(); });
        else
            a->setEnabled(false);
        c.voci.insert(nome, a);
        return a;
    };

    c.mnuDUZ = barra->addMenu(QStringLiteral("DUZ"));
    c.mnuDUZ->setObjectName(QStringLiteral("mnuDUZ"));
    voce(c.mnuDUZ, QStringLiteral("mnuGestioneCAT"), QStringLiteral("Gestione CAT"), apri<frmElencoCAT>());
    voce(c.mnuDUZ, QStringLiteral("mnuImportaAccensioniCAT"), QStringLiteral("Importa I° Accensioni"),
         apri<frmImportaAccensioniCAT>());
    voce(c.mnuDUZ, QStringLiteral("mnuEsportaAccensioniRUR"), QStringLiteral("Esporta I° Accensioni"), apri<schExDededod>());
    voce(c.mnuDUZ, QStringLiteral("mnuStoricoManutenzioni"), QStringLiteral("Storico Importazioni"),
         apri<frmStoricoImportazioniCAT>());
    // Hidden and disabled for the whole run, its entries too: a disabled menu alone still
    // lets the accessibility bus trigger them.
    c.mnuDUZ->menuAction()->setVisible(false);
    c.mnuDUZ->menuAction()->setEnabled(false);
    for (QAction* a : c.mnuDUZ->actions())
        a->setEnabled(false);

    QMenu* tabelle = barra->addMenu(QStringLiteral("Gestione Tabelle"));
    tabelle->setObjectName(QStringLiteral("mnuAnagrafiche"));
    voce(tabelle, QStringLiteral("mnuTipoMarche"), QStringLiteral("Marche"), apri<frmMarche>());
    voce(tabelle, QStringLiteral("mnuTecnici"), QStringLiteral("Tecnici"), apri<frmTecnici>());
    voce(tabelle, QStringLiteral("mnuZone"), QStringLiteral("Zone"), apri<frmZone>());
    voce(tabelle, QStringLiteral("mnuTipoProd"), QStringLiteral("Tipi Prodotti"), apri<frmTipoProdotto>());
    voce(tabelle, QStringLiteral("mnuAlimentazioni"), QStringLiteral("Alimentazioni "), apri<frmTipoGas>());
    voce(tabelle, QStringLiteral("mnuPosizioni"), QStringLiteral("Posizioni"), apri<frmPosizioni>());
    voce(tabelle, QStringLiteral("mnuInstallatori"), QStringLiteral("Installatori"), apri<frmInstallatori>());
    voce(tabelle, QStringLiteral("mnuTipoCli"), QStringLiteral("Tipo Cliente"), apri<frmTipoCli>());
    voce(tabelle, QStringLiteral("mnuAnagRichieste"), QStringLiteral("Richieste"), apri<frmTipoRichieste>());
    voce(tabelle, QStringLiteral("mnuDifetti"), QStringLiteral("Difetti"), apri<frmDifetti>());
    voce(tabelle, QStringLiteral("mnuTipologiaAttività"), QStringLiteral("Attività"), apri<frmTipoAtt>());
    voce(tabelle, QStringLiteral("mnuTipoAbb"), QStringLiteral("Abbonamenti"), apri<frmTipoAbbonamento>());
    voce(tabelle, QStringLiteral("mnuTipoMan"), QStringLiteral("Manutenzioni"), apri<frmTipoMan>());
    voce(tabelle, QStringLiteral("mnuAreaInterventi"), QStringLiteral("Area Interventi"), apri<frmAreaInt>());
    voce(tabelle, QStringLiteral("mnuFerie"), QStringLiteral("Ferie"), apri<frmFerie>());
    voce(tabelle, QStringLiteral("mnuFestivita"), QStringLiteral("Festività"), apri<frmFestivita>());
    QMenu* associazioni = tabelle->addMenu(QStringLiteral("Associazioni"));
    associazioni->setObjectName(QStringLiteral("mnuAssociazioni"));
    voce(associazioni, QStringLiteral("mnuZoneTecnici"), QStringLiteral("Zone-Tecnici"), apri<frmZoneTecnici>());
    voce(associazioni, QStringLiteral("mnuProdotti"), QStringLiteral("Marca - Modello"), apri<frmProdotti>());
    voce(associazioni, QStringLiteral("mnuAnagMateriali"), QStringLiteral("Materiali"), apri<frmMateriali>());

    QMenu* clienti = barra->addMenu(QStringLiteral("Gestione Clienti"));
    clienti->setObjectName(QStringLiteral("mnuClienti"));
    voce(clienti, QStringLiteral("mnuClientiNuovo"), QStringLiteral("Nuovo"), [] {
        gestisci([] {
            schCliente& s = istanza<schCliente>();
            s.nModalità = 0;
            // No number, no card.
            if (s.predisponi())
                s.mostraModale();
        });
    });
    voce(clienti, QStringLiteral("mnuRicTotale"), QStringLiteral("Ricerca"), [] { istanza<schRicCliente>().apri(); });

    // The menu entry keeps the planner's instance: its members stay until the next opening.
    voce(nullptr, QStringLiteral("mnuPlanning"), QStringLiteral("Planning"), apri<frmPlanning>());

    QMenu* strumenti = barra->addMenu(QStringLiteral("Strumenti"));
    strumenti->setObjectName(QStringLiteral("mnuStrumenti"));
    voce(strumenti, QStringLiteral("expAccensioni"), QStringLiteral("Esporta I° Accensioni"), [] {
        messaggio(QStringLiteral("Per poter esportare le prime accensioni, devi avere Excel installato sul tuo computer"),
                  stile::soloOK, QStringLiteral("Corvext - Messaggio di avviso"));
        apri<schExPrimeAccensioni>()();
    });
    voce(strumenti, QStringLiteral("mnuCompatta"), QStringLiteral("Compatta Archivio"), [] { mnuCompatta_Click(); });
    voce(strumenti, QStringLiteral("mnuAutenticazione"), QStringLiteral("Cambia Password"), apri<frmCambioPassword>());
    voce(strumenti, QStringLiteral("mnuOperatori"), QStringLiteral("Operatori"), apri<frmOperatori>());

    voce(nullptr, QStringLiteral("mnuUscita"), QStringLiteral("Uscita"), [this] { uscita(); });
}

void MDIprincipale::costruisciPulsanti(QMainWindow* f)
{
    auto& c = ui();
    auto* Picture1 = controllo<QWidget>(f, QStringLiteral("Picture1"));
    auto* l = new QHBoxLayout(Picture1);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    auto pulsante = [&](const QString& nome, const QString& testo, const QString& suggerimento, QStyle::StandardPixmap icona) {
        auto* b = controllo<QToolButton>(Picture1, nome);
        b->setText(testo);
        b->setToolTip(suggerimento);
        b->setAccessibleName(testo);
        b->setIcon(f->style()->standardIcon(icona));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumWidth(px(1121) - 4);
        l->addWidget(b);
        return b;
    };
    c.cmdRicerca = pulsante(QStringLiteral("cmdRicerca"), QStringLiteral("Ricerca"),
                            QStringLiteral("Ricerca clienti e prodotti..."), QStyle::SP_FileDialogContentsView);
    c.cmdNuovoCliente = pulsante(QStringLiteral("cmdNuovoCliente"), QStringLiteral("Cliente"),
                                 QStringLiteral("Nuovo Cliente.."), QStyle::SP_FileDialogNewFolder);
    c.cmdPlanner = pulsante(QStringLiteral("cmdPlanner"), QStringLiteral("Planner"),
                            QStringLiteral("Planning appuntamenti..."), QStyle::SP_FileDialogDetailedView);
    c.cmdNascondi = pulsante(QStringLiteral("cmdNascondi"), QStringLiteral("Nascondi"),
                             QStringLiteral("Riduce a icona la barra del programma..."), QStyle::SP_TitleBarMinButton);
    c.cmdUscita = pulsante(QStringLiteral("cmdUscita"), QStringLiteral("Uscita"), QStringLiteral("Uscita dal programma..."),
                           QStyle::SP_DialogCloseButton);
    // Buttons whose window is not here yet mirror their menu entries.
    QObject::connect(c.cmdRicerca, &QToolButton::clicked, c.voci.value(QStringLiteral("mnuRicTotale")),
                     &QAction::trigger);
    QObject::connect(c.cmdNuovoCliente, &QToolButton::clicked, c.voci.value(QStringLiteral("mnuClientiNuovo")),
                     &QAction::trigger);
    // The button gives a fresh planner each time; a failure of its own is not shown.
    QObject::connect(c.cmdPlanner, &QToolButton::clicked, f, [] {
        try {
            istanza<frmPlanning>().mostraModale();
        } catch (const std::exception&) {
        }
        rilascia<frmPlanning>();
    });
    QObject::connect(c.cmdNascondi, &QToolButton::clicked, f, [f] { f->showMinimized(); });
    QObject::connect(c.cmdUscita, &QToolButton::clicked, f, [this] { uscita(); });
    f->setCentralWidget(Picture1);
}

void MDIprincipale::mostra()
{
    forma()->show();
}

void MDIprincipale::uscita()
{
    connessione.chiudi();
    forma()->close();
}

bool MDIprincipale::chiusuraRichiesta()
{
    // Closing the main window ends the run at once.
    QCoreApplication::quit();
    return true;
}
