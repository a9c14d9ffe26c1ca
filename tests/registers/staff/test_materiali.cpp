#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/staff/materiali.h"
#include "supporto_finestre.h"

using namespace Qt::StringLiterals;

// Materials by intervention area.
class TestMateriali : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        connessione.esegui(u"INSERT INTO area_int (gruppo_nome,gruppo_descrizione,eliminato) VALUES "
                           u"('G1','GAS',0),('A1','ACQUA',0),('D1','DISMESSI',1)"_s);
        // XX has a group that does not exist, ZZ is deleted, FILT is in a deleted group.
        connessione.esegui(u"INSERT INTO materiali (mat_nome,mat_descrizione,cod_gruppo,eliminato) VALUES "
                           u"('VALV','VALVOLA',1,0),('TUBO','TUBO RAME',2,0),('FILT','FILTRO',3,0),('XX','',99,0),"
                           u"('ANELLO','',1,0),('ZZ','',1,1)"_s);
    }
    void cleanup() { db.reset(); }

    void ordinamentoERicerca_data()
    {
        QTest::addColumn<QString>("opzione");
        QTest::addColumn<QString>("prefisso");
        QTest::addColumn<QStringList>("materiali");
        QTest::newRow("by group") << u"optOrdinaPerGruppo"_s << QString()
                                  << QStringList{u"TUBO"_s, u"FILT"_s, u"ANELLO"_s, u"VALV"_s};
        QTest::newRow("by material") << u"optOrdinaPerMateriale"_s << QString()
                                     << QStringList{u"ANELLO"_s, u"FILT"_s, u"TUBO"_s, u"VALV"_s};
        QTest::newRow("group G") << u"optOrdinaPerGruppo"_s << u"g"_s << QStringList{u"ANELLO"_s, u"VALV"_s};
        QTest::newRow("deleted group D") << u"optOrdinaPerGruppo"_s << u"D"_s << QStringList{u"FILT"_s};
        QTest::newRow("material T") << u"optOrdinaPerMateriale"_s << u"T"_s << QStringList{u"TUBO"_s};
        QTest::newRow("material is not group") << u"optOrdinaPerMateriale"_s << u"G"_s << QStringList{};
    }
    void ordinamentoERicerca()
    {
        QFETCH(QString, opzione);
        QFETCH(QString, prefisso);
        QFETCH(QStringList, materiali);
        frmMateriali& l = istanza<frmMateriali>();
        l.carica();
        QCOMPARE(l.ordinamento, u"gruppo_nome COLLATE ITALIANO, mat_nome COLLATE ITALIANO"_s);
        QTest::keyClicks(ricerca(l), prefisso);
        premi(l.forma(), opzione);
        QCOMPARE(colonna(l, 2), materiali);
    }

    void colonne()
    {
        frmMateriali& l = istanza<frmMateriali>();
        QCOMPARE(intestazioni(l),
                 (QStringList{u"Sigla Gruppo"_s, u"Nome Gruppo"_s, u"Sigla Materiale"_s, u"Materiale"_s}));
        QCOMPARE(colonna(l, 1).first(), u"ACQUA"_s);
        QCOMPARE(colonna(l, 3).first(), u"TUBO RAME"_s);
    }

    void controllo()
    {
        schMateriale& s = istanza<schMateriale>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* f) {
            premi(f, u"cmdConferma"_s);
            QVERIFY(f->isVisible());
        });
        s.mostraModale();
        QCOMPARE(unicoMessaggio(), u"Attenzione ! si sono verificati i seguenti errori\r\n"
                                   u"Selezionare la tipologia del gruppo\r\nInserire il nome del materiale\r\n"_s);
        QVERIFY(!s.bConferma);
    }

    void inserimento()
    {
        schMateriale& s = istanza<schMateriale>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* f) {
            auto* gruppi = f->findChild<ComboDati*>(u"cmbGruppo"_s);
            QCOMPARE(gruppi->count(), 2);
            QCOMPARE(gruppi->itemText(0), u"A1 - ACQUA"_s);
            QCOMPARE(gruppi->currentIndex(), -1);
            gruppi->impostaValoreLegato(1);
            f->findChild<QLineEdit*>(u"txtNome"_s)->setText(u"guarn'1"_s);
            premi(f, u"cmdConferma"_s);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        QCOMPARE(riga(u"SELECT mat_nome, mat_descrizione, cod_gruppo, eliminato FROM materiali WHERE idMat = "_s
                      + QString::number(s.nNuovoID)),
                 (QStringList{u"GUARN'1"_s, QString(), u"1"_s, u"0"_s}));
        QCOMPARE(conta(u"SELECT count(*) FROM materiali WHERE mat_descrizione IS NULL"_s), 0);
    }

    void materialeEliminatoNelFrattempo()
    {
        frmMateriali& l = istanza<frmMateriali>();
        l.carica();
        connessione.esegui(u"UPDATE materiali SET eliminato = 1 WHERE mat_nome = 'TUBO'"_s);
        l.dettagli();
        QCOMPARE(unicoMessaggio(), u"Materiale inesistente!"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QVERIFY(seamModale::mostrate().isEmpty());
    }

    void eliminazione()
    {
        frmMateriali& l = istanza<frmMateriali>();
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(unicoMessaggio(), u"ELiminare il materiale:TUBO?"_s);
        QCOMPARE(conta(u"SELECT eliminato FROM materiali WHERE mat_nome = 'TUBO'"_s), 1);
        QCOMPARE(colonna(l, 2), (QStringList{u"FILT"_s, u"ANELLO"_s, u"VALV"_s}));
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestMateriali)
#include "test_materiali.moc"
