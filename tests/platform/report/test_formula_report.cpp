#include "ambiente_test.h"
#include "fixture_report.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"
#include "platform/report/errori_report.h"
#include "platform/report/formula.h"
#include <memory>

// The selection formula compiled against the route sheet's base query, over preparaGiro().
class TestFormulaReport : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;
    DefinizioneReport giro;
    CampiFormula campi;

    QStringList clientiSelezionati(const QString& formula)
    {
        const DatiReport dati = leggiDati(connessione.database(), giro, compilaFormula(formula, campi));
        QStringList clienti;
        for (const QStringList& riga : dati.righe)
            clienti.append(riga[dati.indice(QStringLiteral("cliente"))]);
        return clienti;
    }

private slots:
    void initTestCase()
    {
        db = std::make_unique<DatabaseTest>();
        preparaGiro();
        giro = leggiDefinizione(fileStampa(QStringLiteral("giro.rpt")));
        campi = campiDelleTabelle(connessione.database(), giro.tabelle);
    }

    void cleanupTestCase() { db.reset(); }

    void selezione_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("clienti");
        const QString tutti = QStringLiteral("DELTA,ALFA,ETA,D'ANGELO,BETA,GAMMA,EPSILON,ZETA");
        QTest::newRow("planner example, two blanks before the last AND")
            << QStringLiteral("{tecnici.idtecn}=3 AND {clienti.cod_zona}=2 AND {interventi.data_int}>=Date "
                              "(2026,12,9) AND {interventi.data_int}<=Date (2026,12,10)  AND "
                              "({interventi.cod_stato_int}='DA SVOLGERE' OR {interventi.cod_stato_int}='SOSPESO')")
            << QStringLiteral("ALFA,BETA");
        QTest::newRow("empty formula") << QString() << tutti;
        QTest::newRow("blanks only") << QStringLiteral("   ") << tutti;
        QTest::newRow("zone without technician")
            << QStringLiteral("{clienti.cod_zona}=5 AND {interventi.data_int}>=Date (2026,12,9) AND "
                              "{interventi.data_int}<=Date (2026,12,9) ")
            << QStringLiteral("ETA");
        QTest::newRow("date equal to a stored date")
            << QStringLiteral("{interventi.data_int}=Date (2026,12,9)") << QStringLiteral("ALFA,ETA,D'ANGELO,ZETA");
        QTest::newRow("last day before the first selects nothing")
            << QStringLiteral("{interventi.data_int}>=Date (2026,12,10) AND {interventi.data_int}<=Date (2026,12,9)")
            << QString();
        QTest::newRow("keywords in lower case, no blanks")
            << QStringLiteral("{interventi.data_int}<date(2026,12,9)or{interventi.data_int}>DATE(2026,12,10)")
            << QStringLiteral("DELTA,EPSILON");
        QTest::newRow("state Svolto only") << QStringLiteral(" ({interventi.cod_stato_int}='ESEGUITO')")
                                           << QStringLiteral("GAMMA");
        QTest::newRow("not equal") << QStringLiteral("{interventi.cod_stato_int}<>'DA SVOLGERE'")
                                   << QStringLiteral("D'ANGELO,BETA,GAMMA");
        QTest::newRow("NOT over parentheses")
            << QStringLiteral("NOT ({tecnici.idtecn}=3 OR {clienti.cod_zona}=5)") << QStringLiteral("ZETA");
        QTest::newRow("AND binds before OR")
            << QStringLiteral("{tecnici.idtecn}=4 OR {clienti.cod_zona}=5 AND {interventi.cod_stato_int}='SOSPESO'")
            << QStringLiteral("ZETA");
        QTest::newRow("blanks inside braces and around operators")
            << QStringLiteral("{ tecnici.idtecn }  >=  4") << QStringLiteral("ZETA");
        QTest::newRow("apostrophe in double quotes") << QStringLiteral("{clienti.cognome}=\"D'ANGELO\"")
                                                     << QStringLiteral("D'ANGELO");
        QTest::newRow("apostrophe doubled in single quotes") << QStringLiteral("{clienti.cognome}='D''ANGELO'")
                                                             << QStringLiteral("D'ANGELO");
        QTest::newRow("text is a value, never SQL")
            << QStringLiteral("{clienti.cognome}='X'' OR 1=1 --'") << QString();
        QTest::newRow("texts compare without regard to case") << QStringLiteral("{clienti.cognome}='alfa'")
                                                              << QStringLiteral("ALFA");
    }

    void selezione()
    {
        QFETCH(QString, formula);
        QFETCH(QString, clienti);
        QCOMPARE(clientiSelezionati(formula).join(u','), clienti);
    }

    void errori_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("numero");
        const int formula = int(erroreFormulaReport);
        const int campo = int(erroreCampoReport);
        QTest::newRow("unknown field") << QStringLiteral("{clienti.inesistente}=1") << campo;
        QTest::newRow("table outside the query") << QStringLiteral("{prodotti.modello}='X'") << campo;
        QTest::newRow("field without table") << QStringLiteral("{idtecn}=3") << campo;
        QTest::newRow("missing value") << QStringLiteral("{tecnici.idtecn}=") << formula;
        QTest::newRow("trailing AND") << QStringLiteral("{tecnici.idtecn}=3 AND") << formula;
        QTest::newRow("unclosed parenthesis") << QStringLiteral("({tecnici.idtecn}=3") << formula;
        QTest::newRow("extra parenthesis") << QStringLiteral("{tecnici.idtecn}=3)") << formula;
        QTest::newRow("unclosed brace") << QStringLiteral("{tecnici.idtecn=3") << formula;
        QTest::newRow("unclosed brace before another field")
            << QStringLiteral("{tecnici.idtecn=3 AND {clienti.cod_zona}=2") << formula;
        QTest::newRow("unclosed text") << QStringLiteral("{clienti.cognome}='ROSSI") << formula;
        QTest::newRow("double operator") << QStringLiteral("{tecnici.idtecn}==3") << formula;
        QTest::newRow("no operator") << QStringLiteral("{tecnici.idtecn} 3") << formula;
        QTest::newRow("field alone") << QStringLiteral("{tecnici.idtecn}") << formula;
        QTest::newRow("unknown word") << QStringLiteral("{tecnici.idtecn}=3 XOR {clienti.cod_zona}=2") << formula;
        QTest::newRow("date that does not exist") << QStringLiteral("{interventi.data_int}>=Date (2026,2,30)")
                                                  << formula;
        QTest::newRow("date with a missing part") << QStringLiteral("{interventi.data_int}>=Date (2026,12)")
                                                  << formula;
        QTest::newRow("semicolon") << QStringLiteral("{tecnici.idtecn}=3; DELETE FROM stampe") << formula;
    }

    void errori()
    {
        QFETCH(QString, formula);
        QFETCH(int, numero);
        try {
            compilaFormula(formula, campi);
            QFAIL("no error raised");
        } catch (const ErroreDb& e) {
            QCOMPARE(e.numero, long(numero));
            QVERIFY(!e.sorgente.isEmpty());
            QVERIFY(!e.descrizione.isEmpty());
        }
    }
};

CORVEXT_TEST_MAIN(TestFormulaReport)
#include "test_formula_report.moc"
