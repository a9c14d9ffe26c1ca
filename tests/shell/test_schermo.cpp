#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/frm_richiesta.h"
#include "calls/frm_stampa_planner.h"
#include "calls/rientro_tecnico.h"
#include "calls/scheda_manutenzione.h"
#include "customers/note.h"
#include "customers/prima_accensione.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "customers/stampa_clienti.h"
#include "ignitions/centri_cat.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "ignitions/sch_dettagli_riga.h"
#include "ignitions/sch_ex_dededod.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "search/scheda_ricerca.h"
#include <functional>

namespace {
template <class T>
std::function<QWidget*()> finestra()
{
    return [] { return istanza<T>().forma(); };
}
} // namespace

// Every window fits the 800 x 600 screen the program is laid out for: none is larger, and
// none needs more room than that, so no button is ever off the screen.
class TestSchermo : public QObject {
    Q_OBJECT
private slots:
    void entraNelloSchermo_data()
    {
        QTest::addColumn<std::function<QWidget*()>>("forma");
        QTest::newRow("schCliente") << finestra<schCliente>();
        QTest::newRow("schProdottoCliente") << finestra<schProdottoCliente>();
        QTest::newRow("schPrimaAccensione") << finestra<schPrimaAccensione>();
        QTest::newRow("schNote") << finestra<schNote>();
        QTest::newRow("schRicCliente") << finestra<schRicCliente>();
        QTest::newRow("frmStampaClienti") << finestra<frmStampaClienti>();
        QTest::newRow("frmPlanning") << finestra<frmPlanning>();
        QTest::newRow("frmChiamata") << finestra<frmChiamata>();
        QTest::newRow("frmRichiesta") << finestra<frmRichiesta>();
        QTest::newRow("frmStampaPlanner") << finestra<frmStampaPlanner>();
        QTest::newRow("schRientroTecnico") << finestra<schRientroTecnico>();
        QTest::newRow("schMan") << finestra<schMan>();
        QTest::newRow("frmElencoCAT") << finestra<frmElencoCAT>();
        QTest::newRow("schCAT") << finestra<schCAT>();
        QTest::newRow("frmImportaAccensioniCAT") << finestra<frmImportaAccensioniCAT>();
        QTest::newRow("frmStoricoImportazioniCAT") << finestra<frmStoricoImportazioniCAT>();
        QTest::newRow("schDettagliRiga") << finestra<schDettagliRiga>();
        QTest::newRow("schExDededod") << finestra<schExDededod>();
        QTest::newRow("schExPrimeAccensioni") << finestra<schExPrimeAccensioni>();
    }
    void entraNelloSchermo()
    {
        QFETCH(std::function<QWidget*()>, forma);
        DatabaseTest db;
        QWidget* f = forma();
        const QSize minima = f->minimumSizeHint().expandedTo(f->minimumSize());
        QVERIFY2(minima.width() <= 800 && minima.height() <= 600,
                 qPrintable(QStringLiteral("needs %1 x %2").arg(minima.width()).arg(minima.height())));
        QVERIFY2(f->width() <= 800 && f->height() <= 600,
                 qPrintable(QStringLiteral("opens at %1 x %2").arg(f->width()).arg(f->height())));
    }
};

CORVEXT_TEST_MAIN(TestSchermo)
#include "test_schermo.moc"
