#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/rientro_tecnico.h"
#include "finestre_programma.h"
#include "calls/frm_richiesta.h"
#include "calls/frm_stampa_planner.h"
#include "calls/scheda_manutenzione.h"
#include "customers/note.h"
#include "customers/stampa_clienti.h"
#include "ignitions/centri_cat.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "ignitions/frm_storico_importazioni_cat.h"
#include "ignitions/sch_dettagli_riga.h"
#include "registers/lookup/marche.h"
#include "registers/staff/installatori.h"
#include "registers/staff/tecnici.h"
#include "shell/autenticazione.h"
#include "shell/cambio_password.h"
#include "customers/prima_accensione.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "ignitions/sch_ex_dededod.h"
#include "ignitions/sch_ex_prime_accensioni.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "registers/lookup/zone.h"
#include "registers/operatori/frm_operatori.h"
#include "registers/operatori/sch_operatori.h"
#include "registers/staff/ferie.h"
#include "registers/staff/festivita.h"
#include "registers/staff/materiali.h"
#include "registers/staff/prodotti.h"
#include "registers/staff/scheda_tec_zona.h"
#include "registers/staff/zone_tecnici.h"
#include "search/scheda_ricerca.h"
#include "shell/mdi_principale.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
// Two rows in every list: zones, technicians, leave, holidays, brands, models, operators;
// customer 1 with two appliances and call 1 on both, with requests, defects, activities,
// materials and maintenances.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'R', 'ROSSI'), (2, 'B', 'BIANCHI')",
             "INSERT INTO zone (idZona, sigla_zona, desc_zona) VALUES (1, 'FC', 'FORLI CESENA'), (2, 'RN', 'RIMINI')",
             "INSERT INTO tecnici_per_zona (codTecnico, codZona) VALUES (1, 1), (2, 1), (2, 2)",
             "INSERT INTO ferie (ferieCodTecnico, ferieDataDa, ferieDataA) VALUES (1, '2026-08-04', '2026-08-05'), "
             "(2, '2026-08-10', '2026-08-11')",
             "INSERT INTO festivita (dataFestivita, desc_festivita) VALUES ('2026-08-15', 'FERRAGOSTO'), "
             "('2026-12-25', 'NATALE')",
             "INSERT INTO marche (idMarca, marca) VALUES (1, 'BAXI'), (2, 'ARISTON')",
             "INSERT INTO operatori (opUser, opPassword, opTipo) VALUES ('ROSSI', 'X', 'OPERATORE')",
             "INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto) VALUES (1, 'CALD')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'LUNA', 1, 1), "
             "(2, 'ECO', 1, 1)",
             "INSERT INTO area_int (idGruppo, gruppo_nome) VALUES (1, 'IDR')",
             "INSERT INTO materiali (idMat, mat_nome, cod_gruppo) VALUES (1, 'VALVOLA', 1), (2, 'POMPA', 1)",
             "INSERT INTO difetti (idDifetto, df_nome) VALUES (1, 'PERDITA')",
             "INSERT INTO tipologia_attivita (idTipoAttività, at_codice) VALUES (1, 'SOST')",
             "INSERT INTO tipoRichiesta (idTipoRichiesta, tipoRicSigla) VALUES (1, 'GUASTO')",
             "INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man) VALUES (1, 'ORD')",
             "INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, cod_zona) VALUES "
             "(1, 'ROSSI', 'MARIO', 'VIA PO', 'TORINO', 1), (2, 'BIANCHI', 'ANNA', 'VIA PO', 'TORINO', 1)",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto) VALUES (7, 1, 1), (8, 1, 2)",
             "INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (1, 1)",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) VALUES "
             "(1, 2, '2026-08-04', 'DA SVOLGERE', '09:00', '10:00')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (1, 1, 7), "
             "(2, 1, 8)",
             "INSERT INTO richieste (ricCodChiamata, ricCodRichiesta) VALUES (1, 1), (1, 1)",
             "INSERT INTO riscontro_su_prodotto (at_pr_codice, at_difetto) VALUES (1, 1), (1, 1)",
             "INSERT INTO attività_svolte (idAttivita, cod_prodotto, cod_operazione) VALUES (1, 1, 1), (2, 1, 1)",
             "INSERT INTO matAtt (codAtt, codMat) VALUES (1, 1), (1, 2)",
             "INSERT INTO manutenzioni (dataMan, codTipoMan, codChiamata, codProdotto) VALUES "
             "('2026-08-04', 1, 1, 7), ('2025-08-04', 1, 1, 7)",
             "UPDATE contatori SET chiamata = 1",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

using Apri = std::function<QWidget*()>;

template <class T>
Apri finestra()
{
    return [] { return istanza<T>().forma(); };
}

// A window, how it is opened, and its grids that the data fills.
struct Voce {
    const char* nome;
    Apri apri;
    QStringList conRighe = {};
};

const QList<Voce>& elencoFinestre()
{
    const QStringList griglia{u"griglia"_s};
    static const QList<Voce> f = {
        {"frmZone", finestra<frmZone>(), griglia},
        {"frmProdotti", finestra<frmProdotti>(), griglia},
        {"frmMateriali", finestra<frmMateriali>(), griglia},
        {"frmZoneTecnici", finestra<frmZoneTecnici>(), griglia},
        {"frmFerie", finestra<frmFerie>(), griglia},
        {"frmFestivita", finestra<frmFestivita>(), griglia},
        {"frmOperatori", finestra<frmOperatori>(), griglia},
        {"frmTecnici", finestra<frmTecnici>(), griglia},
        {"frmElencoCAT", finestra<frmElencoCAT>()},
        {"frmStoricoImportazioniCAT", finestra<frmStoricoImportazioniCAT>()},
        {"frmImportaAccensioniCAT", finestra<frmImportaAccensioniCAT>()},
        {"schZona", finestra<schZona>()},
        {"schMarca", finestra<schMarca>()},
        {"schTecnico", finestra<schTecnico>()},
        {"schInstallatore", finestra<schInstallatore>()},
        {"schProdotto", finestra<schProdotto>()},
        {"schMateriale", finestra<schMateriale>()},
        {"schCAT", finestra<schCAT>()},
        {"schDettagliRiga", finestra<schDettagliRiga>()},
        {"schNote", finestra<schNote>()},
        {"frmStampaClienti", finestra<frmStampaClienti>()},
        {"frmStampaPlanner", finestra<frmStampaPlanner>()},
        {"frmRichiesta", finestra<frmRichiesta>()},
        {"schMan", finestra<schMan>()},
        {"schAutenticazione", finestra<schAutenticazione>()},
        {"frmCambioPassword", finestra<frmCambioPassword>()},
        {"schFerie", finestra<schFerie>()},
        {"schFestivita", finestra<schFestivita>()},
        {"schOperatori", finestra<schOperatori>()},
        {"schTecZona", finestra<schTecZona>(), {u"lstZone"_s}},
        {"schExPrimeAccensioni", finestra<schExPrimeAccensioni>(), {u"lstElencoMarche"_s}},
        {"schExDededod", finestra<schExDededod>()},
        {"schPrimaAccensione", finestra<schPrimaAccensione>()},
        {"schProdottoCliente", finestra<schProdottoCliente>()},
        {"schCliente",
         [] {
             schCliente& s = istanza<schCliente>();
             s.carica();
             s.nModalità = 1;
             s.ripristinaCliente(1);
             return s.forma();
         },
         {u"grigliaProdotti"_s}},
        {"schRicCliente",
         [] {
             schRicCliente& s = istanza<schRicCliente>();
             s.carica();
             s.Ricerca();
             return s.forma();
         },
         griglia},
        {"frmPlanning", [] { return planningClienteUno().forma(); }, griglia},
        {"frmChiamata", [] { return chiamataUno().forma(); }, {u"grigliaProdotti"_s}},
        {"schRientroTecnico", rientroChiamataUno,
         {u"grigliaDifetti"_s, u"grigliaTipologia"_s, u"grigliaMateriale"_s, u"grigliaManutenzioni"_s}},
    };
    return f;
}

// How the list opens the window of that class.
Apri apriFinestra(const char* nome)
{
    for (const Voce& v : elencoFinestre())
        if (qstrcmp(v.nome, nome) == 0)
            return v.apri;
    return Apri();
}

QWidget* mostra(const Apri& apri)
{
    QWidget* f = apri();
    f->show();
    if (!QTest::qWaitForWindowActive(f))
        return nullptr;
    return f;
}

// A control an operator works with or reads (a value shown in a label); anything else holding
// the focus is an invisible stop.
bool operabile(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w)
           || qobject_cast<const QTabBar*>(w) || qobject_cast<const QLabel*>(w);
}

QString descrivi(const QWidget* w)
{
    if (!w)
        return u"nothing"_s;
    QString d = QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        d += u" \""_s + b->text() + u'"';
    return d;
}

// The stops Tab (or Shift+Tab) goes through from the focused control until it comes back to
// it; empty when it is trapped or never comes back.
QList<QWidget*> giro(int tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier)
{
    QList<QWidget*> fermate{QApplication::focusWidget()};

    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto), modificatori);
        QWidget* w = QApplication::focusWidget();
        // Tab goes through the sections of a date before it leaves it; any other control it leaves.
        if (w == fermate.last() && qobject_cast<QAbstractSpinBox*>(w))
            continue;
        if (w == fermate.first() && fermate.size() > 1)
            return fermate;
        if (!w || fermate.contains(w)) {
            QStringList d;
            for (QWidget* x : fermate) d << descrivi(x);
            qWarning("trapped after %s -> %s", qPrintable(d.join(", ")), qPrintable(descrivi(w)));
            return {};
        }
        fermate << w;
    }
    return {};
}

QString nomeAccessibile(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

// The names of the stops Tab goes through, from the focused control round the window.
QStringList nomiGiro()
{
    QStringList n;
    for (QWidget* w : giro(Qt::Key_Tab))
        n << w->objectName();
    return n;
}

QList<QAbstractItemView*> griglie(QWidget* f)
{
    QList<QAbstractItemView*> g;
    for (QAbstractItemView* v : f->findChildren<QAbstractItemView*>())
        if (v->window() == f && v->isVisible() && !qobject_cast<QHeaderView*>(v))
            g << v;
    return g;
}
} // namespace

// The windows work by keyboard alone and name their controls for a screen reader.
class TestTastiera : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        riempi();
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        db.reset();
    }

    void finestre_data()
    {
        QTest::addColumn<Apri>("apri");
        QTest::addColumn<QStringList>("conRighe");
        for (const Voce& v : elencoFinestre())
            QTest::newRow(v.nome) << v.apri << v.conRighe;
    }

    // Tab goes round every control and comes back, also through grids that have rows; Shift+Tab
    // goes the same way back; in a window without tabs Ctrl+Tab and Ctrl+Shift+Tab leave a grid
    // as Tab and Shift+Tab do.
    // No stop is a control the operator cannot see or use.
    void finestre()
    {
        QFETCH(Apri, apri);
        QFETCH(QStringList, conRighe);
        QWidget* f = mostra(apri);
        QVERIFY(f);
        for (const QString& nome : conRighe)
            QVERIFY2(f->findChild<QAbstractItemView*>(nome)->model()->rowCount() > 1, qPrintable(nome));
        const QList<QWidget*> avanti = giro(Qt::Key_Tab);
        QVERIFY(!avanti.isEmpty());
        for (QWidget* w : avanti)
            QVERIFY2(operabile(w), qPrintable(u"invisible stop: "_s + descrivi(w)));
        QList<QWidget*> indietro = giro(Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(!indietro.isEmpty());
        std::reverse(indietro.begin() + 1, indietro.end());
        QCOMPARE(indietro, avanti);

        for (QAbstractItemView* v : griglie(f)) {
            const qsizetype i = avanti.indexOf(v);
            QVERIFY2(i >= 0, qPrintable(u"out of the tab order: "_s + descrivi(v)));
            // In a window with tabs Ctrl+Tab turns the page (below).
            if (f->findChild<QTabWidget*>())
                continue;
            for (auto [modificatori, dopo] :
                 {std::pair{Qt::KeyboardModifiers(Qt::ControlModifier), avanti[(i + 1) % avanti.size()]},
                  std::pair{Qt::ControlModifier | Qt::ShiftModifier, avanti[(i + avanti.size() - 1) % avanti.size()]}}) {
                v->setFocus();
                QTest::keyClick(v, Qt::Key_Tab, modificatori);
                QCOMPARE(descrivi(QApplication::focusWidget()), descrivi(dopo));
            }
        }
    }

    // Controls follow their visual order: the sort options (one stop; the arrows move among
    // them) before the grid, "Aggiungi" beside its list, each input row of the return report
    // before its own grid.
    void ordineVisivo_data()
    {
        QTest::addColumn<Apri>("apri");
        QTest::addColumn<QStringList>("ordine");
        const auto apri = apriFinestra;
        QTest::newRow("Marca-Modello") << apri("frmProdotti")
                                       << QStringList{"txtNome", "cmdReset", "optOrdinaPerTipo", "griglia"};
        QTest::newRow("Materiali") << apri("frmMateriali")
                                   << QStringList{"txtNome", "cmdReset", "optOrdinaPerGruppo", "griglia"};
        QTest::newRow("Zone-Tecnici") << apri("frmZoneTecnici")
                                      << QStringList{"txtNome", "cmdReset", "optOrdinaPerTecnico", "griglia"};
        QTest::newRow("Scheda Tecnico per zona")
            << apri("schTecZona")
            << QStringList{"cmbTecnico", "cmdResetTecnico", "cmbZona", "cmdResetZone", "cmdAggiungi", "lstZone",
                           "cmdRimuovi", "cmdChiudi"};
        QTest::newRow("return report, the product row first")
            << apri("schRientroTecnico") << QStringList{"cmbProdotti", "cmdCliente", "cmbDifetti"};
        QTest::newRow("return report, the right column after the left one")
            << apri("schRientroTecnico") << QStringList{"cmdRimuoviMateriale", "cmbTipoAbbonamento", "txtCosto"};
        // The analysis date's tick has no name of its own.
        QTest::newRow("return report, the update after the fields above it")
            << apri("schRientroTecnico")
            << QStringList{"cmbMese", "txtAnno", "", "cmdAggiorna", "grigliaManutenzioni", "cmdAggiungiMan",
                           "cmdRimuoviMan", "txtNote", "cmdChiudi"};
        QTest::newRow("return report") << apri("schRientroTecnico")
                                       << QStringList{"cmbDifetti", "cmdNuovoDifetto", "txtNoteDifetto",
                                                      "grigliaDifetti", "cmdAggiungiDifetto", "cmdRimuoviDifetto",
                                                      "cmdAggiornaNotaDifetto", "cmbTipoAttivita", "cmdNuovoIntervento",
                                                      "txtNoteAttivita", "grigliaTipologia", "cmdAggiungiAttivita",
                                                      "cmdRimuoviAttivita", "cmdAggiornaNotaAttivita", "cmbArea",
                                                      "cmdNuovaArea", "cmbMateriale", "cmdNuovoMateriale",
                                                      "grigliaMateriale", "cmdAggiungiMateriale", "cmdRimuoviMateriale"};
    }
    void ordineVisivo()
    {
        QFETCH(Apri, apri);
        QFETCH(QStringList, ordine);
        QWidget* f = mostra(apri);
        QVERIFY(f);
        // Round the window twice: the list may start anywhere in it.
        const QStringList una = nomiGiro();
        const QStringList giro = una + una;
        const qsizetype i = giro.indexOf(ordine.first());
        QVERIFY(i >= 0);
        QCOMPARE(giro.mid(i, ordine.size()), ordine);
    }

    // Ctrl+Tab and Ctrl+Shift+Tab turn the page of a window with tabs from wherever the focus is:
    // a grid, a combo, a box, a button outside the tabs; round from the last page to the first.
    void ctrlTabGiraPagina_data()
    {
        QTest::addColumn<Apri>("apri");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("controllo");
        const Apri ricerca = apriFinestra("schRicCliente");
        QTest::newRow("search, text box") << ricerca << 0 << u"txtCognome"_s;
        QTest::newRow("search, combo") << ricerca << 0 << u"cmbZona"_s;
        QTest::newRow("search, combo of Prodotti") << ricerca << 1 << u"cmbInstallatore"_s;
        QTest::newRow("search, result grid") << ricerca << 2 << u"griglia"_s;
        QTest::newRow("search, calls grid") << ricerca << 2 << u"grigliaStoricoChiamate"_s;
        QTest::newRow("search, button outside the tabs") << ricerca << 1 << u"cmdRicerca"_s;
        QTest::newRow("import, grid") << finestra<frmImportaAccensioniCAT>() << 0 << u"griglia"_s;
    }
    void ctrlTabGiraPagina()
    {
        QFETCH(Apri, apri);
        QFETCH(int, pagina);
        QFETCH(QString, controllo);
        QWidget* f = mostra(apri);
        QVERIFY(f);
        auto* schede = f->findChild<QTabWidget*>();
        const int pagine = schede->count();
        for (auto [modificatori, passo] : {std::pair{Qt::KeyboardModifiers(Qt::ControlModifier), 1},
                                          std::pair{Qt::ControlModifier | Qt::ShiftModifier, pagine - 1}}) {
            schede->setCurrentIndex(pagina);
            QWidget* w = f->findChild<QWidget*>(controllo);
            w->setFocus();
            QCOMPARE(QApplication::focusWidget(), w);
            QTest::keyClick(w, Qt::Key_Tab, modificatori);
            QCOMPARE(schede->currentIndex(), (pagina + passo) % pagine);
        }
    }

    // The appliance card opens on "Tipologia"; the button above it comes before it. Tab from a
    // date's tick goes to its date when the tick is set, past it when not.
    void schedaProdotto_data()
    {
        QTest::addColumn<bool>("spunta");
        QTest::newRow("ticked") << true;
        QTest::newRow("not ticked") << false;
    }
    void schedaProdotto()
    {
        QFETCH(bool, spunta);
        QWidget* f = mostra(finestra<schProdottoCliente>());
        QVERIFY(f);
        const auto controllo = [f](const char* nome) { return f->findChild<QWidget*>(QString::fromLatin1(nome)); };
        QCOMPARE(QApplication::focusWidget(), controllo("cmbTipoProdotto"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), controllo("cmdDatiAccensione"));

        auto* data = f->findChild<DataOpzionale*>(u"dtpDataLibretto"_s);
        controllo("txtNumLibretto")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* tick = data->findChild<QCheckBox*>();
        QCOMPARE(QApplication::focusWidget(), tick);
        if (spunta)
            QTest::keyClick(tick, Qt::Key_Space);
        QTest::keyClick(tick, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), spunta ? static_cast<QWidget*>(data->campoData()) : controllo("chkFumi"));
    }

    // Enter presses the focused button of the main window's bar, as Space does.
    void invioSullaBarra_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<Qt::KeyboardModifiers>("modificatori");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    }
    void invioSullaBarra()
    {
        QFETCH(int, tasto);
        QFETCH(Qt::KeyboardModifiers, modificatori);
        MDIprincipale& m = istanza<MDIprincipale>();
        m.mostra();
        QWidget* f = m.forma();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QToolButton* nascondi = m.controlli().cmdNascondi;
        nascondi->setFocus();
        QTest::keyClick(nascondi, Qt::Key(tasto), modificatori);
        QVERIFY(f->isMinimized());
    }

    // A screen reader finds every control, grid and list named, and each date and its tick named
    // by the date's label.
    void nomi_data() { finestre_data(); }
    void nomi()
    {
        QFETCH(Apri, apri);
        QWidget* f = mostra(apri);
        QVERIFY(f);
        QList<QWidget*> controlli = giro(Qt::Key_Tab);
        for (QAbstractItemView* v : griglie(f))
            controlli << v;
        for (QWidget* w : controlli)
            QVERIFY2(!nomeAccessibile(w).isEmpty(), qPrintable(u"no name: "_s + descrivi(w)));
        for (DataOpzionale* d : f->findChildren<DataOpzionale*>()) {
            QString etichetta;
            for (QLabel* l : f->findChildren<QLabel*>())
                if (l->buddy() == d)
                    etichetta = l->text().remove(u'&');
            QVERIFY2(!etichetta.isEmpty(), qPrintable(u"no label: "_s + descrivi(d)));
            QCOMPARE(nomeAccessibile(d->campoData()), etichetta);
            if (auto* tick = d->findChild<QCheckBox*>())
                QCOMPARE(nomeAccessibile(tick), etichetta);
        }
    }

    // Each "SI" and "NO" of the first-ignition card is read with its statement.
    void risposteConLaDomanda()
    {
        QWidget* f = mostra(finestra<schPrimaAccensione>());
        QVERIFY(f);
        QCOMPARE(nomeAccessibile(f->findChild<QRadioButton*>(u"optSiTensione"_s)),
                 u"La tensione sia di 220 + 10 Volt 50 Hz: SI"_s);
        QCOMPARE(nomeAccessibile(f->findChild<QRadioButton*>(u"optNoTensione"_s)),
                 u"La tensione sia di 220 + 10 Volt 50 Hz: NO"_s);
        QStringList nomi;
        for (QRadioButton* r : f->findChildren<QRadioButton*>())
            nomi << nomeAccessibile(r);
        QCOMPARE(nomi.size(), 10);
        QCOMPARE(QSet<QString>(nomi.begin(), nomi.end()).size(), 10);
    }
};

CORVEXT_TEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
