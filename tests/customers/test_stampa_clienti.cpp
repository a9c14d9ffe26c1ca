#include "altra_postazione.h"
#include "ambiente_test.h"
#include "common/controllo_stampa.h"
#include "common/stato.h"
#include "customers/stampa_clienti.h"
#include "fixture_report.h"
#include "platform/ambiente/ambiente.h"
#include "platform/report/controllo_report.h"
#include "platform/report/stampante.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TestStampaClienti : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;
    ControlloReport controllo;

    ControlliStampaClienti& c() { return istanza<frmStampaClienti>().controlli(); }

    void scegli(int i)
    {
        c().cmbTipoStampa->setCurrentIndex(i);
        emit c().cmbTipoStampa->activated(i);
    }

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        impostaCartellaProgramma(QFileInfo(fileStampa(u"buste.rpt"_s)).dir().absolutePath() + u"/.."_s);
        impostaControlloStampa(&controllo);
        stringaConnessione = u"dsn=corvext"_s;
        clientiInStampe(30);
        seamMessaggi::azzera();
        seamModale::azzera();
    }

    void cleanup()
    {
        rilasciaTutteLeFinestre();
        db.reset();
    }

    // Each report of the list reaches the report engine, which previews the customers of stampe.
    void anteprima_data()
    {
        QTest::addColumn<int>("voce");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("descrizione");
        QTest::addColumn<QString>("file");
        QTest::newRow("labels") << 0 << u"Etichette clienti"_s
                                << u"Etichette 70 x 32 su foglio A4 senza bordi (9 righe x 3 colonne)"_s << u"etichette.rpt"_s;
        QTest::newRow("list") << 1 << u"Elenco clienti"_s
                              << u"Elenco clienti su foglio A4\r\nLista dei campi stampati : \r\nCognome, Nome, "
                                 "Indirizzo, Citta, Telefono, Sigla Prodotto, Sigla Marca, Modello, Data ultima "
                                 "manutenzione, Sigla Abbonamento, Scadenza abbonamento"_s << u"clienti.rpt"_s;
        QTest::newRow("envelopes") << 2 << u"Buste clienti"_s << u"Buste DL (220 x 110 mm)"_s << u"buste.rpt"_s;
    }

    void anteprima()
    {
        QFETCH(int, voce);
        QFETCH(QString, titolo);
        QFETCH(QString, descrizione);
        QFETCH(QString, file);
        scegli(voce);
        QCOMPARE(c().lblTipoStampa->text(), descrizione);
        int pagine = 0;
        seamModale::accoda([&](QWidget* f) {
            QVERIFY(qobject_cast<QPrintPreviewDialog*>(f));
            pagine = f->findChild<QPrintPreviewWidget*>()->pageCount();
        });
        c().Command1->click();
        QCOMPARE(seamModale::mostrate(), QList<QString>{titolo});
        QVERIFY(pagine >= 1);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QVERIFY(istanza<frmStampaClienti>().caricata()); // stays open
        QCOMPARE(istanza<frmStampaClienti>().strFileRpt, cartellaProgramma() + u"/stampe/"_s + file);
    }

    void nessunaScelta()
    {
        QTest::keyClick(c().cmbTipoStampa, Qt::Key_F10);
        QTest::keyClick(c().cmbTipoStampa, Qt::Key_F12);
        QCOMPARE(seamMessaggi::testi(),
                 (QStringList{u"Seleziona un modello di stampa !"_s, u"Seleziona un modello di stampa !"_s}));
        QVERIFY(seamModale::mostrate().isEmpty());
    }

    // A report the engine cannot produce shows the error box; the window stays open.
    void guasto()
    {
        scegli(2);
        istanza<frmStampaClienti>().strFileRpt = db->cartella() + u"/stampe/manca.rpt"_s;
        c().Command1->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QVERIFY(seamMessaggi::testi().first().contains(u"manca.rpt"_s));
        QVERIFY(istanza<frmStampaClienti>().caricata());
        QTest::keyClick(c().cmbTipoStampa, Qt::Key_Escape);
        QVERIFY(!istanza<frmStampaClienti>().caricata());
    }

    // Printing with no printer says plainly what to do instead, in a plain box; the window stays open.
    void senzaStampante_data()
    {
        QTest::addColumn<int>("voce");
        QTest::newRow("labels") << 0;
        QTest::newRow("list") << 1;
        QTest::newRow("envelopes") << 2;
    }
    void senzaStampante()
    {
        QFETCH(int, voce);
        if (stampanteInstallata())
            QSKIP("this machine has a printer");
        scegli(voce);
        QTest::keyClick(c().cmbTipoStampa, Qt::Key_F12);
        QCOMPARE(seamMessaggi::testi(), QStringList{nessunaStampante});
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::soloOK);
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(istanza<frmStampaClienti>().caricata());
    }

    // Another workstation holding the archive: the preview says the archive is busy, not that
    // the report is faulty; once it is free the same preview opens.
    void archivioOccupato()
    {
        scegli(1);
        attesaBreve();
        AltraPostazione altra(db->file());
        altra.bloccaTutto();
        c().Command1->click();
        altra.sblocca();
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Attenzione ! L'archivio è occupato da un'altra postazione.\r\n"
                                                    "Riprovare tra qualche istante."_s});
        QVERIFY(seamModale::mostrate().isEmpty());
        QVERIFY(istanza<frmStampaClienti>().caricata());
        c().Command1->click();
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Elenco clienti"_s});
        QCOMPARE(altra.colonna(u"SELECT count(*) FROM stampe"_s), QStringList{u"30"_s});
    }
};

CORVEXT_TEST_MAIN(TestStampaClienti)
#include "test_stampa_clienti.moc"
