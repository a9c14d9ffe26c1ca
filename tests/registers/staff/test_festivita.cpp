#include "ambiente_test.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/calendario.h"
#include "registers/staff/festivita.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

namespace {
void orologio(int anno)
{
    impostaOrologio([anno] { return QDate(anno, 6, 15); });
}

// Shows the holiday card (new, or editing idFestivita) and confirms it with that day and name.
void conferma(long id, const QDate& giorno, const QString& nome, bool* restaAperta = nullptr)
{
    schFestivita& s = istanza<schFestivita>();
    s.carica();
    s.nModalità = id ? 1 : 0;
    s.nID = id;
    if (id && !s.predisponi())
        return;
    seamModale::accoda([=](QWidget* f) {
        if (giorno.isValid())
            f->findChild<DataOpzionale*>(u"dtpData"_s)->impostaData(giorno);
        if (!nome.isNull())
            f->findChild<QLineEdit*>(u"txtNote"_s)->setText(nome);
        premi(f, u"cmdConferma"_s);
        if (restaAperta)
            *restaAperta = f->isVisible();
    });
    s.mostraModale();
}

QString dataDi(long id)
{
    return riga(u"SELECT dataFestivita FROM festivita WHERE idFestivita = "_s + QString::number(id)).value(0);
}
} // namespace

// Public holidays: the year they are kept for, the list, the card's refusals.
class TestFestivita : public QObject {
    Q_OBJECT
private slots:
    void init() { db = std::make_unique<DatabaseTest>(); }
    void cleanup() { db.reset(); }

    void annoDellaConferma()
    {
        orologio(2026);
        // The year the picker holds is never written.
        conferma(0, QDate(2030, 12, 25), u"natale"_s);
        const long id = istanza<schFestivita>().nNuovoID;
        QVERIFY(istanza<schFestivita>().bConferma);
        QCOMPARE(dataDi(id), u"2026-12-25"_s);
        // Looked up by day and month in the current year, whatever the year asked.
        QCOMPARE(descrizioneFestivita(QDate(2026, 12, 25)), u"NATALE"_s);
        QCOMPARE(descrizioneFestivita(QDate(2027, 12, 25)), u"NATALE"_s);

        orologio(2027);
        conferma(id, QDate(), QString());
        QVERIFY(istanza<schFestivita>().bConferma);
        QCOMPARE(dataDi(id), u"2027-12-25"_s);
        QCOMPARE(descrizioneFestivita(QDate(2027, 12, 25)), u"NATALE"_s);
        QCOMPARE(descrizioneFestivita(QDate(2026, 12, 24)), QString());
    }

    void ventinoveFebbraio_data()
    {
        QTest::addColumn<int>("anno");
        QTest::addColumn<bool>("modifica");
        QTest::addColumn<QString>("attesa"); // empty: refused
        QTest::newRow("new, 2027") << 2027 << false << QString();
        QTest::newRow("confirmed again, 2027") << 2027 << true << QString();
        QTest::newRow("new, 2028") << 2028 << false << u"2028-02-29"_s;
        QTest::newRow("confirmed again, 2028") << 2028 << true << u"2028-02-29"_s;
    }
    void ventinoveFebbraio()
    {
        QFETCH(int, anno);
        QFETCH(bool, modifica);
        QFETCH(QString, attesa);
        connessione.esegui(u"INSERT INTO festivita (dataFestivita,desc_festivita) VALUES (#2/29/2024#,'BISESTILE')"_s);
        orologio(anno);
        bool restaAperta = false;
        conferma(modifica ? 1 : 0, modifica ? QDate() : QDate(2024, 2, 29), u"bisestile"_s, &restaAperta);
        const long id = modifica ? 1 : 2;
        if (attesa.isEmpty()) {
            QCOMPARE(unicoMessaggio(), u"La data 29/02 non esiste nell'anno "_s + QString::number(anno));
            QCOMPARE(seamMessaggi::mostrati().first().stile, stile::soloOK);
            QVERIFY(restaAperta);
            QVERIFY(!istanza<schFestivita>().bConferma);
            QCOMPARE(conta(u"SELECT count(*) FROM festivita"_s), 1);
            QCOMPARE(dataDi(1), u"2024-02-29"_s);
            return;
        }
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(dataDi(id), attesa);
    }

    void ventinoveFebbraioScrittoInUnAnnoBisestile()
    {
        // Saved in 2027; in 2028 the operator types 29/02 over it.
        connessione.esegui(u"INSERT INTO festivita (dataFestivita,desc_festivita) VALUES (#3/1/2027#,'BISESTILE')"_s);
        orologio(2028);
        schFestivita& s = istanza<schFestivita>();
        s.carica();
        s.nModalità = 1;
        s.nID = 1;
        QVERIFY(s.predisponi());
        seamModale::accoda([](QWidget* f) {
            CampoData* e = f->findChild<DataOpzionale*>(u"dtpData"_s)->campoData();
            QVERIFY(QTest::qWaitForWindowActive(f));
            QTest::mouseClick(e, Qt::LeftButton);
            QTest::keyClicks(e, u"2902"_s);
            QCOMPARE(e->text(), u"29/02"_s);
            premi(f, u"cmdConferma"_s);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        QCOMPARE(dataDi(1), u"2028-02-29"_s);
    }

    void nomeMancante()
    {
        bool restaAperta = false;
        conferma(0, QDate(2026, 1, 6), QString(), &restaAperta);
        QCOMPARE(unicoMessaggio(),
                 u"Attenzione ! si sono verificati i seguenti errori\r\nSelezionare il nome della festività"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        QVERIFY(restaAperta);
        QCOMPARE(conta(u"SELECT count(*) FROM festivita"_s), 0);
    }

    void elenco()
    {
        connessione.esegui(u"INSERT INTO festivita (dataFestivita,desc_festivita) VALUES "
                           u"(#12/25/2027#,'NATALE'),(#1/6/2027#,'EPIFANIA'),(#12/25/2026#,'NATALE'),"
                           u"(#8/15/2027#,'FERRAGOSTO')"_s);
        frmFestivita& l = istanza<frmFestivita>();
        QCOMPARE(intestazioni(l), (QStringList{u"Data"_s, u"Festività"_s}));
        QCOMPARE(colonna(l, 0),
                 (QStringList{u"25 - dicembre"_s, u"06 - gennaio"_s, u"15 - agosto"_s, u"25 - dicembre"_s}));
        QCOMPARE(colonna(l, 1), (QStringList{u"NATALE"_s, u"EPIFANIA"_s, u"FERRAGOSTO"_s, u"NATALE"_s}));
        QTest::keyClicks(ricerca(l), u"n"_s);
        QCOMPARE(colonna(l, 0), (QStringList{u"25 - dicembre"_s, u"25 - dicembre"_s}));

        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"ELiminare la festività selezionata ?"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(conta(u"SELECT count(*) FROM festivita WHERE dataFestivita = '2026-12-25'"_s), 0);
        QCOMPARE(conta(u"SELECT count(*) FROM festivita"_s), 3);
        QCOMPARE(colonna(l, 1), QStringList{u"NATALE"_s});
    }

    void tastiFunzione()
    {
        frmFestivita& l = istanza<frmFestivita>();
        l.forma()->show();
        ricerca(l)->setFocus();
        QTest::keyClick(ricerca(l), Qt::Key_F8);
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Scheda Festività"_s});
        QTest::keyClick(ricerca(l), Qt::Key_F7);
        QCOMPARE(unicoMessaggio(), u"Selezionare la festività da eliminare"_s);
        QTest::keyClick(ricerca(l), Qt::Key_Escape);
        QVERIFY(!l.caricata());
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestFestivita)
#include "test_festivita.moc"
