#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/calendario.h"
#include "registers/staff/ferie.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

namespace {
DataOpzionale* picker(QWidget* f, const QString& nome)
{
    return f->findChild<DataOpzionale*>(nome);
}

// Fills a new leave card shown next and confirms it; tells what the pickers showed then.
void compila(long tecnico, QDate da, QDate a, QDate* daDopo = nullptr, QDate* aDopo = nullptr)
{
    seamModale::accoda([=](QWidget* f) {
        if (tecnico)
            f->findChild<ComboDati*>(u"cmbTecnico"_s)->impostaValoreLegato(qlonglong(tecnico));
        picker(f, u"dtpDataDa"_s)->impostaData(da);
        picker(f, u"dtpDataA"_s)->impostaData(a);
        f->findChild<QLineEdit*>(u"txtNote"_s)->setText(u"mare"_s);
        premi(f, u"cmdConferma"_s);
        if (daDopo)
            *daDopo = picker(f, u"dtpDataDa"_s)->data();
        if (aDopo)
            *aDopo = picker(f, u"dtpDataA"_s)->data();
    });
    schFerie& s = istanza<schFerie>();
    s.nModalità = 0;
    s.mostraModale();
}

QStringList periodo(long id)
{
    return riga(u"SELECT ferieCodTecnico, ferieDataDa, ferieDataA, ferieNote, ferieEliminato FROM ferie "
                u"WHERE idFerie = "_s
                + QString::number(id));
}
} // namespace

// Technicians' leave: the card, the list, and what the planning then sees.
class TestFerie : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico) VALUES ('R1','ROSSI'),('B1','BIANCHI')"_s);
    }
    void cleanup() { db.reset(); }

    void giorniDelPeriodo_data()
    {
        QTest::addColumn<QDate>("giorno");
        QTest::addColumn<bool>("inFerie");
        QTest::newRow("9th") << QDate(2026, 8, 9) << false;
        QTest::newRow("10th") << QDate(2026, 8, 10) << true;
        QTest::newRow("12th") << QDate(2026, 8, 12) << true;
        QTest::newRow("13th") << QDate(2026, 8, 13) << false;
    }
    void giorniDelPeriodo()
    {
        QFETCH(QDate, giorno);
        QFETCH(bool, inFerie);
        compila(1, QDate(2026, 8, 10), QDate(2026, 8, 12));
        QVERIFY(istanza<schFerie>().bConferma);
        QCOMPARE(tecnicoInFerie(1, giorno), inFerie);
        QVERIFY(!tecnicoInFerie(2, giorno));
    }

    void dateSalvate_data()
    {
        QTest::addColumn<QDate>("da");
        QTest::addColumn<QDate>("a");
        QTest::addColumn<QString>("daAttesa");
        QTest::addColumn<QString>("aAttesa");
        QTest::newRow("in order") << QDate(2026, 8, 1) << QDate(2026, 8, 10) << u"2026-08-01"_s << u"2026-08-10"_s;
        QTest::newRow("reversed, swapped") << QDate(2026, 8, 10) << QDate(2026, 8, 1) << u"2026-08-01"_s
                                           << u"2026-08-10"_s;
        QTest::newRow("one day") << QDate(2026, 12, 31) << QDate(2026, 12, 31) << u"2026-12-31"_s << u"2026-12-31"_s;
        QTest::newRow("across the new year") << QDate(2027, 1, 2) << QDate(2026, 12, 30) << u"2026-12-30"_s
                                             << u"2027-01-02"_s;
    }
    void dateSalvate()
    {
        QFETCH(QDate, da);
        QFETCH(QDate, a);
        QFETCH(QString, daAttesa);
        QFETCH(QString, aAttesa);
        compila(1, da, a);
        const long id = istanza<schFerie>().nNuovoID;
        QCOMPARE(periodo(id), (QStringList{u"1"_s, daAttesa, aAttesa, u"MARE"_s, u"0"_s}));

        // Opened again, the card shows the same days and writes them back unchanged.
        schFerie& s = istanza<schFerie>();
        s.carica();
        s.nID = id;
        s.nModalità = 1;
        QVERIFY(s.predisponi());
        QCOMPARE(picker(s.forma(), u"dtpDataDa"_s)->data(), QDate::fromString(daAttesa, Qt::ISODate));
        QCOMPARE(picker(s.forma(), u"dtpDataA"_s)->data(), QDate::fromString(aAttesa, Qt::ISODate));
        QCOMPARE(s.forma()->findChild<ComboDati*>(u"cmbTecnico"_s)->currentText(), u"R1 ROSSI"_s);
        seamModale::accoda([](QWidget* f) {
            f->findChild<QLineEdit*>(u"txtNote"_s)->setText(u"monti"_s);
            premi(f, u"cmdConferma"_s);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        QCOMPARE(periodo(id), (QStringList{u"1"_s, daAttesa, aAttesa, u"MONTI"_s, u"0"_s}));
    }

    void senzaTecnico()
    {
        QDate da, a;
        compila(0, QDate(2026, 8, 10), QDate(2026, 8, 1), &da, &a);
        QCOMPARE(unicoMessaggio(), u"Attenzione ! si sono verificati i seguenti errori\r\nSelezionare il tecnico"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        // The card stayed open, showing the exchanged dates.
        QCOMPARE(da, QDate(2026, 8, 1));
        QCOMPARE(a, QDate(2026, 8, 10));
        QVERIFY(!istanza<schFerie>().bConferma);
        QCOMPARE(conta(u"SELECT count(*) FROM ferie"_s), 0);
    }

    void elenco()
    {
        connessione.esegui(u"INSERT INTO ferie (ferieCodTecnico,ferieDataDa,ferieDataA) VALUES "
                           u"(2,#8/1/2026#,#8/5/2026#),(1,#7/1/2026#,#7/3/2026#),(1,#7/2/2026#,#7/9/2026#)"_s);
        // A disabled technician's periods stay listed.
        connessione.esegui(u"UPDATE tecnici SET eliminato = 1 WHERE idTecn = 2"_s);
        frmFerie& l = istanza<frmFerie>();
        QCOMPARE(intestazioni(l), (QStringList{u"Tecnico"_s, u"Dal"_s, u"Al"_s}));
        QCOMPARE(colonna(l, 0), (QStringList{u"B1 - BIANCHI"_s, u"R1 - ROSSI"_s, u"R1 - ROSSI"_s}));
        QCOMPARE(colonna(l, 1).first(), u"01/08/2026"_s);
        QCOMPARE(colonna(l, 2).first(), u"05/08/2026"_s);
        QTest::keyClicks(ricerca(l), u"r"_s);
        QCOMPARE(colonna(l, 0), (QStringList{u"R1 ROSSI"_s, u"R1 ROSSI"_s}));
        QStringList dal = colonna(l, 1);
        dal.sort();
        QCOMPARE(dal, (QStringList{u"01/07/2026"_s, u"02/07/2026"_s}));
    }

    void eliminazione()
    {
        connessione.esegui(u"INSERT INTO ferie (ferieCodTecnico,ferieDataDa,ferieDataA) VALUES (1,#8/10/2026#,#8/12/2026#)"_s);
        frmFerie& l = istanza<frmFerie>();
        QVERIFY(tecnicoInFerie(1, QDate(2026, 8, 11)));
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"ELiminare il periodo di ferie selezionato?"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QVERIFY(colonna(l, 0).isEmpty());
        QCOMPARE(conta(u"SELECT ferieEliminato FROM ferie WHERE idFerie = 1"_s), 1);
        QVERIFY(!tecnicoInFerie(1, QDate(2026, 8, 11)));

        seamMessaggi::azzera();
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"Selezionare le ferie da eliminare"_s);
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestFerie)
#include "test_ferie.moc"
