#include "altra_postazione.h"
#include "ambiente_test.h"
#include "calls/frm_planning.h"
#include "common/stato.h"
#include "customers/scheda_cliente.h"
#include "platform/ui/combo_dati.h"
#include "platform/db/connessione.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "shell/mdi_principale.h"
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {
QStringList voci(const QList<QAction*>& azioni)
{
    QStringList t;
    for (QAction* a : azioni)
        if (!a->isSeparator())
            t << a->text();
    return t;
}
} // namespace

class TestPrincipale : public QObject {
    Q_OBJECT
private slots:
    void menuEPulsanti()
    {
        DatabaseTest db;
        MDIprincipale& m = istanza<MDIprincipale>();
        auto* f = qobject_cast<QMainWindow*>(m.forma());
        QCOMPARE(f->windowTitle(), QString("Corvext Professional (V1.24)"));
        const QList<QAction*> barra = f->menuBar()->actions();
        QCOMPARE(voci(barra), QStringList({"DUZ", "Gestione Tabelle", "Gestione Clienti", "Planning", "Strumenti", "Uscita"}));
        QVERIFY(!barra[0]->isVisible() && !barra[0]->isEnabled());
        // The hidden menu's entries cannot be triggered either.
        QCOMPARE(voci(barra[0]->menu()->actions()), QStringList({"Gestione CAT", "Importa I° Accensioni",
                                                                 "Esporta I° Accensioni", "Storico Importazioni"}));
        for (QAction* a : barra[0]->menu()->actions()) {
            QVERIFY(!a->isEnabled());
            a->trigger();
        }
        QVERIFY(seamModale::mostrate().isEmpty());
        QCOMPARE(voci(barra[1]->menu()->actions()),
                 QStringList({"Marche", "Tecnici", "Zone", "Tipi Prodotti", "Alimentazioni ", "Posizioni", "Installatori",
                              "Tipo Cliente", "Richieste", "Difetti", "Attività", "Abbonamenti", "Manutenzioni",
                              "Area Interventi", "Ferie", "Festività", "Associazioni"}));
        QCOMPARE(voci(barra[1]->menu()->actions().last()->menu()->actions()),
                 QStringList({"Zone-Tecnici", "Marca - Modello", "Materiali"}));
        QCOMPARE(voci(barra[2]->menu()->actions()), QStringList({"Nuovo", "Ricerca"}));
        QCOMPARE(voci(barra[4]->menu()->actions()),
                 QStringList({"Esporta I° Accensioni", "Compatta Archivio", "Cambia Password", "Operatori"}));
        QStringList pulsanti;
        for (QToolButton* b : {m.controlli().cmdRicerca, m.controlli().cmdNuovoCliente, m.controlli().cmdPlanner,
                               m.controlli().cmdNascondi, m.controlli().cmdUscita})
            pulsanti << b->text();
        QCOMPARE(pulsanti, QStringList({"Ricerca", "Cliente", "Planner", "Nascondi", "Uscita"}));
        QCOMPARE(m.controlli().cmdNascondi->toolTip(), QString("Riduce a icona la barra del programma..."));
    }

    // The bar ends at the right edge of an 800 x 600 screen, wide enough for its menu.
    void barraAlBordoDestro()
    {
        DatabaseTest db;
        MDIprincipale& m = istanza<MDIprincipale>();
        m.mostra();
        auto* f = qobject_cast<QMainWindow*>(m.forma());
        QCOMPARE(f->frameGeometry().right(), 799);
        QCOMPARE(f->frameGeometry().top(), 0);
        QVERIFY(f->width() >= f->menuBar()->sizeHint().width());
    }

    void cambiaPasswordSiApreModale()
    {
        DatabaseTest db;
        istanza<MDIprincipale>().voce("mnuAutenticazione")->trigger();
        QCOMPARE(seamModale::mostrate(), QStringList{"CAMBIO PASSWORD"});
    }

    void vociApronoLeLoroFinestre_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("finestra");
        const QList<QPair<QString, QString>> voci{
            {"mnuTipoMarche", "TABELLA - MARCHE"}, {"mnuZone", "TABELLA - ZONE"}, {"mnuFerie", "TABELLA - FERIE"},
            {"mnuProdotti", "TABELLA - ASSOCIAZIONE TIPO / MARCA / MODELLO"}, {"mnuOperatori", "OPERATORI"},
            {"mnuClientiNuovo", "SCHEDA CLIENTE - NUOVO INSERIMENTO"}, {"mnuRicTotale", "SCHEDA RICERCA CLIENTI"},
            {"mnuPlanning", "Planning"}};
        for (const auto& [v, f] : voci)
            QTest::newRow(qPrintable(v)) << v << f;
    }
    void vociApronoLeLoroFinestre()
    {
        QFETCH(QString, voce);
        QFETCH(QString, finestra);
        DatabaseTest db;
        codiceOperatore = 1; // ADMIN
        istanza<MDIprincipale>().voce(voce)->trigger();
        QCOMPARE(seamModale::mostrate(), QStringList{finestra});
    }

    // The buttons do what their menu entries do.
    void pulsantiComeLeVoci_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("finestra");
        QTest::newRow("Ricerca") << "cmdRicerca" << "SCHEDA RICERCA CLIENTI";
        QTest::newRow("Cliente") << "cmdNuovoCliente" << "SCHEDA CLIENTE - NUOVO INSERIMENTO";
        QTest::newRow("Planner") << "cmdPlanner" << "Planning";
    }
    void pulsantiComeLeVoci()
    {
        QFETCH(QString, pulsante);
        QFETCH(QString, finestra);
        DatabaseTest db;
        auto* b = istanza<MDIprincipale>().forma()->findChild<QToolButton*>(pulsante);
        QVERIFY(b->isEnabled());
        b->click();
        QCOMPARE(seamModale::mostrate(), QStringList{finestra});
    }

    // The button "Planner" releases the planner after use; the menu entry keeps it.
    void istanzaDelPlanner()
    {
        DatabaseTest db;
        istanza<MDIprincipale>().forma()->findChild<QToolButton*>("cmdPlanner")->click();
        QVERIFY(!esisteIstanza<frmPlanning>());
        istanza<MDIprincipale>().voce("mnuPlanning")->trigger();
        QVERIFY(esisteIstanza<frmPlanning>());
    }

    // The notice comes first, every time, then the export window.
    void esportaAccensioniAvvisaPrima()
    {
        DatabaseTest db;
        istanza<MDIprincipale>().voce("expAccensioni")->trigger();
        QCOMPARE(seamMessaggi::testi(),
                 QStringList{"Per poter esportare le prime accensioni, devi avere Excel installato sul tuo computer"});
        QCOMPARE(seamMessaggi::mostrati().at(0).stile, stile::soloOK);
        QCOMPARE(seamMessaggi::mostrati().at(0).titolo, QString("Corvext - Messaggio di avviso"));
        QCOMPARE(seamModale::mostrate(), QStringList{"Esporta Prime Accensioni"});
    }

    void finestraCheNonSiCaricaNonFermaIlProgramma()
    {
        DatabaseTest db;
        connessione.esegui("DROP TABLE zone");
        istanza<MDIprincipale>().voce("mnuZone")->trigger();
        QVERIFY(!seamMessaggi::mostrati().isEmpty());
        QVERIFY(seamMessaggi::mostrati().first().testo.contains("zone"));
        QVERIFY(istanza<MDIprincipale>().caricata());
    }

    // While another workstation holds the archive, "Nuovo" says so once and opens no card,
    // drawing no number; once it is free the card opens with its lists.
    void nuovoClienteConArchivioOccupato()
    {
        DatabaseTest db;
        connessione.esegui("INSERT INTO zone (sigla_zona, desc_zona) VALUES ('Z1', 'CENTRO')");
        connessione.esegui("INSERT INTO tipoCli (cli_nome_tipo) VALUES ('PRIVATO')");
        attesaBreve();
        AltraPostazione altra(db.file());
        altra.bloccaTutto();
        istanza<MDIprincipale>().voce("mnuClientiNuovo")->trigger();
        altra.sblocca();
        QCOMPARE(seamMessaggi::testi(), QStringList{"Attenzione ! L'archivio è occupato da un'altra postazione.\r\n"
                                                    "Riprovare tra qualche istante."});
        QVERIFY(seamModale::mostrate().isEmpty());
        QCOMPARE(altra.colonna("SELECT cliente FROM contatori"), QStringList{"0"});

        // The lock ends after the lists failed and before the number is drawn.
        altra.bloccaTutto();
        istanza<schCliente>().carica();
        altra.sblocca();
        istanza<MDIprincipale>().voce("mnuClientiNuovo")->trigger();
        QCOMPARE(seamMessaggi::mostrati().size(), 2);
        QVERIFY(seamModale::mostrate().isEmpty());
        QCOMPARE(altra.colonna("SELECT cliente FROM contatori"), QStringList{"0"});

        QStringList elenchi;
        seamModale::accoda([&](QWidget*) {
            auto& c = istanza<schCliente>().controlli();
            elenchi << vociCombo(c.cmbZona) << vociCombo(c.cmbTipoCliente);
        });
        istanza<MDIprincipale>().voce("mnuClientiNuovo")->trigger();
        QCOMPARE(seamModale::mostrate(), QStringList{"SCHEDA CLIENTE - NUOVO INSERIMENTO"});
        QCOMPARE(elenchi, (QStringList{"Z1 - CENTRO", "PRIVATO"}));
        QCOMPARE(altra.colonna("SELECT cliente FROM contatori"), QStringList{"1"});
    }

    void uscitaChiudeLaConnessione()
    {
        DatabaseTest db;
        MDIprincipale& m = istanza<MDIprincipale>();
        m.mostra();
        m.controlli().cmdUscita->click();
        QVERIFY(!connessione.aperta());
        QVERIFY(!m.caricata());
    }
};

CORVEXT_TEST_MAIN(TestPrincipale)
#include "test_principale.moc"
