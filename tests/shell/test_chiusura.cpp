#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/frm_richiesta.h"
#include "calls/scheda_manutenzione.h"
#include "common/collegamenti.h"
#include "common/stato.h"
#include "customers/note.h"
#include "customers/prima_accensione.h"
#include "customers/scheda_cliente.h"
#include "customers/scheda_prodotto_cliente.h"
#include "customers/stampa_clienti.h"
#include "finestre_programma.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/lookup/zone.h"
#include "shell/autenticazione.h"
#include "shell/cambio_password.h"
#include "supporto_finestre.h"
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {
// Zone 1; technician 1; model 1; customer 1 with appliance 7; call 1 on it with appliance row 1;
// request type 1; maintenance type 1; the call counter at 40.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO zone (idZona, sigla_zona, desc_zona) VALUES (1, 'N', 'NORD')",
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'R', 'ROSSI')",
             "INSERT INTO tecnici_per_zona (codTecnico, codZona) VALUES (1, 1)",
             "INSERT INTO prodotti (idModello, modello) VALUES (1, 'LUNA')",
             "INSERT INTO clienti (idCli, cognome, nome, cod_zona) VALUES (1, 'ROSSI', 'MARIO', 1)",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto) VALUES (7, 1, 1)",
             "INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (1, 1)",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) VALUES "
             "(1, 1, '2026-08-04', 'DA SVOLGERE', '09:00', '10:00')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto) VALUES (1, 1, 7)",
             "INSERT INTO tipoRichiesta (idTipoRichiesta, tipoRicSigla) VALUES (1, 'A')",
             "INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man) VALUES (1, 'ORD')",
             "UPDATE contatori SET chiamata = 40",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

// Every row of every table, as text.
QStringList archivio()
{
    QStringList tabelle;
    for (Recordset t = connessione.apriAvanti(u"SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"_s);
         !t.eof(); t.moveNext())
        tabelle << t.campo(0).toString();
    QStringList righe;
    for (const QString& tabella : tabelle)
        for (Recordset rs = connessione.apriAvanti(u"SELECT * FROM \"%1\""_s.arg(tabella)); !rs.eof(); rs.moveNext()) {
            QStringList campi{tabella};
            for (int i = 0; i < rs.numeroCampi(); ++i)
                campi << rs.campo(i).toString();
            righe << campi.join(u'|');
        }
    return righe;
}

// The window's own push button whose caption begins with `testo` (its mnemonic aside).
QPushButton* pulsante(QWidget* forma, const QString& testo)
{
    for (auto* p : forma->findChildren<QPushButton*>())
        if (p->window() == forma && p->text().remove(u'&').startsWith(testo, Qt::CaseInsensitive))
            return p;
    return nullptr;
}

// The title bar's close box: the platform asks the window to close.
void chiudiDalRiquadro(QWidget* forma)
{
    forma->windowHandle()->close();
}

// Something typed in every text box of a card, so that leaving it has something to lose.
void digita(QWidget* forma)
{
    for (auto* campo : forma->findChildren<QLineEdit*>()) {
        QWidget* contenitore = campo->parentWidget();
        if (qobject_cast<QAbstractSpinBox*>(contenitore) || qobject_cast<QComboBox*>(contenitore))
            continue;
        if (campo->isEnabled() && !campo->isReadOnly())
            campo->setText(campo->text() + u"1"_s);
    }
    for (auto* testo : forma->findChildren<QPlainTextEdit*>())
        testo->setPlainText(u"CAMBIATO"_s);
}

// How the card is left: its Annulla button, or its close box.
using Lascia = std::function<void(QWidget* forma)>;
// Opens a card modally and, once something is typed, leaves it with `lascia`; then tells
// what the card hands its caller.
using Scenario = std::function<QStringList(const Lascia& lascia)>;

// The card's own window after it was left: closed, or still open.
QString stato(Finestra& f)
{
    return f.caricata() && f.forma()->isVisible() ? u"open"_s : u"closed"_s;
}

// Runs the scenario on a fresh file.
QStringList esito(const Scenario& scenario, const Lascia& lascia)
{
    DatabaseTest db;
    riempi();
    seamMessaggi::azzera();
    const QStringList e = scenario(lascia);
    rilasciaTutteLeFinestre();
    seamModale::azzera();
    seamMessaggi::azzera();
    return e;
}

// A modal show whose action prepares the card, types, leaves it and, at once, reads what the
// card tells its caller, whether it is open, the boxes it showed and every table. A card still
// open is then closed by the show's own close, its question answered Yes.
QStringList mostra(Finestra& scheda, const Lascia& lascia, std::function<QStringList()> risultato,
                   std::function<void(QWidget*)> prima = {})
{
    QStringList r;
    seamModale::accoda([&](QWidget* f) {
        if (prima)
            prima(f);
        digita(f);
        lascia(f);
        r = risultato();
        r << stato(scheda) << u"boxes: "_s + seamMessaggi::testi().join(u" / "_s) << archivio();
        seamMessaggi::rispondi(Risposta::Si);
    });
    scheda.mostraModale();
    return r;
}

QStringList nuovaChiamata(const Lascia& lascia, Risposta risposta)
{
    frmChiamata& s = istanza<frmChiamata>();
    s.nIDcliente = 1;
    s.strCliente = u"ROSSI - MARIO"_s;
    s.nModalita = 0;
    s.carica();
    s.nIdChiamata = s.incChiamata();
    s.riempiCombo();
    s.controlli().cmbTecnico->impostaValoreLegato(1);
    return mostra(
        s, lascia, [&] { return QStringList{QString::number(s.bConferma)}; },
        [&](QWidget*) {
            s.controlli().cmbProdotti->impostaValoreLegato(7);
            s.controlli().cmdAggiungiProdotto->click();
            s.controlli().cmbRichieste->impostaValoreLegato(1);
            s.controlli().cmdAggiungiRichiesta->click();
            seamMessaggi::rispondi(risposta);
        });
}

// The customer card with an appliance added through its appliance card.
QStringList clienteConProdotto(const Lascia& lascia, int modalita)
{
    schCliente& s = istanza<schCliente>();
    s.nModalità = modalita;
    if (modalita == 0)
        s.predisponi();
    else {
        s.carica();
        s.ripristinaCliente(1);
    }
    return mostra(
        s, lascia, [&] { return QStringList{QString::number(s.bConferma)}; },
        [&](QWidget* f) {
            seamModale::accoda([](QWidget* p) {
                p->findChild<ComboDati*>(u"cmbModello"_s)->impostaValoreLegato(1);
                premi(p, u"cmConferma"_s);
            });
            premi(f, u"cmdAggiungi"_s);
        });
}

QStringList primaAccensione(const Lascia& lascia)
{
    schPrimaAccensione& s = istanza<schPrimaAccensione>();
    s.carica();
    s.altroVerificaInstallazione = u"SCONTRINO"_s;
    s.nTipoScarico = 1;
    s.predisponi();
    return mostra(s, lascia, [&] {
        return QStringList{QString::number(s.bConferma), s.altroVerificaInstallazione, QString::number(s.nTipoScarico)};
    });
}
} // namespace

// The close box of a window is its Annulla: the same button pressed, the same effect.
class TestChiusura : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        seamModale::azzera();
        seamMessaggi::azzera();
    }

    // Every window of the program with an Annulla button: its close box presses it, once, and
    // only when it can be pressed.
    void riquadroPremeAnnulla_data() { righeFinestre(); }
    void riquadroPremeAnnulla()
    {
        QFETCH(FormaFinestra, forma);
        DatabaseTest db;
        riempi();
        QWidget* f = forma();
        QPushButton* annulla = pulsante(f, u"annulla"_s);
        if (!annulla)
            QSKIP("no Annulla button");
        f->show();
        QSignalSpy premuto(annulla, &QAbstractButton::clicked);
        // While Annulla cannot be pressed (work running) the close box leaves the window open.
        annulla->setEnabled(false);
        chiudiDalRiquadro(f);
        QCOMPARE(premuto.size(), 0);
        QVERIFY(f->isVisible());
        annulla->setEnabled(true);
        seamMessaggi::rispondi(Risposta::No); // a card that asks first stays open
        chiudiDalRiquadro(f);
        QCOMPARE(premuto.size(), 1);
    }

    // Every window of the program without a cancel button closes from its close box.
    void riquadroChiudeSenzaAnnulla_data() { righeFinestre(); }
    void riquadroChiudeSenzaAnnulla()
    {
        QFETCH(FormaFinestra, forma);
        DatabaseTest db;
        riempi();
        QWidget* f = forma();
        if (auto* d = dynamic_cast<FormaDialogo*>(f); d && d->pulsanteAnnulla())
            QSKIP("its close box presses its cancel button");
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const QStringList prima = seamMessaggi::testi();
        chiudiDalRiquadro(f);
        QVERIFY(!f->isVisible());
        QCOMPARE(seamMessaggi::testi(), prima); // nothing asked
    }

    // Each card left with its close box does what its Annulla does: the same answer to its
    // caller, the same questions, the same rows kept or removed, open or closed alike.
    void stessoEffettoDiAnnulla_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::newRow("register card, new row") << Scenario([](const Lascia& l) {
            schZona& s = istanza<schZona>();
            s.nModalità = 0;
            return mostra(s, l, [&] { return QStringList{QString::number(s.bConferma), QString::number(s.nNuovoID)}; });
        });
        QTest::newRow("register card, stored row") << Scenario([](const Lascia& l) {
            schZona& s = istanza<schZona>();
            s.nModalità = 1;
            s.nID = 1;
            s.predisponi();
            return mostra(s, l, [&] { return QStringList{QString::number(s.bConferma)}; });
        });
        QTest::newRow("new customer, an appliance added") << Scenario([](const Lascia& l) {
            return clienteConProdotto(l, 0);
        });
        QTest::newRow("stored customer, an appliance added") << Scenario([](const Lascia& l) {
            return clienteConProdotto(l, 1);
        });
        QTest::newRow("appliance card") << Scenario([](const Lascia& l) {
            schProdottoCliente& s = istanza<schProdottoCliente>();
            s.nModalità = 0;
            s.carica();
            s.nIDcliente = 1;
            return mostra(
                s, l, [&] { return QStringList{QString::number(s.bConferma)}; },
                [](QWidget* f) { f->findChild<ComboDati*>(u"cmbModello"_s)->impostaValoreLegato(1); });
        });
        QTest::newRow("first ignition") << Scenario(primaAccensione);
        QTest::newRow("notes") << Scenario([](const Lascia& l) {
            schNote& s = istanza<schNote>();
            s.carica();
            s.controlli().txtTesto->setPlainText(u"PRIMA"_s);
            return mostra(s, l, [&] { return QStringList{QString::number(s.bConferma), s.Testo}; });
        });
        QTest::newRow("new call, Yes removes its rows") << Scenario([](const Lascia& l) {
            return nuovaChiamata(l, Risposta::Si);
        });
        QTest::newRow("new call, No stays") << Scenario([](const Lascia& l) { return nuovaChiamata(l, Risposta::No); });
        QTest::newRow("stored call") << Scenario([](const Lascia& l) {
            frmChiamata& s = chiamataUno();
            return mostra(s, l, [&] { return QStringList{QString::number(s.bConferma), QString::number(s.bElimina)}; });
        });
        QTest::newRow("request") << Scenario([](const Lascia& l) {
            frmRichiesta& s = istanza<frmRichiesta>();
            s.carica();
            s.nModalità = 0;
            s.nIdChiamata = 1;
            s.predisponi();
            return mostra(
                s, l, [&] { return QStringList{QString::number(s.bConferma)}; },
                [&](QWidget*) { s.controlli().cmbTipologia->impostaValoreLegato(1); });
        });
        QTest::newRow("maintenance") << Scenario([](const Lascia& l) {
            schMan& s = istanza<schMan>();
            s.carica();
            s.dataMan = u"04/08/2026"_s;
            s.nIdChiamata = 1;
            s.nIdProdotto = 7;
            return mostra(
                s, l, [&] { return QStringList{QString::number(s.bConferma)}; },
                [&](QWidget*) { s.controlli().cmbTipoMan->impostaValoreLegato(1); });
        });
        QTest::newRow("sign-in") << Scenario([](const Lascia& l) {
            schAutenticazione& s = istanza<schAutenticazione>();
            nomeOperatore = u"ROSSI"_s;
            codiceOperatore = 5;
            return mostra(s, l, [&] { return QStringList{nomeOperatore, QString::number(codiceOperatore)}; });
        });
        QTest::newRow("planner") << Scenario([](const Lascia& l) {
            int aggiornamenti = 0;
            collegamenti::aggiornaPrincipale = [&] { ++aggiornamenti; };
            frmPlanning& p = planningClienteUno();
            QStringList r = mostra(p, l, [&] { return QStringList{QString::number(aggiornamenti)}; });
            collegamenti::aggiornaPrincipale = nullptr;
            return r;
        });
    }
    void stessoEffettoDiAnnulla()
    {
        QFETCH(Scenario, scenario);
        const QStringList annullata = esito(scenario, [](QWidget* f) {
            QPushButton* annulla = pulsante(f, u"annulla"_s);
            if (!annulla)
                annulla = pulsante(f, u"chiudi"_s); // the planner's
            QVERIFY(annulla);
            annulla->click();
        });
        const QStringList chiusa = esito(scenario, chiudiDalRiquadro);
        QCOMPARE(chiusa, annullata);
    }

    // A window that acts on Esc when the key comes up, or not at all, keeps its cancel button
    // from the press: pressed there, it would close the window and the release would reach
    // the window beneath.
    void escLasciatoAllaFinestra_data()
    {
        QTest::addColumn<FormaFinestra>("forma");
        QTest::addColumn<QString>("annulla");
        QTest::addColumn<int>("alRilascio"); // how often the release presses it
        QTest::newRow("maintenance, no keys") << FormaFinestra([] { return istanza<schMan>().forma(); })
                                              << u"annulla"_s << 0;
        QTest::newRow("password, no cancel key")
            << FormaFinestra([] { return istanza<frmCambioPassword>().forma(); }) << u"annulla"_s << 0;
        QTest::newRow("appliance card") << FormaFinestra([] { return istanza<schProdottoCliente>().forma(); })
                                        << u"annulla"_s << 1;
        QTest::newRow("customer print") << FormaFinestra([] { return istanza<frmStampaClienti>().forma(); })
                                        << u"annulla"_s << 1;
        QTest::newRow("planner") << FormaFinestra([] { return planningClienteUno().forma(); }) << u"chiudi"_s << 1;
    }
    void escLasciatoAllaFinestra()
    {
        QFETCH(FormaFinestra, forma);
        QFETCH(QString, annulla);
        QFETCH(int, alRilascio);
        DatabaseTest db;
        riempi();
        QWidget* f = forma();
        QPushButton* pulsanteAnnulla = pulsante(f, annulla);
        QVERIFY(pulsanteAnnulla);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QSignalSpy premuto(pulsanteAnnulla, &QAbstractButton::clicked);
        const auto aFuoco = [f] { return QApplication::focusWidget() ? QApplication::focusWidget() : f; };
        QTest::keyPress(aFuoco(), Qt::Key_Escape);
        QCOMPARE(premuto.size(), 0);
        QVERIFY(f->isVisible());
        QTest::keyRelease(aFuoco(), Qt::Key_Escape);
        QCOMPARE(premuto.size(), alRilascio);
    }
};

CORVEXT_TEST_MAIN(TestChiusura)
#include "test_chiusura.moc"
