#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/zone_tecnici.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

// The list of technician-zone pairs: its sort options, search, delete and card.
class TestZoneTecnici : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico,tecnico,eliminato) VALUES "
                           u"('AR','ROSSI',0),('BB','BIANCHI',0),('AA','ALFIERI',1)"_s);
        connessione.esegui(u"INSERT INTO zone (sigla_zona,desc_zona,eliminato) VALUES "
                           u"('Z1','ALTA',0),('Z2','BASSA',0),('Z3','ARCO',1)"_s);
        // Pair 3 is of a disabled technician in a deleted zone; pair 4 is removed.
        connessione.esegui(u"INSERT INTO tecnici_per_zona (codTecnico,codZona,eliminato) VALUES "
                           u"(1,1,0),(2,2,0),(3,3,0),(2,1,1)"_s);
    }
    void cleanup() { db.reset(); }

    void ordinamentoERicerca_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<QStringList>("zone");
        QTest::newRow("by zone") << u"optOrdinaPerZona"_s << QString() << QStringList{u"Z1"_s, u"Z3"_s, u"Z2"_s};
        QTest::newRow("by technician") << u"optOrdinaPerTecnico"_s << QString()
                                       << QStringList{u"Z3"_s, u"Z1"_s, u"Z2"_s};
        QTest::newRow("zone name A") << u"optOrdinaPerZona"_s << u"A"_s << QStringList{u"Z1"_s, u"Z3"_s};
        QTest::newRow("technician code A") << u"optOrdinaPerTecnico"_s << u"a"_s << QStringList{u"Z3"_s, u"Z1"_s};
        QTest::newRow("zone name B") << u"optOrdinaPerZona"_s << u"B"_s << QStringList{u"Z2"_s};
        QTest::newRow("technician code B") << u"optOrdinaPerTecnico"_s << u"BB"_s << QStringList{u"Z2"_s};
        QTest::newRow("a code is no zone name") << u"optOrdinaPerZona"_s << u"AA"_s << QStringList{};
        QTest::newRow("a name is no technician code") << u"optOrdinaPerTecnico"_s << u"RO"_s << QStringList{};
    }
    void ordinamentoERicerca()
    {
        QFETCH(QString, opzione);
        QFETCH(QString, prefisso);
        QFETCH(QStringList, zone);
        frmZoneTecnici& l = istanza<frmZoneTecnici>();
        l.carica();
        QCOMPARE(l.ordinamento, u"desc_zona COLLATE ITALIANO"_s);
        QTest::keyClicks(ricerca(l), prefisso);
        // The search text stays when the sort changes, and is matched against the new column.
        premi(l.forma(), opzione);
        QCOMPARE(l.ordinamento, opzione == u"optOrdinaPerZona"_s ? u"desc_zona COLLATE ITALIANO"_s
                                                                : u"sigla_tecnico COLLATE ITALIANO"_s);
        QCOMPARE(ricerca(l)->text(), prefisso);
        QCOMPARE(colonna(l, 0), zone);
    }

    void colonne()
    {
        frmZoneTecnici& l = istanza<frmZoneTecnici>();
        QCOMPARE(intestazioni(l), (QStringList{u"Sigla Zona"_s, u"Zona"_s, u"Tecnico"_s}));
        QCOMPARE(colonna(l, 1), (QStringList{u"ALTA"_s, u"ARCO"_s, u"BASSA"_s}));
        QCOMPARE(colonna(l, 2), (QStringList{u"ROSSI"_s, u"ALFIERI"_s, u"BIANCHI"_s}));
    }

    void eliminazione()
    {
        frmZoneTecnici& l = istanza<frmZoneTecnici>();
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"ELiminare l'associazione:ROSSI-ALTA?"_s);
        QCOMPARE(conta(u"SELECT eliminato FROM tecnici_per_zona WHERE idTecZon = 1"_s), 1);
        QCOMPARE(colonna(l, 0), (QStringList{u"Z3"_s, u"Z2"_s}));

        seamMessaggi::azzera();
        ricerca(l)->setText(u"X"_s);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"Selezionare l'associazione della zona tecnico da eliminare"_s);
    }

    void modificaApreLaCoppia()
    {
        frmZoneTecnici& l = istanza<frmZoneTecnici>();
        QString tecnico, zona;
        seamModale::accoda([&](QWidget* f) {
            tecnico = f->findChild<ComboDati*>(u"cmbTecnico"_s)->currentText();
            zona = f->findChild<ComboDati*>(u"cmbZona"_s)->currentText();
            // A zone added in the card shows in the list once the card has closed.
            f->findChild<ComboDati*>(u"cmbZona"_s)->impostaValoreLegato(2);
            premi(f, u"cmdAggiungi"_s);
            premi(f, u"cmdChiudi"_s);
        });
        l.dettagli();
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Scheda Tecnico per zona"_s});
        QCOMPARE(tecnico, u"AR - ROSSI"_s);
        QCOMPARE(zona, u"Z1 - ALTA"_s);
        QCOMPARE(colonna(l, 0), (QStringList{u"Z1"_s, u"Z3"_s, u"Z2"_s, u"Z2"_s}));
    }

    void coppiaRimossaNelFrattempo()
    {
        frmZoneTecnici& l = istanza<frmZoneTecnici>();
        l.carica();
        connessione.esegui(u"UPDATE tecnici_per_zona SET eliminato = 1 WHERE idTecZon = 1"_s);
        l.dettagli();
        QCOMPARE(unicoMessaggio(), u"Associazione inesistente!"_s);
        QVERIFY(seamModale::mostrate().isEmpty());
        QCOMPARE(colonna(l, 0), (QStringList{u"Z1"_s, u"Z3"_s, u"Z2"_s}));
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestZoneTecnici)
#include "test_zone_tecnici.moc"
