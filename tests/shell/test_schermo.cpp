#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/frm_richiesta.h"
#include "calls/frm_stampa_planner.h"
#include "calls/griglia_planning.h"
#include "calls/rientro_tecnico.h"
#include "calls/scheda_manutenzione.h"
#include "customers/note.h"
#include "customers/prima_accensione.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "customers/stampa_clienti.h"
#include "ignitions/centri_cat.h"
#include "platform/db/connessione.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "ignitions/sch_dettagli_riga.h"
#include "ignitions/sch_ex_dededod.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "platform/ui/dimensioni_form.h"
#include "registers/lookup/area_int.h"
#include "registers/lookup/difetti.h"
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
#include "registers/operatori/frm_operatori.h"
#include "registers/operatori/sch_operatori.h"
#include "registers/staff/ferie.h"
#include "registers/staff/festivita.h"
#include "registers/staff/installatori.h"
#include "registers/staff/materiali.h"
#include "registers/staff/prodotti.h"
#include "registers/staff/scheda_tec_zona.h"
#include "registers/staff/tecnici.h"
#include "registers/staff/zone_tecnici.h"
#include "search/scheda_ricerca.h"
#include "shell/autenticazione.h"
#include "shell/cambio_password.h"
#include "shell/mdi_principale.h"
#include <QComboBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
template <class T>
void aggiungi(const char* nome)
{
    QTest::newRow(nome) << std::function<QWidget*()>([] { return istanza<T>().forma(); });
}

// The scroll areas of a window showing a scroll bar, tab by tab.
QStringList scorrevoli(QWidget* f)
{
    QStringList trovate;
    const auto guarda = [&](const QString& dove) {
        QCoreApplication::processEvents();
        for (const QScrollArea* a : f->findChildren<QScrollArea*>())
            if (a->isVisible() && (a->horizontalScrollBar()->isVisible() || a->verticalScrollBar()->isVisible()))
                trovate << dove;
    };
    guarda(f->objectName());
    for (QTabWidget* t : f->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            guarda(t->tabText(i));
        }
    return trovate;
}
} // namespace

// Every window opens whole on the 800 x 600 screen the program is laid out for (the test runs on
// such a screen): at the size its content asks for, title bar and frame included, and never
// smaller than its layout's minimum, so nothing is cut off and no button is off the screen; no
// part of it, on any tab, needs scrolling.
class TestSchermo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 600));
    }
    void entraNelloSchermo_data()
    {
        QTest::addColumn<std::function<QWidget*()>>("forma");
        aggiungi<MDIprincipale>("MDIprincipale");
        aggiungi<schAutenticazione>("schAutenticazione");
        aggiungi<frmCambioPassword>("frmCambioPassword");
        aggiungi<schCliente>("schCliente");
        aggiungi<schProdottoCliente>("schProdottoCliente");
        aggiungi<schPrimaAccensione>("schPrimaAccensione");
        aggiungi<schNote>("schNote");
        aggiungi<schRicCliente>("schRicCliente");
        aggiungi<frmStampaClienti>("frmStampaClienti");
        aggiungi<frmPlanning>("frmPlanning");
        aggiungi<frmChiamata>("frmChiamata");
        aggiungi<frmRichiesta>("frmRichiesta");
        aggiungi<frmStampaPlanner>("frmStampaPlanner");
        aggiungi<schRientroTecnico>("schRientroTecnico");
        aggiungi<schMan>("schMan");
        aggiungi<frmElencoCAT>("frmElencoCAT");
        aggiungi<schCAT>("schCAT");
        aggiungi<frmImportaAccensioniCAT>("frmImportaAccensioniCAT");
        aggiungi<frmStoricoImportazioniCAT>("frmStoricoImportazioniCAT");
        aggiungi<schDettagliRiga>("schDettagliRiga");
        aggiungi<schExDededod>("schExDededod");
        aggiungi<schExPrimeAccensioni>("schExPrimeAccensioni");
        aggiungi<frmAreaInt>("frmAreaInt");
        aggiungi<schAreaInt>("schAreaInt");
        aggiungi<frmDifetti>("frmDifetti");
        aggiungi<schDifetto>("schDifetto");
        aggiungi<frmMarche>("frmMarche");
        aggiungi<schMarca>("schMarca");
        aggiungi<frmPosizioni>("frmPosizioni");
        aggiungi<schPosizione>("schPosizione");
        aggiungi<frmTipoAbbonamento>("frmTipoAbbonamento");
        aggiungi<schTipoAbbonamento>("schTipoAbbonamento");
        aggiungi<frmTipoAtt>("frmTipoAtt");
        aggiungi<schTipoAtt>("schTipoAtt");
        aggiungi<frmTipoCli>("frmTipoCli");
        aggiungi<schTipoCli>("schTipoCli");
        aggiungi<frmTipoGas>("frmTipoGas");
        aggiungi<schTipoGas>("schTipoGas");
        aggiungi<frmTipoMan>("frmTipoMan");
        aggiungi<schTipoMan>("schTipoMan");
        aggiungi<frmTipoProdotto>("frmTipoProdotto");
        aggiungi<schTipoProdotto>("schTipoProdotto");
        aggiungi<frmTipoRichieste>("frmTipoRichieste");
        aggiungi<schTipoRic>("schTipoRic");
        aggiungi<frmZone>("frmZone");
        aggiungi<schZona>("schZona");
        aggiungi<frmFerie>("frmFerie");
        aggiungi<schFerie>("schFerie");
        aggiungi<frmFestivita>("frmFestivita");
        aggiungi<schFestivita>("schFestivita");
        aggiungi<frmInstallatori>("frmInstallatori");
        aggiungi<schInstallatore>("schInstallatore");
        aggiungi<frmMateriali>("frmMateriali");
        aggiungi<schMateriale>("schMateriale");
        aggiungi<frmProdotti>("frmProdotti");
        aggiungi<schProdotto>("schProdotto");
        aggiungi<frmTecnici>("frmTecnici");
        aggiungi<schTecnico>("schTecnico");
        aggiungi<frmZoneTecnici>("frmZoneTecnici");
        aggiungi<schTecZona>("schTecZona");
        aggiungi<frmOperatori>("frmOperatori");
        aggiungi<schOperatori>("schOperatori");
    }
    void entraNelloSchermo()
    {
        QFETCH(std::function<QWidget*()>, forma);
        DatabaseTest db;
        QWidget* f = forma();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCoreApplication::processEvents();
        const QRect schermo = f->screen()->availableGeometry();
        const QRect cornice = f->frameGeometry();
        const QSize spazio = schermo.size() - ::cornice();
        const auto misure = [](const QString& cosa, QSize a, QSize b) {
            return QStringLiteral("%1 %2 x %3, opens at %4 x %5")
                .arg(cosa).arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
        };
        QVERIFY2(schermo.contains(cornice) && f->width() <= spazio.width() && f->height() <= spazio.height(),
                 qPrintable(misure(u"room for"_s, spazio, f->size())));
        // Nothing of the layout is cut off.
        const QSize minima = f->minimumSizeHint().expandedTo(f->minimumSize());
        QVERIFY2(f->width() >= minima.width() && f->height() >= minima.height(),
                 qPrintable(misure(u"needs"_s, minima, f->size())));
        // As large as its content asks for, as far as the screen allows.
        const QSize voluta = f->sizeHint().boundedTo(spazio);
        QVERIFY2(f->width() >= voluta.width() && f->height() >= voluta.height(),
                 qPrintable(misure(u"asks for"_s, voluta, f->size())));
        const QStringList scorrono = scorrevoli(f);
        QVERIFY2(scorrono.isEmpty(), qPrintable(u"scrolls: "_s + scorrono.join(u", "_s)));
        f->close();
    }

    // Seven technicians over seven days fit without scrolling; over 31 days the days scroll
    // sideways and the headings and the names stay, whole.
    void planning()
    {
        DatabaseTest db;
        for (int i = 1; i <= 7; ++i)
            connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico, tecnico) VALUES (?, ?)"_s,
                               {u"T%1"_s.arg(i), u"TECNICO CON UN NOME LUNGO %1"_s.arg(i)});
        frmPlanning& p = istanza<frmPlanning>();
        QWidget* f = p.forma();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCoreApplication::processEvents();
        GrigliaPlanning* g = p.controlli().griglia;
        QCOMPARE(g->rowCount(), 7);
        QVERIFY(!g->horizontalScrollBar()->isVisible());
        QVERIFY(!g->verticalScrollBar()->isVisible());
        const int nome = g->fontMetrics().horizontalAdvance(g->verticalHeaderItem(6)->text());
        p.controlli().cmbGiorniVisualizzati->setCurrentIndex(3);
        QCoreApplication::processEvents();
        QCOMPARE(g->columnCount(), 31);
        QVERIFY(!g->verticalScrollBar()->isVisible());
        QVERIFY(g->verticalHeader()->width() >= nome);
        for (int c = 0; c < g->columnCount(); ++c)
            QVERIFY(g->columnWidth(c) >= g->fontMetrics().horizontalAdvance(g->horizontalHeaderItem(c)->text()));
        g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum());
        QVERIFY(g->verticalHeader()->isVisible() && g->horizontalHeader()->isVisible());
        f->close();
    }
};

CORVEXT_TEST_MAIN(TestSchermo)
#include "test_schermo.moc"
