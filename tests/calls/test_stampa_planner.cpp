#include "ambiente_test.h"
#include "calls/formula_giro.h"
#include "calls/frm_planning.h"
#include "calls/griglia_planning.h"
#include "calls/frm_stampa_planner.h"
#include "common/controllo_stampa.h"
#include "common/stato.h"
#include "fixture_report.h"
#include "pdf_letto.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/report/controllo_report.h"
#include "platform/report/stampante.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

class TestStampaPlanner : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;
    ControlloReport stampa;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        stringaConnessione = u"dsn=corvext"_s;
        impostaControlloStampa(&stampa);
        impostaCartellaProgramma(QFileInfo(fileStampa(u"giro.rpt"_s)).absolutePath() + u"/.."_s);
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        seamModale::azzera();
        seamMessaggi::azzera();
        impostaControlloStampa(nullptr);
        impostaCartellaProgramma({});
        db.reset();
    }

    void formula_data()
    {
        QTest::addColumn<QVariant>("tecnico");
        QTest::addColumn<QVariant>("zona");
        QTest::addColumn<QString>("stati"); // D S A E
        QTest::addColumn<QString>("attesa");
        const QString date = u"{interventi.data_int}>=Date (2026,12,9) AND {interventi.data_int}<=Date (2026,12,10) "_s;
        QTest::newRow("technician and zone, two states")
            << QVariant(3) << QVariant(2) << u"DS"_s
            << u"{tecnici.idtecn}=3 AND {clienti.cod_zona}=2 AND {interventi.data_int}>=Date (2026,12,9) AND "
               "{interventi.data_int}<=Date (2026,12,10)  AND ({interventi.cod_stato_int}='DA SVOLGERE' OR "
               "{interventi.cod_stato_int}='SOSPESO')"_s;
        QTest::newRow("neither") << QVariant() << QVariant() << u"D"_s
                                 << date + u" AND ({interventi.cod_stato_int}='DA SVOLGERE')"_s;
        QTest::newRow("technician only") << QVariant(3) << QVariant() << u"A"_s
                                         << u"{tecnici.idtecn}=3 AND "_s + date
                                                + u" AND ({interventi.cod_stato_int}='ANNULLATO')"_s;
        QTest::newRow("zone only") << QVariant() << QVariant(2) << u"E"_s
                                   << u"{clienti.cod_zona}=2 AND "_s + date
                                          + u" AND ({interventi.cod_stato_int}='ESEGUITO')"_s;
        QTest::newRow("every state") << QVariant() << QVariant() << u"DSAE"_s
                                     << date + u" AND ({interventi.cod_stato_int}='DA SVOLGERE' OR "
                                               "{interventi.cod_stato_int}='SOSPESO' OR {interventi.cod_stato_int}="
                                               "'ANNULLATO' OR {interventi.cod_stato_int}='ESEGUITO')"_s;
        QTest::newRow("no state") << QVariant(3) << QVariant(2) << QString() << QString();
    }
    void formula()
    {
        QFETCH(QVariant, tecnico);
        QFETCH(QVariant, zona);
        QFETCH(QString, stati);
        QFETCH(QString, attesa);
        const auto f = formulaGiro(tecnico, zona, QDate(2026, 12, 9), QDate(2026, 12, 10),
                                   {stati.contains('D'), stati.contains('S'), stati.contains('A'), stati.contains('E')});
        QCOMPARE(f.value_or(QString()), attesa);
        QCOMPARE(f.has_value(), !attesa.isEmpty());
    }

    // The formula the window builds selects on giro.rpt: technician 3, 9 December, to do.
    void pdf()
    {
        preparaGiro();
        const auto f = formulaGiro(3, QVariant(), QDate(2026, 12, 9), QDate(2026, 12, 9), {true, false, false, false});
        ControlloReport controllo;
        controllo.impostaFileReport(fileStampa(u"giro.rpt"_s));
        controllo.impostaConnessione(u"dsn=corvext"_s);
        controllo.impostaFormula(*f);
        controllo.impostaDestinazione(ControlloReport::Destinazione::Pdf);
        const QString pdf = db->cartella() + u"/giro.pdf"_s;
        controllo.impostaFilePdf(pdf);
        controllo.produci();
        const QString testo = leggiPdf(pdf).pagine.join(u"\n"_s);
        QVERIFY2(testo.contains(u"ALFA"_s) && testo.contains(u"ETA"_s), qPrintable(testo));
        for (const QString& assente : {u"BETA"_s, u"ZETA"_s, u"DELTA"_s, u"D'ANGELO"_s})
            QVERIFY2(!testo.contains(assente), qPrintable(assente));
    }

    // The planner's STAMPA opens the window on its selected day; ANTEPRIMA previews the route sheet.
    void dalPlanner()
    {
        preparaGiro();
        impostaOrologio([] { return QDate(2026, 12, 7); });
        QDate da, a;
        seamModale::accoda([&](QWidget*) {
            istanza<frmPlanning>().controlli().griglia->setCurrentCell(0, 2); // the third day
            seamModale::accoda([&](QWidget*) {
                auto& c = istanza<frmStampaPlanner>().controlli();
                da = c.dtpDataDa->date();
                a = c.dtpDataA->date();
                QVERIFY(c.chkTutti->isChecked() && !c.cmbTecnici->isEnabled());
                c.chkDaSvolgere->setChecked(false);
                c.cmdAnteprima->click();
                c.chkAnnullato->setChecked(true);
                c.cmdAnteprima->click();
            });
            istanza<frmPlanning>().controlli().cmdStampa->click();
        });
        istanza<frmPlanning>().mostraModale();
        impostaOrologio({});
        QCOMPARE(da, QDate(2026, 12, 9));
        QCOMPARE(a, QDate(2026, 12, 9));
        QCOMPARE(seamMessaggi::testi(), QStringList{u"Selezionare uno stato intervento"_s});
        QCOMPARE(seamModale::mostrate(),
                 (QList<QString>{u"Planning"_s, u"Stampa Planner"_s, u"Giro tecnici"_s}));
    }

    // STAMPA with no printer: the error box says plainly what to do instead; the window stays open.
    void senzaStampante()
    {
        if (stampanteInstallata())
            QSKIP("this machine has a printer");
        preparaGiro();
        frmStampaPlanner& s = istanza<frmStampaPlanner>();
        QTest::keyClick(s.controlli().cmdStampa, Qt::Key_F12);
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        const QStringList righe = seamMessaggi::testi().first().split(u"\r\n"_s);
        QVERIFY2(righe.contains(u"NUMERO: 20004"_s), qPrintable(righe.join(u'|')));
        QVERIFY2(righe.contains(u"DESCRIZIONE: "_s + nessunaStampante), qPrintable(righe.join(u'|')));
        QVERIFY(s.caricata());
    }
};

CORVEXT_TEST_MAIN(TestStampaPlanner)
#include "test_stampa_planner.moc"
