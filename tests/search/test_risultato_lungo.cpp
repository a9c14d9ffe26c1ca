#include "altra_postazione.h"
#include "ambiente_test.h"
#include "customers/scheda_cliente.h"
#include "platform/db/connessione.h"
#include "platform/db/ordine_italiano.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "search/scheda_ricerca.h"
#include "prova_ricerca.h"
#include "supporto_finestre.h"
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

using Azione = std::function<void()>;
Q_DECLARE_METATYPE(Azione)

namespace {
constexpr int clienti = 5000;
// Those of the first letter, A, and of the second.
constexpr int primaLettera = clienti / 20 - clienti / 100;
constexpr int secondaLettera = clienti / 20;

// Surnames from A to T, one in 25 with an accent or an apostrophe (ÀLVARO, ÉBOLI, D'ANGELO,
// NICOLÒ), so that the result is longer than a screen in every letter's block.
void riempi()
{
    connessione.esegui(u"WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                       "INSERT INTO clienti (idCli, cognome, nome) SELECT x, CASE WHEN x % 25 = 0 THEN "
                       "CASE x / 25 % 4 WHEN 0 THEN 'ÀLVARO' WHEN 1 THEN 'ÉBOLI' WHEN 2 THEN 'D''ANGELO' ELSE "
                       "'NICOLÒ' END ELSE char(65 + x % 20) || 'COGNOME' END || printf(' %04d', x), "
                       "'NOME ' || ((x * 37) % 1000) FROM n"_s.arg(clienti));
}

int righe()
{
    return c().griglia->model()->rowCount();
}

QString didascalia()
{
    return c().fraRisultati->title();
}

// Whether a column of the result is in Italian order, top to bottom.
bool inOrdine(int colonna)
{
    QAbstractItemModel* m = c().griglia->model();
    for (int i = 1; i < m->rowCount(); ++i)
        if (ordineItaliano::confronta(m->index(i - 1, colonna).data().toString(), m->index(i, colonna).data().toString()) > 0)
            return false;
    return true;
}

// Every customer searched for: the result's first screen, the rest still being read.
void cercaTutti()
{
    c().cmdRicerca->click();
    QVERIFY(c().griglia->inLettura());
}
} // namespace

class TestRisultatoLungo : public ProvaRicerca {
    Q_OBJECT

public:
    TestRisultatoLungo() : ProvaRicerca(riempi) {}

private slots:
    // The first screen before the last row is read, the first customer current; the rest read
    // on by itself, the whole in Italian order, and the count once it is known.
    void primaSchermata()
    {
        cercaTutti();
        QVERIFY(righe() >= 100 && righe() < clienti);
        QCOMPARE(c().TabStrip->currentIndex(), 2);
        QCOMPARE(c().griglia->currentIndex().row(), 0);
        QCOMPARE(c().griglia->valore(u"cognome"_s).toString(), u"ACOGNOME 0020"_s);
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 0 records"_s);
        QTRY_VERIFY(!c().griglia->inLettura());
        QCOMPARE(righe(), clienti);
        QVERIFY(inOrdine(0));
        QCOMPARE(c().griglia->model()->index(primaLettera, 0).data().toString(), u"ÀLVARO 0100"_s);
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 5000 records"_s);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // What needs the whole result waits for it while it is read.
    void attendonoIlTutto_data()
    {
        QTest::addColumn<Azione>("azione");
        QTest::addColumn<Azione>("verifica");
        QTest::newRow("heading sort") << Azione([] { c().griglia->horizontalHeader()->sectionClicked(1); })
                                      << Azione([] {
                                             QCOMPARE(righe(), clienti);
                                             QVERIFY(inOrdine(1));
                                             QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 5000 records"_s);
                                         });
        QTest::newRow("print") << Azione([] { c().cmdStampa->click(); })
                               << Azione([] { QCOMPARE(conta(u"SELECT count(*) FROM stampe"_s), clienti); });
        QTest::newRow("delete") << Azione([] {
            seamMessaggi::rispondi(Risposta::Si);
            c().cmdEliminaCliente->click();
        }) << Azione([] {
            QCOMPARE(conta(u"SELECT count(*) FROM clienti WHERE cognome = 'ACOGNOME 0020'"_s), 0);
            QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 5000 records"_s);
            QTRY_VERIFY(!c().griglia->inLettura());
            QCOMPARE(righe(), clienti - 1);
            QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 4999 records"_s);
        });
    }

    void attendonoIlTutto()
    {
        QFETCH(Azione, azione);
        QFETCH(Azione, verifica);
        cercaTutti();
        azione();
        verifica();
    }

    // A new search, the reset and Chiudi stop the reading: nothing of it comes afterwards.
    void fermata_data()
    {
        QTest::addColumn<Azione>("azione");
        QTest::addColumn<int>("righeDopo");
        QTest::newRow("new search") << Azione([] {
            c().txtCognome->setText(u"B"_s);
            c().cmdRicerca->click();
        }) << secondaLettera;
        QTest::newRow("reset") << Azione([] { c().cmdReset->click(); }) << 0;
        QTest::newRow("Chiudi") << Azione([] { c().cmdChiudi->click(); }) << -1;
    }

    void fermata()
    {
        QFETCH(Azione, azione);
        QFETCH(int, righeDopo);
        cercaTutti();
        azione();
        QTest::qWait(50);
        if (righeDopo < 0) {
            QVERIFY(!r().caricata());
        } else {
            QVERIFY(!c().griglia->inLettura());
            QCOMPARE(righe(), righeDopo);
        }
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // The refreshes after the customer card and after the planner read as the search does:
    // the first screen at once, the event loop served while the rest is read, and only then
    // the count of the rows now there (another workstation added one meanwhile) and the same
    // customer current again.
    void aggiornamento_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("nome"); // the name the card writes; none: left as it was
        QTest::newRow("customer card (F6)") << int(Qt::Key_F6) << u"MODIFICATO"_s;
        QTest::newRow("planner (F2)") << int(Qt::Key_F2) << QString();
    }

    void aggiornamento()
    {
        QFETCH(int, tasto);
        QFETCH(QString, nome);
        cercaTutti();
        QTRY_VERIFY(!c().griglia->inLettura());
        c().griglia->setCurrentIndex(c().griglia->model()->index(clienti - 900, 0));
        const QString cognome = c().griglia->valore(u"cognome"_s).toString();
        const QString nomeDopo = nome.isEmpty() ? c().griglia->valore(u"nome"_s).toString() : nome;
        AltraPostazione altra(db->file());
        seamModale::accoda([&](QWidget* f) {
            altra.esegui(u"INSERT INTO clienti (cognome) VALUES ('ACOGNOME 0000')"_s);
            if (tasto == Qt::Key_F2) {
                QTest::keyClick(f, Qt::Key_Escape);
                return;
            }
            auto& k = istanza<schCliente>().controlli();
            k.txtNome->setText(nome);
            QTest::keyClick(k.txtNome, Qt::Key_F10);
        });
        bool servitoLeggendo = false;
        QTimer::singleShot(0, [&] { servitoLeggendo = c().griglia->inLettura(); });
        QTest::keyClick(c().griglia, Qt::Key(tasto));
        QVERIFY(c().griglia->inLettura());
        QVERIFY(righe() >= 100 && righe() < clienti);
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 5000 records"_s);
        QTRY_VERIFY(!c().griglia->inLettura());
        QVERIFY(servitoLeggendo);
        QCOMPARE(righe(), clienti + 1);
        QVERIFY(inOrdine(0));
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 5001 records"_s);
        QCOMPARE(c().griglia->valore(u"cognome"_s).toString(), cognome);
        QCOMPARE(c().griglia->valore(u"nome"_s).toString(), nomeDopo);
        QCOMPARE(c().griglia->currentIndex().row(), c().griglia->recordset().posizione());
        // Only the planner's own warnings on this archive without technicians.
        for (const QString& m : seamMessaggi::testi())
            QVERIFY2(m.startsWith(u"Attenzione"_s), qPrintable(m));
    }

    // An edit while the result is read: the refresh reads it whole again, on the same customer.
    void modificaDuranteLaLettura()
    {
        cercaTutti();
        c().griglia->setCurrentIndex(c().griglia->model()->index(5, 0));
        const QString cognome = c().griglia->valore(u"cognome"_s).toString();
        seamModale::accoda([](QWidget*) {
            auto& k = istanza<schCliente>().controlli();
            k.txtNome->setText(u"MODIFICATO"_s);
            QTest::keyClick(k.txtNome, Qt::Key_F10);
        });
        QTest::keyClick(c().griglia, Qt::Key_F6);
        QTRY_VERIFY(!c().griglia->inLettura());
        QCOMPARE(righe(), clienti);
        QCOMPARE(c().griglia->valore(u"cognome"_s).toString(), cognome);
        QCOMPARE(c().griglia->valore(u"nome"_s).toString(), u"MODIFICATO"_s);
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 5000 records"_s);
    }

    // A refresh that cannot read: the error box, the result empty, its caption at 0.
    void aggiornamentoFallito()
    {
        cercaTutti();
        QTRY_VERIFY(!c().griglia->inLettura());
        attesaBreve();
        AltraPostazione altra(db->file());
        seamModale::accoda([&](QWidget*) {
            QTest::keyClick(istanza<schCliente>().controlli().txtNome, Qt::Key_F10);
            altra.bloccaTutto();
        });
        QTest::keyClick(c().griglia, Qt::Key_F6);
        altra.sblocca();
        QCOMPARE(unicoMessaggio(), u"Attenzione ! L'archivio è occupato da un'altra postazione.\r\n"
                                   "Riprovare tra qualche istante."_s);
        QCOMPARE(righe(), 0);
        QCOMPARE(c().grigliaProdotti->model()->rowCount(), 0);
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 0 records"_s);
    }

    // A reading that stops short: the error box, the result empty, its caption at 0.
    void letturaFallita()
    {
        cercaTutti();
        connessione.chiudi();
        QTRY_VERIFY(!c().griglia->inLettura());
        QVERIFY(unicoMessaggio().contains(u"DESCRIZIONE: Operazione non consentita se l'oggetto è chiuso."_s));
        QCOMPARE(righe(), 0);
        QCOMPARE(didascalia(), u"RISULTATO DELLA RICERCA = 0 records"_s);
    }
};

CORVEXT_TEST_MAIN(TestRisultatoLungo)
#include "test_risultato_lungo.moc"
