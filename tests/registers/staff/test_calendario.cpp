#include "ambiente_test.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "registers/staff/calendario.h"

using namespace Qt::StringLiterals;

// Leave and holidays as the planning reads them.
class TestCalendario : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico) VALUES ('R1','ROSSI')"_s);
        connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico) VALUES ('B1','BIANCHI')"_s);
        // Rossi: 10 to 12 August, a deleted period on the 20th; Bianchi: the 13th alone.
        connessione.esegui(u"INSERT INTO ferie (ferieCodTecnico,ferieDataDa,ferieDataA,ferieNote) "
                           u"VALUES (1,#8/10/2026#,#8/12/2026#,'')"_s);
        connessione.esegui(u"INSERT INTO ferie (ferieCodTecnico,ferieDataDa,ferieDataA,ferieNote,ferieEliminato) "
                           u"VALUES (1,#8/20/2026#,#8/20/2026#,'',1)"_s);
        connessione.esegui(u"INSERT INTO ferie (ferieCodTecnico,ferieDataDa,ferieDataA,ferieNote) "
                           u"VALUES (2,#8/13/2026#,#8/13/2026#,'')"_s);
    }
    void cleanup() { db.reset(); }

    void giorniDiFerie_data()
    {
        QTest::addColumn<int>("tecnico");
        QTest::addColumn<QDate>("giorno");
        QTest::addColumn<bool>("inFerie");
        QTest::newRow("day before") << 1 << QDate(2026, 8, 9) << false;
        QTest::newRow("first day") << 1 << QDate(2026, 8, 10) << true;
        QTest::newRow("inside") << 1 << QDate(2026, 8, 11) << true;
        QTest::newRow("last day") << 1 << QDate(2026, 8, 12) << true;
        QTest::newRow("day after") << 1 << QDate(2026, 8, 13) << false;
        QTest::newRow("deleted period") << 1 << QDate(2026, 8, 20) << false;
        QTest::newRow("same days another year") << 1 << QDate(2027, 8, 11) << false;
        QTest::newRow("another technician's period") << 2 << QDate(2026, 8, 11) << false;
        QTest::newRow("one-day period") << 2 << QDate(2026, 8, 13) << true;
    }
    void giorniDiFerie()
    {
        QFETCH(int, tecnico);
        QFETCH(QDate, giorno);
        QFETCH(bool, inFerie);
        QCOMPARE(tecnicoInFerie(tecnico, giorno), inFerie);
    }

    // Day and month in the current year: a December planner shows next January's holidays.
    void festivitaDellAnnoCorrente_data()
    {
        QTest::addColumn<QDate>("giorno");
        QTest::addColumn<QString>("descrizione");
        QTest::newRow("the stored date") << QDate(2026, 12, 25) << u"NATALE"_s;
        QTest::newRow("the same day next year") << QDate(2027, 12, 25) << u"NATALE"_s;
        QTest::newRow("next January") << QDate(2027, 1, 6) << u"EPIFANIA"_s;
        QTest::newRow("stored with last year") << QDate(2026, 11, 1) << QString();
        QTest::newRow("the day before") << QDate(2026, 12, 24) << QString();
        QTest::newRow("29 February, the current year has none") << QDate(2028, 2, 29) << QString();
    }
    void festivitaDellAnnoCorrente()
    {
        QFETCH(QDate, giorno);
        QFETCH(QString, descrizione);
        impostaOrologio([] { return QDate(2026, 12, 10); });
        connessione.esegui(u"INSERT INTO festivita (dataFestivita,desc_festivita) VALUES (#12/25/2026#,'NATALE'), "
                           u"(#1/6/2026#,'EPIFANIA'), (#11/1/2025#,'OGNISSANTI')"_s);
        QCOMPARE(descrizioneFestivita(giorno), descrizione);
        impostaOrologio({});
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestCalendario)
#include "test_calendario.moc"
