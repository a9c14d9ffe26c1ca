#include "altra_postazione.h"
#include "ambiente_test.h"
#include "calls/frm_richiesta.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
frmRichiesta& scheda()
{
    return istanza<frmRichiesta>();
}

// The card opened by the protocol; `azione` runs while it is shown. Returns bConferma.
bool apri(int modalita, long riga, long id, std::function<void(ControlliRichiesta&)> azione)
{
    seamModale::accoda([azione](QWidget*) { azione(scheda().controlli()); });
    frmRichiesta& s = scheda();
    s.carica();
    s.nModalità = modalita;
    s.nIdChiamata = riga;
    s.nID = id;
    s.predisponi();
    s.mostraModale();
    return s.bConferma;
}
} // namespace

// The request card: no window opens it; it keeps the register cards' protocol.
class TestFrmRichiesta : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        connessione.esegui(u"INSERT INTO tipoRichiesta (idTipoRichiesta, tipoRicSigla, tipoRicNome) VALUES "
                           "(1, 'M', 'MANUTENZIONE'), (2, 'A', 'ACCENSIONE')"_s);
        connessione.esegui(u"INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata) VALUES (5, 40), (6, 40)"_s);
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        seamModale::azzera();
        seamMessaggi::azzera();
        db.reset();
    }

    void nuova()
    {
        QVERIFY(apri(0, 5, 0, [](ControlliRichiesta& c) {
            QCOMPARE(vociCombo(c.cmbTipologia), (QStringList{u"ACCENSIONE"_s, u"MANUTENZIONE"_s}));
            c.cmbTipologia->impostaValoreLegato(2);
            c.txtNote->setText(u"caldaia dell'ingresso"_s);
            c.cmdOk->click();
        }));
        QCOMPARE(riga(u"SELECT ricCodChiamata, ricCodRichiesta, ricNote FROM richieste"_s),
                 (QStringList{u"5"_s, u"2"_s, u"CALDAIA DELL'INGRESSO"_s}));
    }

    void senzaTipo()
    {
        bool aperta = false;
        QVERIFY(!apri(0, 5, 0, [&](ControlliRichiesta& c) {
            c.cmdOk->click();
            aperta = c.forma->isVisible();
        }));
        QVERIFY(aperta);
        QCOMPARE(unicoMessaggio(), u"Selezionare il tipo di richiesta"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM richieste"_s), 0);
    }

    // An edit may move the request to another appliance row.
    void modifica()
    {
        connessione.esegui(u"INSERT INTO richieste (idRichiesta, ricCodChiamata, ricCodRichiesta, ricNote) VALUES (3, 5, 1, 'X')"_s);
        QVERIFY(apri(1, 6, 3, [](ControlliRichiesta& c) {
            QCOMPARE(c.cmbTipologia->valoreLegato().toInt(), 1);
            QCOMPARE(c.txtNote->text(), u"X"_s);
            c.cmbTipologia->impostaValoreLegato(2);
            c.cmdOk->click();
        }));
        QCOMPARE(riga(u"SELECT ricCodChiamata, ricCodRichiesta, ricNote FROM richieste"_s),
                 (QStringList{u"6"_s, u"2"_s, u"X"_s}));
    }

    // A refused write keeps the card open: Ok never reports a save that did not happen.
    void scritturaRifiutata_data()
    {
        QTest::addColumn<int>("modalita");
        QTest::newRow("insert refused") << 0;
        QTest::newRow("request gone meanwhile") << 1;
    }
    void scritturaRifiutata()
    {
        QFETCH(int, modalita);
        connessione.esegui(u"CREATE TRIGGER rifiuta BEFORE INSERT ON richieste BEGIN SELECT RAISE(ABORT, 'rifiutata'); END"_s);
        bool aperta = false;
        QVERIFY(!apri(modalita, 5, 9, [&](ControlliRichiesta& c) {
            c.cmbTipologia->impostaValoreLegato(1);
            c.cmdOk->click();
            aperta = c.forma->isVisible();
        }));
        QVERIFY(aperta);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
    }

    // Another workstation removes what the request hangs on while the card is open: nothing
    // is written and the card says why.
    void rigaEliminata_data()
    {
        QTest::addColumn<QString>("altra");
        QTest::addColumn<int>("modalita");
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("messaggio");
        const QString rigaRimossa = u"Attenzione! il prodotto non fa più parte della chiamata: è stato rimosso da "
                                    "un'altra postazione.\r\nNulla è stato salvato."_s;
        QTest::newRow("new request, appliance row removed")
            << u"DELETE FROM prodotti_in_chiamata WHERE idProdChiamata = 5"_s << 0 << 5 << rigaRimossa;
        QTest::newRow("edit moved to a removed row")
            << u"DELETE FROM prodotti_in_chiamata WHERE idProdChiamata = 6"_s << 1 << 6 << rigaRimossa;
        QTest::newRow("edit of a deleted request")
            << u"DELETE FROM richieste WHERE idRichiesta = 3"_s << 1 << 5
            << u"Attenzione! la richiesta non esiste più nell'archivio: è stata eliminata da un'altra postazione.\r\n"
               "Nulla è stato salvato."_s;
    }
    void rigaEliminata()
    {
        QFETCH(QString, altra);
        QFETCH(int, modalita);
        QFETCH(int, riga);
        QFETCH(QString, messaggio);
        connessione.esegui(u"INSERT INTO richieste (idRichiesta, ricCodChiamata, ricCodRichiesta, ricNote) VALUES (3, 5, 1, 'X')"_s);
        bool aperta = false;
        QVERIFY(!apri(modalita, riga, 3, [&](ControlliRichiesta& c) {
            AltraPostazione(db->file()).esegui(altra);
            c.cmbTipologia->impostaValoreLegato(2);
            c.cmdOk->click();
            aperta = c.forma->isVisible();
        }));
        QVERIFY(aperta);
        QCOMPARE(unicoMessaggio(), messaggio);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        // The request stays as it was, or gone as the other workstation left it.
        QCOMPARE(::riga(u"SELECT group_concat(idRichiesta || ',' || ricCodChiamata || ',' || ricCodRichiesta) FROM richieste"_s),
                 QStringList{altra.contains(u"richieste"_s) ? QString() : u"3,5,1"_s});
    }

    void annulla()
    {
        QVERIFY(!apri(0, 5, 0, [](ControlliRichiesta& c) {
            c.cmbTipologia->impostaValoreLegato(1);
            c.cmdAnnulla->click();
        }));
        QCOMPARE(conta(u"SELECT count(*) FROM richieste"_s), 0);
    }
};

CORVEXT_TEST_MAIN(TestFrmRichiesta)
#include "test_frm_richiesta.moc"
