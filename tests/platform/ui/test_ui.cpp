#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/campo_ora.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/finestra.h"
#include "platform/ui/limite_caratteri.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
struct ControlliProva {
    QLineEdit* txtNome;
    QPushButton* cmdAnnulla;
};

// A card with one member, one box and a cancel button; counts its load handler.
class schProva : public FinestraCon<ControlliProva> {
public:
    QString cNome;
    int caricamenti = 0;
    QList<int> tasti;
    ControlliProva& controlli() { return ui(); }

protected:
    QWidget* costruisci() override
    {
        auto* f = new FormaDialogo("Prova");
        auto& c = nuoviControlli();
        c.txtNome = new QLineEdit(f);
        c.cmdAnnulla = new QPushButton("Annulla", f);
        f->impostaAnnulla(c.cmdAnnulla);
        QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { chiudi(); });
        filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) {
            tasti << k;
            return true;
        });
        return f;
    }
    void alCaricamento() override
    {
        ++caricamenti;
        if (interna)
            interna->carica();
        if (guasta)
            segnalaCaricamentoFallito();
    }

public:
    bool guasta = false;
    Finestra* interna = nullptr; // loaded by this one's load handler
};

class schAltraProva : public schProva {};
} // namespace

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { rilasciaTutteLeFinestre(); }

    void istanze()
    {
        schProva& p = istanza<schProva>();
        QVERIFY(!p.caricata()); // a member alone does not load
        p.cNome = "ROSSI";
        QVERIFY(!p.caricata());
        p.controlli().txtNome->setText("x"); // touching a control loads
        QVERIFY(p.caricata());
        QCOMPARE(p.caricamenti, 1);
        p.controlli().cmdAnnulla->click(); // unload: controls go, members stay
        QVERIFY(!p.caricata());
        QCOMPARE(istanza<schProva>().cNome, QString("ROSSI"));
        QVERIFY(p.controlli().txtNome->text().isEmpty()); // loaded again, fresh controls
        QCOMPARE(p.caricamenti, 2);
        rilascia<schProva>();
        QVERIFY(!esisteIstanza<schProva>());
        QVERIFY(istanza<schProva>().cNome.isEmpty());
    }

    void mostraModaleEChiusura()
    {
        schProva& p = istanza<schProva>();
        bool visto = false;
        seamModale::accoda([&](QWidget* f) {
            visto = f->isVisible() && f->windowTitle() == "Prova";
            QTest::keyClick(p.controlli().txtNome, Qt::Key_Escape); // Esc presses the cancel button
        });
        p.mostraModale();
        QVERIFY(visto);
        QVERIFY(!p.caricata());
        p.mostraModale(); // no action: closed with its close box
        QVERIFY(!p.caricata());
        QCOMPARE(seamModale::mostrate().size(), 2);
        seamModale::azzera();
    }

    // A load that reported a failure does not show its window; only that window is affected.
    void caricamentoFallito_data()
    {
        QTest::addColumn<bool>("esternaGuasta");
        QTest::addColumn<bool>("internaGuasta");
        QTest::addColumn<QStringList>("mostrate");
        QTest::newRow("both whole") << false << false << QStringList{"Prova", "Prova"};
        QTest::newRow("outer failed") << true << false << QStringList{"Prova"};
        QTest::newRow("inner failed") << false << true << QStringList{"Prova"};
        QTest::newRow("both failed") << true << true << QStringList{};
    }
    void caricamentoFallito()
    {
        QFETCH(bool, esternaGuasta);
        QFETCH(bool, internaGuasta);
        QFETCH(QStringList, mostrate);
        schProva& esterna = istanza<schProva>();
        schAltraProva& interna = istanza<schAltraProva>();
        esterna.guasta = esternaGuasta;
        esterna.interna = &interna;
        interna.guasta = internaGuasta;
        esterna.carica();
        QCOMPARE(esterna.caricamentoRiuscito(), !esternaGuasta);
        QCOMPARE(interna.caricamentoRiuscito(), !internaGuasta);
        esterna.mostraModale();
        interna.mostraModale();
        QCOMPARE(seamModale::mostrate(), mostrate);
        QVERIFY(!esterna.caricata() && !interna.caricata());
        // The next load that goes through shows the window.
        esterna.guasta = false;
        esterna.interna = nullptr;
        esterna.mostraModale();
        QCOMPARE(seamModale::mostrate().size(), mostrate.size() + 1);
        seamModale::azzera();
    }

    void rilascioSoloDopoPressione()
    {
        schProva& p = istanza<schProva>();
        p.forma()->show();
        QLineEdit* e = p.controlli().txtNome;
        QTest::keyRelease(e, Qt::Key_F10); // the press went to another window
        QVERIFY(p.tasti.isEmpty());
        QTest::keyClick(e, Qt::Key_F10);
        QCOMPARE(p.tasti, QList<int>{Qt::Key_F10});
    }

    void comboDati()
    {
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE z (id INTEGER, nome TEXT)");
        connessione.esegui("INSERT INTO z VALUES (7, 'NORD'), (9, 'SUD')");
        ComboDati c;
        c.riempi(connessione.apriStatico("SELECT * FROM z ORDER BY nome"), "nome", "id");
        QCOMPARE(c.count(), 2);
        QVERIFY(c.valoreLegato().isNull());
        c.impostaValoreLegato(9);
        QCOMPARE(c.currentText(), QString("SUD"));
        QCOMPARE(c.valoreLegato().toInt(), 9);
        QTest::keyClick(&c, Qt::Key_Delete);
        QVERIFY(c.valoreLegato().isNull());
        c.impostaValoreLegato(42);
        QVERIFY(c.valoreLegato().isNull());
        c.impostaValoreLegato(0);
        QVERIFY(c.valoreLegato().isNull());
        c.impostaValoreLegato(QString("7"));
        QCOMPARE(c.currentText(), QString("NORD"));
    }

    // A list of thousands opens as the plain list under its box, as wide as its longest entry.
    void comboLunga()
    {
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE z (id INTEGER, nome TEXT)");
        connessione.esegui("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 1500) "
                           "INSERT INTO z SELECT x, 'CLIENTE ' || x FROM n");
        const QString lungo = "UN CLIENTE DAL NOME MOLTO PIU LUNGO DI OGNI ALTRO NELLA LISTA";
        connessione.esegui("UPDATE z SET nome = ? WHERE id = 1200", {lungo});
        QWidget finestra;
        auto* c = new ComboDati(&finestra);
        finestra.resize(300, 100);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        c->riempi(connessione.apriStatico("SELECT * FROM z ORDER BY id"), "nome", "id");
        c->impostaValoreLegato(QString("750"));
        QCOMPARE(c->currentText(), QString("CLIENTE 750"));
        c->showPopup();
        const QWidget* elenco = c->view()->window();
        QVERIFY(elenco->isVisible());
        QVERIFY(elenco->geometry().top() >= c->mapToGlobal(QPoint(0, c->height())).y() - 1);
        QVERIFY(elenco->height() < 20 * c->view()->sizeHintForRow(0));
        QVERIFY(c->view()->viewport()->width() >= c->view()->fontMetrics().horizontalAdvance(lungo));
        c->hidePopup();
    }

    // A snapshot still being read: the grid shows its first screen, reads on by itself to the
    // end and says so; what needs the whole reads the rest at once.
    void grigliaInLettura()
    {
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE r (id INTEGER PRIMARY KEY, nome TEXT)");
        connessione.esegui("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 5000) "
                           "INSERT INTO r SELECT x, 'RIGA ' || x FROM n");
        for (const bool aspetta : {true, false}) {
            Griglia g;
            QSignalSpy finita(&g, &Griglia::letturaFinita);
            g.imposta(connessione.apriInLettura({"SELECT * FROM r ORDER BY id"}));
            QVERIFY(g.inLettura());
            QVERIFY(g.model()->rowCount() >= 100 && g.model()->rowCount() < 5000);
            QVERIFY(g.haRigaCorrente());
            if (aspetta)
                QTRY_COMPARE(finita.size(), 1);
            else
                g.completaLettura();
            QCOMPARE(finita.size(), 1);
            QVERIFY(!g.inLettura());
            QCOMPARE(g.model()->rowCount(), 5000);
            QCOMPARE(g.model()->index(4999, 1).data().toString(), QString("RIGA 5000"));
            // The row headings as wide as Qt's own header measures them.
            QHeaderView qt(Qt::Vertical);
            qt.setModel(g.model());
            QCOMPARE(g.verticalHeader()->sizeHint().width(), qt.sizeHint().width());
        }
    }

    // A grid's columns are as wide as their headings and their contents; a long text takes what
    // the others leave, so the columns after it stay in sight.
    void colonneGriglia()
    {
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE d (a TEXT, b TEXT, c TEXT, e TEXT)");
        connessione.esegui("INSERT INTO d VALUES ('X', 'MARCA COME ALTRE NELLA LISTA', "
                           "'UN TESTO MOLTO LUNGO CHE DA SOLO RIEMPIREBBE PIU DI MEZZA GRIGLIA E ANCORA ALTRO', 'S')");
        // Filled before its window is shown, as a window fills its grids while it loads.
        QWidget finestra;
        auto* g = new Griglia;
        (new QVBoxLayout(&finestra))->addWidget(g);
        finestra.resize(600, 300);
        g->imposta(connessione.apriStatico("SELECT * FROM d"), {{"a", "Matricola ripetuta"},
                                                                {"b", "Marca già presente"},
                                                                {"c", "Note"},
                                                                {"e", "Ufficiale S/N"}});
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        const QFontMetrics fm = g->fontMetrics();
        QVERIFY(g->columnWidth(0) > fm.horizontalAdvance("Matricola ripetuta"));
        QVERIFY(g->columnWidth(1) > fm.horizontalAdvance("MARCA COME ALTRE NELLA LISTA"));
        QVERIFY(g->columnWidth(2) <= g->viewport()->width() / 2);
        QVERIFY(g->columnWidth(3) > fm.horizontalAdvance("Ufficiale S/N"));
    }

    // A stored key the combo does not list is shown and written back, never lost.
    void comboConservaChiaviMancanti_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariant>("chiave");
        QTest::addColumn<QString>("testo");
        QTest::newRow("deleted row") << "SELECT nome, eliminato FROM z WHERE id = ?" << QVariant(5) << "EST (eliminato)";
        QTest::newRow("row of another kind") << "SELECT nome, eliminato FROM z WHERE id = ?" << QVariant(6) << "OVEST";
        QTest::newRow("no such row") << "SELECT nome, eliminato FROM z WHERE id = ?" << QVariant(42) << "42";
        QTest::newRow("no description") << "" << QVariant(5) << "5";
        QTest::newRow("zero is no choice") << "" << QVariant(0) << "";
    }
    void comboConservaChiaviMancanti()
    {
        QFETCH(QString, sql);
        QFETCH(QVariant, chiave);
        QFETCH(QString, testo);
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE z (id INTEGER, nome TEXT, eliminato INTEGER)");
        connessione.esegui("INSERT INTO z VALUES (7, 'NORD', 0), (5, 'EST', 1), (6, 'OVEST', 0)");
        ComboDati c;
        c.conservaChiaviMancanti(sql);
        c.riempi(connessione.apriStatico("SELECT * FROM z WHERE id = 7"), "nome", "id");
        c.impostaValoreLegato(chiave);
        QCOMPARE(c.currentText(), testo);
        QCOMPARE(c.valoreLegato().isNull(), testo.isEmpty());
        if (!testo.isEmpty())
            QCOMPARE(c.valoreLegato(), chiave);
        // A refill lists the rows again, without the extra entry.
        c.riempi(connessione.apriStatico("SELECT * FROM z WHERE id = 7"), "nome", "id");
        QCOMPARE(c.count(), 1);
    }

    // Typing and pasting stop at the limit; a longer stored text is shown and kept whole.
    void limiteCaratteri_data()
    {
        QTest::addColumn<QString>("iniziale");
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("incollato");
        QTest::addColumn<QString>("risultato");
        QTest::newRow("typing") << "" << "ABCDEFG" << "" << "ABCDE";
        QTest::newRow("pasting") << "AB" << "" << "123456" << "AB123";
        QTest::newRow("stored longer text") << "ABCDEFGH" << "" << "" << "ABCDEFGH";
        QTest::newRow("typing after a stored longer text") << "ABCDEFGH" << "XY" << "" << "ABCDEFGH";
        QTest::newRow("emoji counts as typed") << "" << "" << "AB🔥CD" << "AB🔥C";
        QTest::newRow("emoji never cut in half") << "" << "" << "ABCD🔥" << "ABCD";
    }
    void limiteCaratteri()
    {
        QFETCH(QString, iniziale);
        QFETCH(QString, digitato);
        QFETCH(QString, incollato);
        QFETCH(QString, risultato);
        QLineEdit e;
        limitaCaratteri(&e, 5);
        e.setText(iniziale);
        e.end(false);
        QTest::keyClicks(&e, digitato);
        if (!incollato.isEmpty()) {
            QApplication::clipboard()->setText(incollato);
            e.paste();
        }
        QCOMPARE(e.text(), risultato);
        QCOMPARE(e.maxLength(), 32767);
    }

    void dataOpzionale()
    {
        DataOpzionale d;
        QVERIFY(d.valore().isNull());
        d.impostaValore(QDate(2026, 2, 3));
        QCOMPARE(d.valore().toDate(), QDate(2026, 2, 3));
        d.impostaSpunta(false);
        QVERIFY(d.valore().isNull());
        DataOpzionale senza(false);
        QVERIFY(!senza.valore().isNull());
    }

    // A refused date or time names its field by its label; where the window repeats the label,
    // by its group's caption or its frame's title as well, in both messages.
    void rifiutoConGruppo_data()
    {
        QTest::addColumn<int>("campo"); // of the window below, in the order made
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("rifiuto");
        QTest::newRow("a frame's") << 0 << u"31/02/2026"_s
                                   << u"La data \"31/02/2026\" nel campo \"Andata - Dal\" non esiste"_s;
        QTest::newRow("the other frame's") << 2 << u"31/02/20"_s
                                           << u"La data \"31/02/20\" nel campo \"Ritorno - Dal\" è incompleta: "
                                              "scriverla come gg/mm/aaaa"_s;
        QTest::newRow("optional, in a frame") << 3 << u"32/01/2026"_s
                                              << u"La data \"32/01/2026\" nel campo \"Ritorno - Al\" non esiste"_s;
        QTest::newRow("a group within a frame") << 4 << u"25:00"_s
                                                << u"L'ora \"25:00\" nel campo \"Orario - Dal\" non esiste"_s;
        QTest::newRow("a label of its own, in a frame") << 5 << u"1/1"_s
                                                        << u"La data \"1/1\" nel campo \"Data\" è incompleta: "
                                                           "scriverla come gg/mm/aaaa"_s;
    }
    void rifiutoConGruppo()
    {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(QString, rifiuto);
        QWidget finestra;
        auto* l = new QVBoxLayout(&finestra);
        QList<CampoDigitato*> campi;
        QList<QGridLayout*> griglie;
        for (const QString& titolo : {u"Andata"_s, u"Ritorno"_s}) {
            auto* riquadro = new QGroupBox(titolo, &finestra);
            l->addWidget(riquadro);
            griglie << new QGridLayout(riquadro);
            auto* da = new CampoData(riquadro);
            auto* a = new DataOpzionale(false, riquadro);
            conEtichetta(griglie.last(), 0, 0, u"&Dal:"_s, da);
            conEtichetta(griglie.last(), 0, 2, u"Al"_s, a);
            campi << da << a->campoData();
        }
        auto* ora = new CampoOra(&finestra);
        impostaGruppo(u"Orario"_s, {ora});
        conEtichetta(griglie.last(), 1, 0, u"Dal"_s, ora);
        auto* data = new CampoData(&finestra);
        conEtichetta(griglie.last(), 1, 2, u"Data"_s, data);
        campi << ora << data;
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        seamMessaggi::azzera();
        campi[campo]->setText(testo);
        QCOMPARE(campi[campo]->rifiuto(), rifiuto);
        QVERIFY(!campiDigitatiValidi(&finestra));
        QCOMPARE(seamMessaggi::testi(), QStringList{rifiuto});
        seamMessaggi::azzera();
    }

    // The window's confirmation ends the typing: a day and month typed short becomes the value
    // even where the focus stays in the field (a function key).
    void confermaConcludeLaDigitazione()
    {
        QWidget finestra;
        auto* l = new QVBoxLayout(&finestra);
        auto* d = new CampoData(&finestra);
        d->soloGiornoMese();
        d->setDate(QDate(2027, 5, 20));
        l->addWidget(d);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
        d->setFocus();
        QTest::keyClicks(d, u"1/5"_s);
        QCOMPARE(d->date(), QDate(2027, 5, 20));
        QVERIFY(campiDigitatiValidi(&finestra));
        QCOMPARE(d->date(), QDate(2027, 5, 1));
        QCOMPARE(d->text(), u"01/05"_s);
        QCOMPARE(QApplication::focusWidget(), d);
    }

    // The calendar's button is read as "Calendario"; Tab passes it by (Alt+Down opens it).
    void pulsanteCalendario()
    {
        QWidget finestra;
        auto* l = new QVBoxLayout(&finestra);
        auto* d = new CampoData(&finestra);
        auto* dopo = new QLineEdit(&finestra);
        l->addWidget(d);
        l->addWidget(dopo);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
        const QList<QAbstractButton*> pulsanti = d->findChildren<QAbstractButton*>();
        QCOMPARE(pulsanti.size(), 1);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(pulsanti.first());
        QCOMPARE(i->role(), QAccessible::Button);
        QCOMPARE(i->text(QAccessible::Name), u"Calendario"_s);
        d->setFocus();
        QTest::keyClick(d, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dopo);
    }

    // The calendar of a date field (Alt+Down) sets the day picked, once.
    void calendario()
    {
        CampoData d;
        d.setDate(QDate(2026, 4, 16));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QSignalSpy cambi(&d, &CampoData::dateChanged);
        QTest::keyClick(&d, Qt::Key_Down, Qt::AltModifier);
        auto* c = d.findChild<QCalendarWidget*>();
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->selectedDate(), QDate(2026, 4, 16));
        c->setSelectedDate(QDate(2026, 4, 30));
        emit c->activated(c->selectedDate());
        QCOMPARE(d.date(), QDate(2026, 4, 30));
        QCOMPARE(d.text(), QStringLiteral("30/04/2026"));
        QCOMPARE(cambi.count(), 1);
    }
};

CORVEXT_TEST_MAIN(TestUi)
#include "test_ui.moc"
