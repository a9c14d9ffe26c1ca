#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/prodotti.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

namespace {
ComboDati* combo(QWidget* f, const QString& nome)
{
    return f->findChild<ComboDati*>(nome);
}
} // namespace

// The brand-model catalogue: its list and its card, also as a quick-add.
class TestProdotti : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        connessione.esegui(u"INSERT INTO tipoProd (sigla_tipo_prodotto,tipo_nome,eliminato) VALUES "
                           u"('C','CALDAIA',0),('B','BOILER',0),('A','ARIA',1)"_s);
        connessione.esegui(u"INSERT INTO marche (sigla_marca,marca,eliminato) VALUES "
                           u"('BX','BAXI',0),('AR','ARISTON',0),('CL','CLIMA',1)"_s);
        // X99 has a brand that does not exist, D50 is deleted; B30 and C40 have a deleted brand or type.
        connessione.esegui(u"INSERT INTO prodotti (modello,cod_marca,cod_tipo_prodotto,eliminato) VALUES "
                           u"('M10',1,1,0),('A20',2,1,0),('B30',3,2,0),('X99',99,1,0),('C40',2,3,0),"
                           u"('D50',1,1,1),('AB1',1,2,0)"_s);
    }
    void cleanup() { db.reset(); }

    void elencoCompleto_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<int>("colonnaOrdine");
        QTest::addColumn<QStringList>("valori");
        QTest::newRow("type") << u"optOrdinaPerTipo"_s << 0
                              << QStringList{u"ARIA"_s, u"BOILER"_s, u"BOILER"_s, u"CALDAIA"_s, u"CALDAIA"_s};
        QTest::newRow("brand") << u"optOrdinaPerMarca"_s << 1
                               << QStringList{u"ARISTON"_s, u"ARISTON"_s, u"BAXI"_s, u"BAXI"_s, u"CLIMA"_s};
        QTest::newRow("model") << u"optOrdinaPerModello"_s << 2
                               << QStringList{u"A20"_s, u"AB1"_s, u"B30"_s, u"C40"_s, u"M10"_s};
    }
    void elencoCompleto()
    {
        QFETCH(QString, opzione);
        QFETCH(int, colonnaOrdine);
        QFETCH(QStringList, valori);
        frmProdotti& l = istanza<frmProdotti>();
        QCOMPARE(intestazioni(l), (QStringList{u"Tipo"_s, u"Marca"_s, u"Modello"_s}));
        premi(l.forma(), opzione);
        QCOMPARE(colonna(l, colonnaOrdine), valori);
    }

    void ricerca_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<QStringList>("modelli");
        QTest::newRow("type B: brand, then model") << u"optOrdinaPerTipo"_s << u"B"_s
                                                   << QStringList{u"AB1"_s, u"B30"_s};
        QTest::newRow("type C") << u"optOrdinaPerTipo"_s << u"c"_s << QStringList{u"A20"_s, u"M10"_s};
        QTest::newRow("deleted type still listed") << u"optOrdinaPerTipo"_s << u"AR"_s << QStringList{u"C40"_s};
        QTest::newRow("brand A: model order") << u"optOrdinaPerMarca"_s << u"A"_s << QStringList{u"A20"_s, u"C40"_s};
        QTest::newRow("brand B") << u"optOrdinaPerMarca"_s << u"BA"_s << QStringList{u"AB1"_s, u"M10"_s};
        QTest::newRow("deleted brand still listed") << u"optOrdinaPerMarca"_s << u"CL"_s << QStringList{u"B30"_s};
        QTest::newRow("model A") << u"optOrdinaPerModello"_s << u"A"_s << QStringList{u"A20"_s, u"AB1"_s};
        QTest::newRow("model is not brand") << u"optOrdinaPerModello"_s << u"BA"_s << QStringList{};
    }
    void ricerca()
    {
        QFETCH(QString, opzione);
        QFETCH(QString, prefisso);
        QFETCH(QStringList, modelli);
        frmProdotti& l = istanza<frmProdotti>();
        QTest::keyClicks(::ricerca(l), prefisso);
        premi(l.forma(), opzione);
        QCOMPARE(colonna(l, 2), modelli);
    }

    void eliminazione()
    {
        frmProdotti& l = istanza<frmProdotti>();
        premi(l.forma(), u"optOrdinaPerModello"_s);
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"ELiminare il modello:A20?"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::siNo | stile::domanda | stile::secondoPredefinito);
        QCOMPARE(conta(u"SELECT eliminato FROM prodotti WHERE idModello = 2"_s), 1);
        QCOMPARE(colonna(l, 2).first(), u"AB1"_s);
    }

    void controllo()
    {
        schProdotto& s = istanza<schProdotto>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* f) {
            f->findChild<QLineEdit*>(u"txtModello"_s)->setText(u"Z1"_s);
            premi(f, u"cmdConferma"_s);
            QVERIFY(f->isVisible());
        });
        s.mostraModale();
        QCOMPARE(unicoMessaggio(), u"Attenzione ! si sono verificati i seguenti errori\r\n"
                                   u"Selezionare la tipologia del modello\r\nSelezionare la marca del modello\r\n"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        QVERIFY(!s.bConferma);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti"_s), 7);
    }

    void aggiuntaRapida_data()
    {
        QTest::addColumn<QString>("esito");
        QTest::newRow("confirmed") << u"confermato"_s;
        QTest::newRow("refused by the database") << u"fallito"_s;
        QTest::newRow("cancelled") << u"annullato"_s;
        QTest::newRow("close box") << u"chiuso"_s;
    }
    void aggiuntaRapida()
    {
        QFETCH(QString, esito);
        if (esito == u"fallito"_s)
            connessione.esegui(u"CREATE TRIGGER rifiuta BEFORE INSERT ON prodotti BEGIN SELECT RAISE(ABORT,'no'); END"_s);
        schProdotto& s = istanza<schProdotto>();
        s.codTipo = 5;
        s.codMarca = 6;
        s.prodotto = u"PRIMA"_s;
        // As the appliance card does it: load, new mode, its own brand and type chosen, show.
        s.carica();
        s.nModalità = 0;
        combo(s.forma(), u"cmbMarca"_s)->impostaValoreLegato(2);
        combo(s.forma(), u"cmbTipo"_s)->impostaValoreLegato(1);
        bool restaAperta = false;
        seamModale::accoda([&](QWidget* f) {
            QCOMPARE(combo(f, u"cmbMarca"_s)->currentText(), u"ARISTON"_s);
            QCOMPARE(combo(f, u"cmbTipo"_s)->currentText(), u"CALDAIA"_s);
            f->findChild<QLineEdit*>(u"txtModello"_s)->setText(u"nuovo"_s);
            if (esito == u"annullato"_s)
                premi(f, u"cmdAnnulla"_s);
            else if (esito != u"chiuso"_s)
                premi(f, u"cmdConferma"_s);
            restaAperta = f->isVisible();
        });
        s.mostraModale();
        if (esito == u"confermato"_s) {
            QVERIFY(s.bConferma);
            QCOMPARE(s.codTipo, 1L);
            QCOMPARE(s.codMarca, 2L);
            QCOMPARE(s.prodotto, u"NUOVO"_s);
            QCOMPARE(riga(u"SELECT modello, cod_marca, cod_tipo_prodotto FROM prodotti WHERE idModello = "_s
                          + QString::number(s.nNuovoID)),
                     (QStringList{u"NUOVO"_s, u"2"_s, u"1"_s}));
            return;
        }
        // A refused insert keeps the card open; the close box comes after the action.
        QCOMPARE(restaAperta, esito != u"annullato"_s);
        QCOMPARE(seamMessaggi::mostrati().size(), esito == u"fallito"_s ? 1 : 0);
        QVERIFY(!s.bConferma);
        QCOMPARE(s.codTipo, 5L);
        QCOMPARE(s.codMarca, 6L);
        QCOMPARE(s.prodotto, u"PRIMA"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti"_s), 7);
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestProdotti)
#include "test_prodotti.moc"
