#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/lookup/tipo_richieste.h"
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
int tipi()
{
    return connessione.apriAvanti(u"SELECT count(*) FROM tipoRichiesta"_s).campo(0).toInt();
}

} // namespace

class TestTipoRichieste : public QObject {
    Q_OBJECT
private slots:
    void eliminazione_data()
    {
        QTest::addColumn<bool>("usato");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<int>("tipiDopo");
        QTest::newRow("used by a call's request")
            << true
            << QStringList{u"La tipologia di richiesta e' utilizzata in almeno una chiamata: non e' possibile eliminarla."_s}
            << 2;
        QTest::newRow("unused") << false << QStringList{u"ELiminare la tipologia di richiesta:1?"_s} << 1;
    }
    void eliminazione()
    {
        QFETCH(bool, usato);
        QFETCH(QStringList, messaggi);
        QFETCH(int, tipiDopo);
        DatabaseTest db;
        connessione.esegui(u"INSERT INTO tipoRichiesta (tipoRicSigla, tipoRicNome) VALUES ('A', 'ACCENSIONE')"_s);
        connessione.esegui(u"INSERT INTO tipoRichiesta (tipoRicSigla, tipoRicNome) VALUES ('B', 'BLOCCO')"_s);
        connessione.esegui(u"INSERT INTO richieste (ricCodChiamata, ricCodRichiesta) VALUES (7, 2)"_s);
        if (usato)
            connessione.esegui(u"INSERT INTO richieste (ricCodChiamata, ricCodRichiesta) VALUES (7, 1)"_s);
        auto& l = istanza<frmTipoRichieste>();
        QCOMPARE(l.forma()->findChild<Griglia*>(u"griglia"_s)->valore(u"idTipoRichiesta"_s).toInt(), 1);
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(seamMessaggi::testi(), messaggi);
        QCOMPARE(tipi(), tipiDopo);
        QCOMPARE(l.forma()->findChild<Griglia*>(u"griglia"_s)->model()->rowCount(), tipiDopo);
    }

    void nuovaChiaveDopoLaPiuAlta()
    {
        DatabaseTest db;
        for (const char* s : {"A", "B", "C"})
            connessione.esegui(u"INSERT INTO tipoRichiesta (tipoRicSigla, tipoRicNome) VALUES ('%1', '%1')"_s.arg(
                QLatin1String(s)));
        auto& l = istanza<frmTipoRichieste>();
        QTest::keyClicks(l.forma()->findChild<QLineEdit*>(u"txtNome"_s), u"C"_s);
        seamMessaggi::rispondi(Risposta::Si);
        l.cancella();
        QCOMPARE(tipi(), 2);
        seamModale::accoda([](QWidget* scheda) {
            scheda->findChild<QLineEdit*>(u"txtSigla"_s)->setText(u"D"_s);
            scheda->findChild<QLineEdit*>(u"txtnome_ins"_s)->setText(u"DIAGNOSI"_s);
            QTest::mouseClick(scheda->findChild<QPushButton*>(u"cmdOk"_s), Qt::LeftButton);
        });
        l.inserisci();
        QVERIFY(istanza<schTipoRic>().bConferma);
        QCOMPARE(istanza<schTipoRic>().nNuovoID, 4L);
    }
};

CORVEXT_TEST_MAIN(TestTipoRichieste)
#include "test_tipo_richieste.moc"
