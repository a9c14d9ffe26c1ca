#include "altra_postazione.h"
#include "ambiente_test.h"
#include "customers/scheda_cliente.h"
#include "customers/stampa_clienti.h"
#include "platform/db/connessione.h"
#include "platform/report/dati_report.h"
#include "fixture_report.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "calls/frm_planning.h"
#include "search/scheda_ricerca.h"
#include "prova_ricerca.h"
#include "supporto_finestre.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {
// Customer 5 ROSSI with appliances 1 and 2; appliance 1 in calls 100 (older) and 101, its
// row of call 101 with an activity of a known type (materials in groups B and A) and one of
// a missing type; appliance 2 has two maintenances. Customer 6 BIANCHI has one appliance.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'B', 'BAXI')",
             "INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto, tipo_nome) VALUES (1, 'C', 'CALDAIA')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'X', 1, 1), (2, 'Y', 1, 1)",
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'T1', 'NERI')",
             "INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man) VALUES (1, 'ORD')",
             "INSERT INTO tipologia_attivita (idTipoAttività, at_codice, at_nome) VALUES (1, 'PUL', 'PULIZIA')",
             "INSERT INTO area_int (idGruppo, gruppo_nome) VALUES (1, 'B GUARNIZIONI'), (2, 'A FILTRI')",
             "INSERT INTO materiali (idMat, mat_nome, mat_descrizione, cod_gruppo) VALUES (1, 'G1', 'GUARNIZIONE', 1), "
             "(2, 'F1', 'FILTRO', 2)",
             "INSERT INTO clienti (idCli, cognome, nome, citta, tel_casa) VALUES (5, 'ROSSI', 'MARIO', 'ZOLA', '2'), "
             "(6, 'BIANCHI', 'ANNA', 'ARCO', '1')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, codice_interno) VALUES "
             "(1, 5, 1, 'A1'), (2, 5, 2, 'B2'), (3, 6, 1, 'C3')",
             "INSERT INTO chiamate (idChiamata, cod_cliente, ch_data) VALUES (100, 5, '2024-01-10'), (101, 5, '2024-05-10')",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, cod_stato_int) VALUES (100, 1, 'ESEGUITO'), "
             "(101, 1, 'DA SVOLGERE')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (10, 100, 1), "
             "(11, 101, 1)",
             "INSERT INTO attività_svolte (idAttivita, cod_prodotto, cod_operazione) VALUES (20, 11, 1), (21, 11, 9)",
             "INSERT INTO matAtt (codAtt, codMat) VALUES (20, 1), (20, 2)",
             "INSERT INTO riscontro_su_prodotto (at_pr_codice) VALUES (10), (11)",
             "INSERT INTO richieste (ricCodChiamata) VALUES (10), (11)",
             "INSERT INTO manutenzioni (codProdotto, dataMan, codTipoMan) VALUES (2, '2023-01-01', 1), "
             "(2, '2025-01-01', 1), (3, '2025-01-01', 1)",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

template <class T = QWidget>
T* w(const QString& nome)
{
    T* t = c().forma->findChild<T*>(nome);
    if (!t)
        qFatal("no control %s", qPrintable(nome));
    return t;
}

// The shown texts of a grid's column, top to bottom.
QStringList righe(Griglia* g, int colonna = 0)
{
    QStringList t;
    for (int i = 0; i < g->model()->rowCount(); ++i)
        t << g->model()->index(i, colonna).data().toString();
    return t;
}

void ricerca(const QString& cognome = {})
{
    c().txtCognome->setText(cognome);
    c().cmdRicerca->click();
}

// "Nuovo (F5)" in the window, a surname typed in the card and "Conferma (F10)".
void nuovoCliente(const QString& cognome)
{
    seamModale::accoda([cognome](QWidget*) {
        auto& k = istanza<schCliente>().controlli();
        QTest::keyClicks(k.txtCognome, cognome);
        QTest::keyClick(k.txtCognome, Qt::Key_F10);
    });
    QTest::keyClick(c().griglia, Qt::Key_F5);
}

// "Modifica (F6)" on the selected customer, a new first name and "Conferma (F10)".
void modificaNome(const QString& nome)
{
    seamModale::accoda([nome](QWidget*) {
        auto& k = istanza<schCliente>().controlli();
        k.txtNome->clear();
        QTest::keyClicks(k.txtNome, nome);
        QTest::keyClick(k.txtNome, Qt::Key_F10);
    });
    QTest::keyClick(c().griglia, Qt::Key_F6);
}

void seleziona(Griglia* g, int riga)
{
    g->setCurrentIndex(g->model()->index(riga, 0));
}

// The state of the named controls: "+" enabled, "-" disabled, "v" ticked or set, "o" not.
QString stato(const QStringList& nomi)
{
    QStringList s;
    for (const QString& n : nomi) {
        QWidget* x = w(n);
        QString v;
        if (auto* k = qobject_cast<QCheckBox*>(x))
            v = k->isChecked() ? u"v"_s : u"o"_s;
        else if (auto* o = qobject_cast<QRadioButton*>(x))
            v = o->isChecked() ? u"v"_s : u"o"_s;
        else if (auto* d = qobject_cast<DataOpzionale*>(x))
            v = d->valore().isNull() ? u"o"_s : u"v"_s;
        else if (auto* e = qobject_cast<QLineEdit*>(x))
            v = e->text().isEmpty() ? u"o"_s : u"v"_s;
        else if (auto* m = qobject_cast<QComboBox*>(x))
            v = m->currentIndex() < 0 ? u"o"_s : u"v"_s;
        s << (x->isEnabled() ? u"+"_s : u"-"_s) + v;
    }
    return s.join(u' ');
}

// Ticks, sets or chooses each named control, in order.
void prepara(const QStringList& passi)
{
    for (const QString& n : passi) {
        QWidget* x = w(n);
        if (auto* k = qobject_cast<QCheckBox*>(x))
            k->setChecked(!k->isChecked());
        else if (auto* o = qobject_cast<QRadioButton*>(x))
            o->setChecked(true);
        else if (auto* d = qobject_cast<DataOpzionale*>(x))
            d->impostaValore(QDate(2024, 1, 1));
        else if (auto* e = qobject_cast<QLineEdit*>(x))
            e->setText(u"12"_s);
        else if (auto* m = qobject_cast<QComboBox*>(x))
            m->setCurrentIndex(0);
    }
}
} // namespace

class TestSchedaRicerca : public ProvaRicerca {
    Q_OBJECT

public:
    TestSchedaRicerca() : ProvaRicerca(riempi) {}

private slots:
    // The switching boxes, from the window's opening state: what a sequence of clicks leaves.
    void caselle_data()
    {
        QTest::addColumn<QStringList>("passi");
        QTest::addColumn<QStringList>("controlli");
        QTest::addColumn<QString>("atteso");
        const QStringList collaudo{u"chkNoCollaudo"_s, u"dtpDataCollaudoDa"_s, u"dtpDataCollaudoA"_s};
        QTest::newRow("opening: dependants disabled") << QStringList{} << collaudo << u"-o -o -o"_s;
        QTest::newRow("date ticked") << QStringList{u"chkDataCollaudo"_s} << collaudo << u"+o +o +o"_s;
        QTest::newRow("Nessuno ticked clears the pickers")
            << QStringList{u"chkDataCollaudo"_s, u"dtpDataCollaudoDa"_s, u"chkNoCollaudo"_s} << collaudo
            << u"+v -o -o"_s;
        QTest::newRow("Nessuno unticked again") << QStringList{u"chkDataCollaudo"_s, u"chkNoCollaudo"_s, u"chkNoCollaudo"_s}
                                                << collaudo << u"+o +o +o"_s;
        QTest::newRow("date unticked with Nessuno: pickers end enabled")
            << QStringList{u"chkDataLibretto"_s, u"chkNoLibretto"_s, u"chkDataLibretto"_s}
            << QStringList{u"chkNoLibretto"_s, u"dtpDataLibrettoDa"_s, u"dtpDataLibrettoA"_s} << u"-o +o +o"_s;
        const QStringList man{u"chkNessunaMan"_s, u"chkNotMan"_s, u"dtpManDa"_s, u"dtpManA"_s};
        QTest::newRow("maintenance unticked: NON keeps its tick")
            << QStringList{u"chkManutenzione"_s, u"dtpManDa"_s, u"chkNotMan"_s, u"chkManutenzione"_s} << man
            << u"-o -v -o -o"_s;
        QTest::newRow("maintenance unticked with Nessuno: NON unticked")
            << QStringList{u"chkManutenzione"_s, u"chkNotMan"_s, u"chkNessunaMan"_s, u"chkManutenzione"_s} << man
            << u"-o -o -o -o"_s;
        const QStringList abb{u"chkNoAbb"_s, u"cmbTipoAbbonamento"_s, u"dtpDataScadenzaDa"_s, u"dtpDataStipulazioneA"_s,
                              u"txtCosto"_s, u"txtNumRicevuta"_s};
        QTest::newRow("subscription ticked") << QStringList{u"chkAbbonamento"_s} << abb << u"+o +o +o +o +o +o"_s;
        QTest::newRow("no subscription ticked")
            << QStringList{u"chkAbbonamento"_s, u"txtCosto"_s, u"dtpDataScadenzaDa"_s, u"chkNoAbb"_s} << abb
            << u"+v -o -o -o -o -o"_s;
        QTest::newRow("subscription unticked with Nessun: pickers and type end enabled")
            << QStringList{u"chkAbbonamento"_s, u"chkNoAbb"_s, u"chkAbbonamento"_s} << abb << u"-o +o +o +o -o -o"_s;
        const QStringList prog{u"chkNoManutenzione"_s, u"cmbMeseDa"_s, u"cmbMeseA"_s, u"txtAnnoDa"_s, u"txtAnnoA"_s};
        QTest::newRow("scheduled ticked, month and year set")
            << QStringList{u"chkManutenzioneProgrammata"_s, u"cmbMeseDa"_s, u"txtAnnoA"_s} << prog
            << u"+o +v +o +o +v"_s;
        QTest::newRow("no scheduled maintenance clears months and years")
            << QStringList{u"chkManutenzioneProgrammata"_s, u"cmbMeseDa"_s, u"txtAnnoA"_s, u"chkNoManutenzione"_s}
            << prog << u"+v -o -o -o -o"_s;
        QTest::newRow("scheduled unticked with Nessuna: months and years end enabled")
            << QStringList{u"chkManutenzioneProgrammata"_s, u"chkNoManutenzione"_s, u"chkManutenzioneProgrammata"_s}
            << prog << u"-o +o +o +o +o"_s;
        QTest::newRow("Aria unticked after No selects Si")
            << QStringList{u"chkAria"_s, u"optAriaNo"_s, u"chkAria"_s} << QStringList{u"optAriaSi"_s, u"optAriaNo"_s}
            << u"-v -o"_s;
        QTest::newRow("Dich Conf ticked") << QStringList{u"chkDichConf"_s}
                                          << QStringList{u"optDichConfSI"_s, u"optDichConfNO"_s} << u"+v +o"_s;
    }

    void caselle()
    {
        QFETCH(QStringList, passi);
        QFETCH(QStringList, controlli);
        QFETCH(QString, atteso);
        prepara(passi);
        QCOMPARE(stato(controlli), atteso);
    }

    // After any ticks, the reset gives back the opening state.
    void reset()
    {
        QStringList tutti;
        for (QCheckBox* k : c().forma->findChildren<QCheckBox*>())
            if (!qobject_cast<DataOpzionale*>(k->parentWidget()))
                tutti << k->objectName();
        tutti << u"dtpManDa"_s << u"dtpDataScadenzaA"_s << u"cmbMeseA"_s << u"txtAnnoDa"_s << u"txtCosto"_s
              << u"cmbTipoAbbonamento"_s << u"optFumiSi"_s << u"optFumiNo"_s;
        const QString apertura = stato(tutti);
        prepara({u"chkDataCollaudo"_s, u"chkNoCollaudo"_s, u"chkManutenzione"_s, u"chkNotMan"_s, u"dtpManDa"_s,
                 u"chkAbbonamento"_s, u"chkNoAbb"_s, u"chkManutenzioneProgrammata"_s, u"chkNoManutenzione"_s,
                 u"chkFumi"_s, u"optFumiNo"_s, u"optProprietario"_s});
        c().cmdReset->click();
        QCOMPARE(stato(tutti), apertura);
        QVERIFY(c().optTutti->isChecked());
        QCOMPARE(c().TabStrip->currentIndex(), 0);
        QCOMPARE(c().fraRisultati->title(), u"RISULTATO DELLA RICERCA = 0 records"_s);
    }

    void risultatoECatena()
    {
        ricerca();
        QCOMPARE(c().TabStrip->currentIndex(), 2);
        QCOMPARE(c().fraRisultati->title(), u"RISULTATO DELLA RICERCA = 2 records"_s);
        QCOMPARE(righe(c().griglia), (QStringList{u"BIANCHI"_s, u"ROSSI"_s}));
        seleziona(c().griglia, 1);
        QCOMPARE(righe(c().grigliaProdotti, 6), (QStringList{u"A1"_s, u"B2"_s}));
        // Appliance 1: its calls newest first, no maintenance.
        QCOMPARE(righe(c().grigliaStoricoChiamate), (QStringList{u"10/05/2024"_s, u"10/01/2024"_s}));
        QVERIFY(righe(c().grigliaStoricoManutenzioni).isEmpty());
        // The newest call: the activity whose type is missing is not listed; materials by group.
        QCOMPARE(righe(c().grigliaAttivita, 1), QStringList{u"PULIZIA"_s});
        QCOMPARE(righe(c().grigliaMateriali, 1), (QStringList{u"F1 - FILTRO"_s, u"G1 - GUARNIZIONE"_s}));
        seleziona(c().grigliaProdotti, 1);
        QCOMPARE(righe(c().grigliaStoricoManutenzioni), (QStringList{u"01/01/2025"_s, u"01/01/2023"_s}));
        for (Griglia* g : {c().grigliaStoricoChiamate, c().grigliaAttivita, c().grigliaMateriali})
            QCOMPARE(g->model()->rowCount(), 0);
        // An empty result empties every grid below it.
        ricerca(u"NESSUNO"_s);
        QCOMPARE(unicoMessaggio(), u"Nessun record soddisfa il criterio di ricerca"_s);
        QCOMPARE(c().fraRisultati->title(), u"RISULTATO DELLA RICERCA = 2 records"_s);
        for (Griglia* g : {c().griglia, c().grigliaProdotti, c().grigliaStoricoManutenzioni})
            QCOMPARE(g->model()->rowCount(), 0);
    }

    void ordinamento()
    {
        ricerca();
        c().griglia->horizontalHeader()->sectionClicked(4); // Telefono
        QCOMPARE(righe(c().griglia), (QStringList{u"BIANCHI"_s, u"ROSSI"_s}));
        c().griglia->horizontalHeader()->sectionClicked(3); // Città
        c().griglia->horizontalHeader()->sectionClicked(3);
        QCOMPARE(righe(c().griglia), (QStringList{u"BIANCHI"_s, u"ROSSI"_s}));
        c().griglia->horizontalHeader()->sectionClicked(1); // Nome
        QCOMPARE(righe(c().griglia), (QStringList{u"BIANCHI"_s, u"ROSSI"_s}));
        connessione.esegui(u"UPDATE clienti SET citta = 'AAA' WHERE idCli = 5"_s);
        ricerca();
        c().griglia->horizontalHeader()->sectionClicked(3);
        QCOMPARE(righe(c().griglia), (QStringList{u"ROSSI"_s, u"BIANCHI"_s}));
        QCOMPARE(righe(c().grigliaProdotti, 6), (QStringList{u"A1"_s, u"B2"_s}));
    }

    void annoRifiutato()
    {
        prepara({u"chkManutenzioneProgrammata"_s});
        c().txtAnnoDa->setText(u"2005 or 1=1"_s);
        ricerca();
        QVERIFY(unicoMessaggio().contains(u"numeri interi"_s));
        QCOMPARE(c().TabStrip->currentIndex(), 0);
        QVERIFY(r().csqlRic.isEmpty());
    }

    void nuovo()
    {
        seamModale::accoda([](QWidget*) {
            auto& k = istanza<schCliente>().controlli();
            k.txtCognome->setText(u"VERDI"_s);
            k.cmdConferma->click();
        });
        c().cmdNuovo->click();
        QCOMPARE(righe(c().griglia), QStringList{u"VERDI"_s});
        QCOMPARE(c().fraRisultati->title(), u"Risultato della ricerca = 1 records"_s);
        QCOMPARE(c().TabStrip->currentIndex(), 2);
    }

    // "Nuovo (F5)" with no search run: the planner's and the card's refreshes rerun the new
    // customer's own statement, with no error box.
    void nuovoSenzaRicercaPoiAggiornamenti()
    {
        nuovoCliente(u"zztest"_s);
        QCOMPARE(righe(c().griglia), QStringList{u"ZZTEST"_s});
        seamModale::accoda([](QWidget* f) { QTest::keyClick(f, Qt::Key_Escape); });
        QTest::keyClick(c().griglia, Qt::Key_F2);
        QCOMPARE(seamModale::mostrate().size(), 2);
        QVERIFY2(seamMessaggi::testi().isEmpty(), qPrintable(seamMessaggi::testi().join(u'|')));
        QCOMPARE(righe(c().griglia), QStringList{u"ZZTEST"_s});
        modificaNome(u"PIERO"_s);
        QVERIFY2(seamMessaggi::testi().isEmpty(), qPrintable(seamMessaggi::testi().join(u'|')));
        QCOMPARE(righe(c().griglia), QStringList{u"ZZTEST"_s});
        QCOMPARE(righe(c().griglia, 1), QStringList{u"PIERO"_s});
    }

    // "Nuovo (F5)" after a search: the refresh after the card keeps the new customer, and the
    // next command acts on him, not on the customers of the search before.
    void nuovoDopoRicercaPoiModifica()
    {
        QTest::keyClicks(c().txtCognome, u"bian"_s);
        QTest::keyClick(c().txtCognome, Qt::Key_F10);
        QCOMPARE(righe(c().griglia), QStringList{u"BIANCHI"_s});
        nuovoCliente(u"zztest"_s);
        modificaNome(u"PIERO"_s);
        QVERIFY2(seamMessaggi::testi().isEmpty(), qPrintable(seamMessaggi::testi().join(u'|')));
        QCOMPARE(righe(c().griglia), QStringList{u"ZZTEST"_s});
        QCOMPARE(righe(c().griglia, 1), QStringList{u"PIERO"_s});
        seamMessaggi::rispondi(Risposta::No);
        QTest::keyClick(c().griglia, Qt::Key_F8);
        QVERIFY(unicoMessaggio().startsWith(u"Confermare l'eliminazione del cliente:ZZTEST PIERO"_s));
        QString cliente;
        seamModale::accoda([&](QWidget*) { cliente = istanza<frmPlanning>().cliente; });
        QTest::keyClick(c().griglia, Qt::Key_F2);
        QCOMPARE(cliente, u"ZZTEST - PIERO"_s);
    }

    void modifica()
    {
        ricerca(u"ROSSI"_s);
        seleziona(c().grigliaProdotti, 1);
        seamModale::accoda([](QWidget*) {
            auto& k = istanza<schCliente>().controlli();
            k.txtNome->setText(u"LUIGI"_s);
            k.cmdConferma->click();
        });
        c().cmbModificaCliente->click();
        QCOMPARE(righe(c().griglia, 1), QStringList{u"LUIGI"_s});
        QCOMPARE(righe(c().grigliaStoricoManutenzioni).size(), 2); // the same appliance again
        // Edited out of the criteria: no customer left.
        seamModale::accoda([](QWidget*) {
            auto& k = istanza<schCliente>().controlli();
            k.txtCognome->setText(u"NERI"_s);
            k.cmdConferma->click();
        });
        c().cmbModificaCliente->click();
        QCOMPARE(unicoMessaggio(), u"Nessun Cliente identificato"_s);
        QCOMPARE(c().TabStrip->currentIndex(), 0);
    }

    // F2 books on the planner for the selected customer; F4 opens the selected call, whose
    // deletion asked in the card happens before the result is refreshed.
    void appuntamenti()
    {
        ricerca(u"ROSSI"_s);
        QString cliente, indirizzo;
        seamModale::accoda([&](QWidget*) {
            cliente = istanza<frmPlanning>().cliente;
            indirizzo = istanza<frmPlanning>().indirizzo;
        });
        QTest::keyClick(c().griglia, Qt::Key_F2);
        QCOMPARE(cliente, u"ROSSI - MARIO"_s);
        QCOMPARE(indirizzo, u" - ZOLA - "_s);

        QCOMPARE(righe(c().grigliaStoricoChiamate).size(), 2);
        seleziona(c().grigliaStoricoChiamate, 0);
        const QString chiamata = righe(c().grigliaStoricoChiamate).first();
        QString titolo;
        seamMessaggi::rispondi(Risposta::Si);
        seamModale::accoda([&](QWidget* f) {
            titolo = f->windowTitle();
            premi(f, u"cmdElimina"_s);
        });
        QTest::keyClick(c().grigliaStoricoChiamate, Qt::Key_F4);
        QVERIFY(!titolo.isEmpty());
        QCOMPARE(righe(c().grigliaStoricoChiamate).size(), 1);
        QCOMPARE(conta(u"SELECT count(*) FROM chiamate"_s), 1);
        QCOMPARE(righe(c().griglia), QStringList{u"ROSSI"_s});
    }

    void elimina()
    {
        ricerca(u"ROSSI"_s);
        seamMessaggi::rispondi(Risposta::Si);
        c().cmdEliminaCliente->click();
        QCOMPARE(seamMessaggi::testi(),
                 (QStringList{u"Confermare l'eliminazione del cliente:ROSSI MARIO\r\nTale operazione cancellerà anche "
                              "tutte le informazioni correlate a tale cliente quali:\r\n\r\n- Chiamate ed interventi\r\n"
                              "-  Prodotti e Manutenzioni\r\nProcedere con l'eliminazione del cliente ?"_s,
                              u"Non ci sono più risultati per i criteri di ricerca !"_s}));
        // Customer 6 keeps his row, his appliance and its maintenance; nothing of 5 is left.
        QList<int> n;
        for (const char* t : {"clienti", "prodotti_ai_clienti", "manutenzioni", "chiamate", "interventi",
                              "prodotti_in_chiamata", "attività_svolte", "matAtt", "riscontro_su_prodotto", "richieste"})
            n << conta(u"SELECT count(*) FROM "_s + QString::fromUtf8(t));
        QCOMPARE(n, (QList<int>{1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(riga(u"SELECT idCli FROM clienti"_s), QStringList{u"6"_s});
        QVERIFY(c().txtCognome->text().isEmpty()); // reset
    }

    // Enter on the question answers its default, No: everything stays.
    void eliminaPredefinitoNo()
    {
        ricerca(u"ROSSI"_s);
        c().cmdEliminaCliente->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(conta(u"SELECT count(*) FROM clienti"_s), 2);
        QCOMPARE(righe(c().griglia), QStringList{u"ROSSI"_s});
    }

    void eliminaFallita()
    {
        connessione.esegui(u"CREATE TRIGGER guasto BEFORE DELETE ON prodotti_ai_clienti BEGIN SELECT RAISE(ABORT, 'guasto'); END"_s);
        ricerca();
        seleziona(c().griglia, 1);
        seamMessaggi::rispondi(Risposta::Si);
        c().cmdEliminaCliente->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 2);
        QVERIFY(seamMessaggi::testi().last().contains(u"guasto"_s));
        QCOMPARE(conta(u"SELECT count(*) FROM chiamate"_s), 2);
        QCOMPARE(conta(u"SELECT count(*) FROM matAtt"_s), 2);
        QCOMPARE(conta(u"SELECT count(*) FROM clienti"_s), 2);
        QCOMPARE(righe(c().griglia), (QStringList{u"BIANCHI"_s, u"ROSSI"_s}));
    }

    void nessunaRigaDaStampare()
    {
        connessione.esegui(u"INSERT INTO stampe (idcli) VALUES (99)"_s);
        c().cmdStampa->click();
        QCOMPARE(unicoMessaggio(), u"Nessun dato da stampare!"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QCOMPARE(conta(u"SELECT count(*) FROM stampe"_s), 0);
        QVERIFY(seamModale::mostrate().isEmpty());
    }

    // stampe holds the result in the order shown, and the print window opens on it.
    void stampaNellOrdine()
    {
        ricerca();
        c().griglia->horizontalHeader()->sectionClicked(4); // Telefono: BIANCHI 1, ROSSI 2
        connessione.esegui(u"UPDATE clienti SET tel_casa = '0' WHERE idCli = 5"_s);
        ricerca();
        c().griglia->horizontalHeader()->sectionClicked(4);
        seleziona(c().griglia, 1);
        c().cmdStampa->click();
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Corvext - Stampa clienti"_s});
        QStringList ordine;
        for (Recordset rs = connessione.apriAvanti(u"SELECT idcli FROM stampe ORDER BY rowid"_s); !rs.eof(); rs.moveNext())
            ordine << rs.campo(0).toString();
        QCOMPARE(ordine, (QStringList{u"5"_s, u"6"_s}));
        QCOMPARE(c().griglia->currentIndex().row(), 0);
        QVERIFY(c().picStampa->isHidden());
    }

    // Another workstation printing meanwhile neither changes this one's selection nor loses
    // its own: each prints the customers it chose.
    void stampePerPostazione()
    {
        AltraPostazione altra(db->file());
        altra.esegui(u"DELETE FROM stampe; INSERT INTO stampe (idcli) VALUES (6)"_s);
        ricerca(u"ROSSI"_s);
        QStringList elencati;
        seamModale::accoda([&](QWidget*) {
            altra.esegui(u"DELETE FROM stampe; INSERT INTO stampe (idcli) VALUES (6)"_s);
            const DatiReport dati =
                leggiDati(connessione.database(), leggiDefinizione(fileStampa(u"clienti.rpt"_s)), CondizioneSql{});
            for (const QStringList& riga : dati.righe)
                elencati << riga[dati.indice(u"cognome"_s)];
        });
        c().cmdStampa->click();
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Corvext - Stampa clienti"_s});
        elencati.removeDuplicates();
        QCOMPARE(elencati, QStringList{u"ROSSI"_s});
        QCOMPARE(altra.colonna(u"SELECT idcli FROM stampe"_s), QStringList{u"6"_s});
        QCOMPARE(conta(u"SELECT count(*) FROM stampe WHERE idcli = 5"_s), 1);
        QCOMPARE(conta(u"SELECT count(*) FROM stampe"_s), 1);
    }

    // Opened while another workstation holds the archive: one message and no window, rather
    // than a window with empty lists; once the archive is free it opens whole.
    void archivioOccupato()
    {
        r().chiudi();
        attesaBreve();
        AltraPostazione altra(db->file());
        altra.bloccaTutto();
        r().apri();
        altra.sblocca();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(!r().caricata());
        QStringList marche;
        seamModale::accoda([&](QWidget*) { marche = vociCombo(w<QComboBox>(u"cmbMarcaProdotto"_s)); });
        r().apri();
        QCOMPARE(seamModale::mostrate().size(), 1);
        QCOMPARE(marche, QStringList{u"B - BAXI"_s});
    }

    void tasti()
    {
        ricerca(u"ROSSI"_s);
        for (int k : {Qt::Key_F3, Qt::Key_F7, Qt::Key_F9, Qt::Key_F11}) {
            QTest::keyClick(c().griglia, Qt::Key(k));
        }
        QCOMPARE(c().TabStrip->currentIndex(), 2);
        QTest::keyPress(c().griglia, Qt::Key_F1);
        QCOMPARE(c().TabStrip->currentIndex(), 2); // not on the press
        QTest::keyRelease(c().griglia, Qt::Key_F1);
        QCOMPARE(c().TabStrip->currentIndex(), 0);
        QCOMPARE(c().griglia->model()->rowCount(), 0);
        QTest::keyClick(c().txtCognome, Qt::Key_Escape);
        QVERIFY(!r().caricata());
    }

    // Shown by the planner without being modal, the main window's opening brings it forward.
    void apertaDalPlanner()
    {
        r().mostra();
        QVERIFY(c().forma->isVisible());
        QVERIFY(!c().forma->isModal());
        r().apri();
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(c().forma->isVisible());
    }

    // A brand click narrows the models by brand and type; a type alone never does; Delete
    // on either rebuilds them by what is left.
    void modelli()
    {
        connessione.esegui(u"INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (2, 'V', 'VAILLANT')"_s);
        connessione.esegui(u"INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto, tipo_nome) VALUES (2, 'S', 'STUFA')"_s);
        connessione.esegui(u"INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES "
                           "(3, 'Z', 2, 1), (4, 'W', 1, 2)"_s);
        r().riempiComboProdotti();
        auto& k = c();
        const QStringList tutti{u"W"_s, u"X"_s, u"Y"_s, u"Z"_s};
        k.cmbTipoProdotto->setCurrentIndex(0); // CALDAIA
        QCOMPARE(vociCombo(k.cmbProdotto), tutti);
        k.cmbMarcaProdotto->setCurrentIndex(0); // BAXI
        emit k.cmbMarcaProdotto->activated(0);
        QCOMPARE(vociCombo(k.cmbProdotto), (QStringList{u"X"_s, u"Y"_s}));
        k.cmbProdotto->setCurrentIndex(0);
        QTest::keyClick(k.cmbTipoProdotto, Qt::Key_Delete);
        QCOMPARE(vociCombo(k.cmbProdotto), (QStringList{u"W"_s, u"X"_s, u"Y"_s}));
        QCOMPARE(k.cmbProdotto->currentIndex(), -1);
        k.cmbTipoProdotto->setCurrentIndex(1); // STUFA
        QTest::keyClick(k.cmbMarcaProdotto, Qt::Key_Delete);
        QCOMPARE(vociCombo(k.cmbProdotto), QStringList{u"W"_s});
        QTest::keyClick(k.cmbTipoProdotto, Qt::Key_Delete);
        QCOMPARE(vociCombo(k.cmbProdotto), tutti);
    }

    void appartenenza()
    {
        connessione.esegui(u"UPDATE clienti SET cod_tipo_appartenenza = 2 WHERE idCli = 6"_s);
        auto& k = c();
        QCOMPARE(k.cmbAppartenenza->count(), 0);
        k.optInquilino->click();
        QCOMPARE(vociCombo(k.cmbAppartenenza), QStringList{u"BIANCHI - ANNA"_s});
        k.optProprietario->click();
        QCOMPARE(k.cmbAppartenenza->count(), 0);
        k.optInquilino->click();
        k.cmbAppartenenza->setCurrentIndex(0);
        emit k.cmbAppartenenza->activated(0);
        QCOMPARE(k.lblTipo->text(), u"Proprietario"_s);
        k.optGruppo->click(); // keeps the list
        QCOMPARE(k.cmbAppartenenza->count(), 1);
        QTest::keyClick(k.cmbAppartenenza, Qt::Key_Delete);
        QVERIFY(k.lblTipo->text().isEmpty());
        QCOMPARE(k.cmbAppartenenza->currentIndex(), -1);
    }
};

CORVEXT_TEST_MAIN(TestSchedaRicerca)
#include "test_scheda_ricerca.moc"
