#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "registers/modello/scheda_registro.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// A card with one field of every kind, over a table of its own.
class schProva : public SchedaRegistro {
public:
    schProva()
        : SchedaRegistro({
              .tabella = u"prove"_s,
              .chiave = u"id"_s,
              .titolo = u"Scheda Prova"_s,
              .campi = {{.colonna = u"nome"_s, .controllo = u"txtNome"_s, .messaggioVuoto = u"manca il nome"_s},
                        {.colonna = u"tipo"_s,
                         .controllo = u"cmbTipo"_s,
                         .messaggioVuoto = u"manca il tipo"_s,
                         .tipo = CampoScheda::Tipo::elenco,
                         .voci = {u"UNO"_s, u"DUE"_s}},
                        {.colonna = u"attivo"_s, .controllo = u"chkAttivo"_s, .tipo = CampoScheda::Tipo::spunta},
                        {.colonna = u"cod_zona"_s,
                         .controllo = u"cmbZona"_s,
                         .messaggioVuoto = u"manca la zona"_s,
                         .tipo = CampoScheda::Tipo::combo,
                         .sqlVoci = u"SELECT idZona, sigla_zona FROM zone WHERE eliminato=0 ORDER BY sigla_zona"_s,
                         .campoMostrato = u"sigla_zona"_s,
                         .campoLegato = u"idZona"_s},
                        {.colonna = u"giorno"_s, .controllo = u"dtpGiorno"_s, .tipo = CampoScheda::Tipo::data}},
              .controllo = DescrizioneScheda::Controllo::elenca,
              .testoOk = u"&Conferma"_s,
              .nomeOk = u"cmdConferma"_s,
          })
    {
    }
};

void preparaProve()
{
    connessione.esegui(u"CREATE TABLE prove (id INTEGER PRIMARY KEY AUTOINCREMENT, nome TEXT, tipo TEXT, "
                       u"attivo INTEGER, cod_zona INTEGER, giorno DATE)"_s);
    connessione.esegui(u"INSERT INTO zone (sigla_zona, desc_zona) VALUES ('Z1', 'UNO')"_s);
    connessione.esegui(u"INSERT INTO zone (sigla_zona, desc_zona) VALUES ('Z2', 'DUE')"_s);
}

template <class T>
T* campo(QWidget* scheda, const QString& nome)
{
    return scheda->findChild<T*>(nome);
}

void conferma(QWidget* scheda)
{
    QTest::mouseClick(campo<QPushButton>(scheda, u"cmdConferma"_s), Qt::LeftButton);
}
} // namespace

class TestCampiScheda : public QObject {
    Q_OBJECT
private slots:
    void controlloElencaGliErrori()
    {
        DatabaseTest db;
        preparaProve();
        auto& s = istanza<schProva>();
        s.nModalità = 0;
        seamModale::accoda(conferma);
        s.mostraModale();
        QCOMPARE(seamMessaggi::mostrati().size(), 1);
        QCOMPARE(seamMessaggi::mostrati().first().testo,
                 u"Attenzione ! si sono verificati i seguenti errori\r\nmanca il nome\r\nmanca il tipo\r\nmanca la zona\r\n"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        QVERIFY(!s.bConferma);
    }

    void scriveERileggeOgniTipoDiCampo()
    {
        DatabaseTest db;
        preparaProve();
        auto& s = istanza<schProva>();
        s.nModalità = 0;
        seamModale::accoda([](QWidget* scheda) {
            campo<QLineEdit>(scheda, u"txtNome"_s)->setText(u"d'uno"_s);
            campo<QComboBox>(scheda, u"cmbTipo"_s)->setCurrentIndex(1);
            campo<QCheckBox>(scheda, u"chkAttivo"_s)->setChecked(true);
            campo<ComboDati>(scheda, u"cmbZona"_s)->impostaValoreLegato(2);
            campo<DataOpzionale>(scheda, u"dtpGiorno"_s)->impostaData(QDate(2024, 3, 7));
            conferma(scheda);
        });
        s.mostraModale();
        QVERIFY(s.bConferma);
        Recordset rs = connessione.apriAvanti(u"SELECT * FROM prove WHERE id = "_s + QString::number(s.nNuovoID));
        QCOMPARE(rs[u"nome"_s].toString(), u"D'UNO"_s);
        QCOMPARE(rs[u"tipo"_s].toString(), u"DUE"_s);
        QCOMPARE(rs[u"attivo"_s].toInt(), 1);
        QCOMPARE(rs[u"cod_zona"_s].toInt(), 2);
        QCOMPARE(rs[u"giorno"_s].toDate(), QDate(2024, 3, 7));

        QString zona, tipo;
        bool attivo = false;
        QDate giorno;
        seamModale::accoda([&](QWidget* scheda) {
            zona = campo<ComboDati>(scheda, u"cmbZona"_s)->currentText();
            tipo = campo<QComboBox>(scheda, u"cmbTipo"_s)->currentText();
            attivo = campo<QCheckBox>(scheda, u"chkAttivo"_s)->isChecked();
            giorno = campo<DataOpzionale>(scheda, u"dtpGiorno"_s)->data();
            campo<QCheckBox>(scheda, u"chkAttivo"_s)->setChecked(false);
            conferma(scheda);
        });
        s.carica();
        s.nID = s.nNuovoID;
        s.nModalità = 1;
        QVERIFY(s.predisponi());
        s.mostraModale();
        QCOMPARE(zona, u"Z2"_s);
        QCOMPARE(tipo, u"DUE"_s);
        QVERIFY(attivo);
        QCOMPARE(giorno, QDate(2024, 3, 7));
        QCOMPARE(connessione.apriAvanti(u"SELECT attivo FROM prove"_s).campo(0).toInt(), 0);
    }
};

CORVEXT_TEST_MAIN(TestCampiScheda)
#include "test_campi_scheda.moc"
