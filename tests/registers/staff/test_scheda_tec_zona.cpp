#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/messaggi.h"
#include "registers/staff/scheda_tec_zona.h"
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QStringList vociLista(QListWidget* l)
{
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v << l->item(i)->text();
    v.sort();
    return v;
}

int coppieVive(int tecnico, int zona)
{
    Recordset rs = connessione.apriAvanti(u"select count(*) as n from tecnici_per_zona where eliminato=0"
                                          u" and codTecnico=%1 and codZona=%2"_s.arg(tecnico)
                                              .arg(zona));
    return rs.campo(u"n"_s).toInt();
}
} // namespace

// The card that keeps the zones of one technician.
class TestSchedaTecZona : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        // Technicians 1 ROSSI, 2 BIANCHI, 3 VERDI (disabled); zones 1 NORD, 2 SUD, 3 EST (deleted).
        connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico,eliminato) VALUES "
                           u"('R1','ROSSI',0),('B1','BIANCHI',0),('V1','VERDI',1)"_s);
        connessione.esegui(u"INSERT INTO zone (sigla_zona,desc_zona,eliminato) VALUES "
                           u"('N','NORD',0),('S','SUD',0),('E','EST',1)"_s);
        // Bianchi: Nord and Est live, Sud removed; Verdi: Sud.
        connessione.esegui(u"INSERT INTO tecnici_per_zona (codZona,codTecnico,eliminato) VALUES "
                           u"(1,2,0),(3,2,0),(2,2,1),(2,3,0)"_s);
    }
    void cleanup() { db.reset(); }

    void apertura()
    {
        auto& c = controlli();
        QCOMPARE(vociCombo(c.tecnico), (QStringList{u"B1 - BIANCHI"_s, u"R1 - ROSSI"_s}));
        QCOMPARE(vociCombo(c.zona), (QStringList{u"N - NORD"_s, u"S - SUD"_s}));
        QCOMPARE(c.tecnico->currentText(), u"B1 - BIANCHI"_s);
        QCOMPARE(c.zona->currentIndex(), -1);
        QCOMPARE(vociLista(c.elenco), (QStringList{u"E - EST"_s, u"N - NORD"_s}));

        c.tecnico->impostaValoreLegato(1);
        QVERIFY(vociLista(c.elenco).isEmpty());
    }

    void senzaTecniciAbilitati()
    {
        connessione.esegui(u"UPDATE tecnici set eliminato=1"_s);
        auto& c = controlli();
        QCOMPARE(c.tecnico->count(), 0);
        QVERIFY(vociLista(c.elenco).isEmpty());
    }

    void aggiuntaIncompleta_data()
    {
        QTest::addColumn<bool>("conTecnico");
        QTest::addColumn<bool>("conZona");
        QTest::addColumn<QString>("atteso");
        const QString testa = u"Attenzione! si sono verificati i seguenti errori/e:"_s;
        QTest::newRow("neither") << false << false
                                 << testa + u"Selezionare il tecnico dall'elencoSelezionare la zona dall'elenco"_s;
        QTest::newRow("no zone") << true << false << testa + u"Selezionare la zona dall'elenco"_s;
        QTest::newRow("no technician") << false << true << testa + u"Selezionare il tecnico dall'elenco"_s;
    }
    void aggiuntaIncompleta()
    {
        QFETCH(bool, conTecnico);
        QFETCH(bool, conZona);
        QFETCH(QString, atteso);
        auto& c = controlli();
        if (!conTecnico)
            c.pulsante(u"cmdResetTecnico"_s)->click();
        if (conZona)
            c.zona->impostaValoreLegato(2);
        c.pulsante(u"cmdAggiungi"_s)->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, atteso);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::soloOK);
        QCOMPARE(coppieVive(2, 2) + coppieVive(1, 2), 0);
    }

    void aggiunta()
    {
        auto& c = controlli();
        c.tecnico->impostaValoreLegato(1);
        c.zona->impostaValoreLegato(2);
        c.pulsante(u"cmdAggiungi"_s)->click();
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(coppieVive(1, 2), 1);
        QCOMPARE(c.tecnico->currentText(), u"R1 - ROSSI"_s);
        QCOMPARE(c.zona->currentIndex(), -1);
        QCOMPARE(vociLista(c.elenco), QStringList{u"S - SUD"_s});
    }

    void coppiaGiaViva()
    {
        auto& c = controlli();
        c.zona->impostaValoreLegato(1);
        c.pulsante(u"cmdAggiungi"_s)->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, u"La zona selezionata e' gia' assegnata al tecnico"_s);
        QCOMPARE(coppieVive(2, 1), 1);
        QCOMPARE(c.tecnico->currentText(), u"B1 - BIANCHI"_s);
        QCOMPARE(c.zona->currentText(), u"N - NORD"_s);

        // A removed pair is no obstacle: the zone is added again as a new row.
        seamMessaggi::azzera();
        c.zona->impostaValoreLegato(2);
        c.pulsante(u"cmdAggiungi"_s)->click();
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(coppieVive(2, 2), 1);
        QCOMPARE(connessione.apriAvanti(u"select count(*) as n from tecnici_per_zona where codZona=2 and codTecnico=2"_s)
                     .campo(u"n"_s)
                     .toInt(),
                 2);
    }

    void rimozione()
    {
        auto& c = controlli();
        c.pulsante(u"cmdRimuovi"_s)->click();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo,
                 u"Selezionare l'associazione della zona tecnico da eliminare"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        QCOMPARE(coppieVive(2, 1), 1);

        seamMessaggi::azzera();
        c.elenco->setCurrentItem(c.elenco->findItems(u"N - NORD"_s, Qt::MatchExactly).first());
        c.pulsante(u"cmdRimuovi"_s)->click();
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(coppieVive(2, 1), 0);
        QCOMPARE(connessione.apriAvanti(u"select eliminato from tecnici_per_zona where idTecZon=1"_s)
                     .campo(u"eliminato"_s)
                     .toInt(),
                 1);
        QCOMPARE(c.tecnico->currentText(), u"B1 - BIANCHI"_s);
        QCOMPARE(vociLista(c.elenco), QStringList{u"E - EST"_s});
    }

    void azzeramenti()
    {
        auto& c = controlli();
        c.zona->impostaValoreLegato(2);
        c.pulsante(u"cmdResetZone"_s)->click();
        QCOMPARE(c.zona->currentIndex(), -1);
        c.pulsante(u"cmdResetTecnico"_s)->click();
        QCOMPARE(c.tecnico->currentIndex(), -1);
        QCOMPARE(vociLista(c.elenco), (QStringList{u"E - EST"_s, u"N - NORD"_s}));
    }

    void predisposizione_data()
    {
        QTest::addColumn<long>("coppia");
        QTest::addColumn<QString>("tecnico");
        QTest::addColumn<QString>("zona");
        QTest::addColumn<QStringList>("elenco");
        QTest::newRow("live pair") << 1L << u"B1 - BIANCHI"_s << u"N - NORD"_s
                                   << QStringList{u"E - EST"_s, u"N - NORD"_s};
        QTest::newRow("deleted zone") << 2L << u"B1 - BIANCHI"_s << QString() << QStringList{u"E - EST"_s, u"N - NORD"_s};
        QTest::newRow("disabled technician") << 4L << QString() << u"S - SUD"_s << QStringList{u"S - SUD"_s};
    }
    void predisposizione()
    {
        QFETCH(long, coppia);
        QFETCH(QString, tecnico);
        QFETCH(QString, zona);
        QFETCH(QStringList, elenco);
        schTecZona& s = istanza<schTecZona>();
        s.carica();
        s.nID = coppia;
        QVERIFY(s.predisponi());
        auto& c = controlli();
        QCOMPARE(c.tecnico->currentText(), tecnico);
        QCOMPARE(c.zona->currentText(), zona);
        QCOMPARE(vociLista(c.elenco), elenco);
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    void coppiaNonPiuViva()
    {
        schTecZona& s = istanza<schTecZona>();
        s.carica();
        s.nID = 3;
        QVERIFY(!s.predisponi());
        QVERIFY(!s.caricata());
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo, u"Associazione inesistente!"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
    }

private:
    struct Controlli {
        QWidget* forma;
        ComboDati* tecnico;
        ComboDati* zona;
        QListWidget* elenco;
        QPushButton* pulsante(const QString& nome) const { return forma->findChild<QPushButton*>(nome); }
    };
    Controlli& controlli()
    {
        QWidget* f = istanza<schTecZona>().forma();
        c = {f, f->findChild<ComboDati*>(u"cmbTecnico"_s), f->findChild<ComboDati*>(u"cmbZona"_s),
             f->findChild<QListWidget*>(u"lstZone"_s)};
        return c;
    }
    Controlli c{};
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestSchedaTecZona)
#include "test_scheda_tec_zona.moc"
