#include "ambiente_test.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/ui/campo_ora.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/data_opzionale.h"
#include "registers/modello/legame_campi.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// One field of every kind over a table that stores what they write.
struct Campi {
    QWidget finestra;
    QLineEdit* testo = new QLineEdit(&finestra);
    QPlainTextEdit* memo = new QPlainTextEdit(&finestra);
    QLineEdit* intero = new QLineEdit(&finestra);
    QLineEdit* decimale = new QLineEdit(&finestra);
    CampoOra* ora = new CampoOra(&finestra);
    DataOpzionale* data = new DataOpzionale(true, &finestra);
    QCheckBox* spunta = new QCheckBox(&finestra);
    ComboDati* combo = new ComboDati(&finestra);
    LegameCampi legame;

    Campi()
    {
        legame.lega(u"testo"_s, testo, TipoCampo::testo);
        legame.lega(u"memo"_s, memo, TipoCampo::memo);
        legame.lega({u"intero"_s, intero, TipoCampo::intero, 0, u"L'anno deve essere un numero intero"_s});
        legame.lega(u"decimale"_s, decimale, TipoCampo::decimale);
        legame.lega(u"ora"_s, ora, TipoCampo::ora);
        legame.lega(u"data"_s, data, TipoCampo::data);
        legame.lega(u"spunta"_s, spunta, TipoCampo::spunta);
        legame.lega(u"combo"_s, combo, TipoCampo::combo);
        combo->riempi(connessione.apriStatico(u"SELECT idZona, sigla_zona FROM zone"_s), u"sigla_zona"_s, u"idZona"_s);
    }
};

void creaTabella()
{
    connessione.esegui(u"CREATE TABLE prove (id INTEGER PRIMARY KEY, testo TEXT, memo TEXT, intero INTEGER, "
                       "decimale REAL, ora TIME, data DATE, spunta INTEGER, combo INTEGER)"_s);
    connessione.esegui(u"INSERT INTO zone (sigla_zona, desc_zona) VALUES ('NORD', 'NORD')"_s);
}

QVariantList riga(qlonglong id)
{
    Recordset rs = connessione.apriStatico(u"SELECT testo, memo, intero, decimale, ora, data, spunta, combo "
                                           "FROM prove WHERE id = ?"_s,
                                           {id});
    QVariantList v;
    for (int i = 0; i < rs.numeroCampi(); ++i)
        v << rs.campo(i);
    return v;
}
} // namespace

class TestLegameCampi : public QObject {
    Q_OBJECT
private slots:
    void numeri_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("intero");
        QTest::addColumn<bool>("decimale");
        QTest::addColumn<double>("valore");
        QTest::newRow("whole") << "42" << true << true << 42.0;
        QTest::newRow("blanks around") << " -7 " << true << true << -7.0;
        QTest::newRow("comma") << "12,5" << false << true << 12.5;
        QTest::newRow("point") << "12.5" << false << true << 12.5;
        QTest::newRow("leading mark") << ",5" << false << true << 0.5;
        QTest::newRow("two marks") << "1.234,5" << false << false << 0.0;
        QTest::newRow("comment") << "0 --" << false << false << 0.0;
        QTest::newRow("exponent") << "1e5" << false << false << 0.0;
        QTest::newRow("word") << "dieci" << false << false << 0.0;
        QTest::newRow("empty") << "" << false << false << 0.0;
    }
    void numeri()
    {
        QFETCH(QString, testo);
        QFETCH(bool, intero);
        QFETCH(bool, decimale);
        QFETCH(double, valore);
        qlonglong n = 0;
        double d = 0;
        QCOMPARE(leggiIntero(testo, &n), intero);
        QCOMPARE(leggiDecimale(testo, &d), decimale);
        if (intero)
            QCOMPARE(double(n), valore);
        if (decimale)
            QCOMPARE(d, valore);
    }

    // What the insert writes, shown again and written by the update, is the same row.
    void daCampiARigaEIndietro()
    {
        DatabaseTest db;
        creaTabella();
        Campi c;
        c.testo->setText(u"d'uno 🔥"_s);
        c.memo->setPlainText(u"riga 1\nriga 2"_s);
        c.intero->setText(u"2026"_s);
        c.decimale->setText(u"12,5"_s);
        c.ora->setTime(QTime(9, 30));
        c.data->impostaValore(QDate(2024, 2, 29));
        c.spunta->setChecked(true);
        c.combo->setCurrentIndex(0);
        QVERIFY(c.legame.errori().isEmpty());
        connessione.esegui(c.legame.istruzioneInserimento(u"prove"_s), c.legame.valori());
        const qlonglong id = connessione.ultimoId();
        const QVariantList scritta = riga(id);
        QCOMPARE(scritta, (QVariantList{u"D'UNO 🔥"_s, u"RIGA 1\nRIGA 2"_s, 2026, 12.5, QTime(9, 30),
                                        QDate(2024, 2, 29), 1, 1}));

        Campi altri;
        altri.legame.mostra(connessione.apriStatico(u"SELECT * FROM prove"_s));
        QCOMPARE(altri.decimale->text(), u"12,5"_s);
        connessione.esegui(altri.legame.istruzioneModifica(u"prove"_s, u"id"_s), altri.legame.valori() << id);
        QCOMPARE(riga(id), scritta);

        altri.legame.svuota();
        QVERIFY(altri.testo->text().isEmpty() && altri.combo->valoreLegato().isNull());
        // An empty text is written '', never Null.
        QVERIFY(!altri.legame.valore(u"testo"_s).isNull() && !altri.legame.valore(u"memo"_s).isNull());
        QVERIFY(altri.legame.valore(u"data"_s).isNull());
        QCOMPARE(altri.legame.valore(u"combo"_s), QVariant(0));
        QCOMPARE(altri.legame.valore(u"intero"_s), QVariant(0));
    }

    // A pasted text that is not a number is refused with the field's message, never written.
    void valoriRifiutati()
    {
        DatabaseTest db;
        creaTabella();
        Campi c;
        c.intero->setText(u"0 --"_s);
        c.decimale->setText(u"12,5,1"_s);
        QCOMPARE(c.legame.errori(),
                 (QStringList{u"L'anno deve essere un numero intero"_s, u"Il valore \"12,5,1\" non e' un numero"_s}));
        QVERIFY_THROWS_EXCEPTION(ErroreDb, c.legame.valori());
        QVERIFY_THROWS_EXCEPTION(ErroreDb, c.legame.campo<QCheckBox>(u"testo"_s));
        QCOMPARE(c.legame.campo<QLineEdit>(u"testo"_s), c.testo);
    }

    // The leading number: what a typed text writes, and a stored value shown so that it writes
    // back the same.
    void numeroIniziale_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QVariant>("scritto");
        QTest::newRow("comma stops the reading") << "12,5" << QVariant(12.0);
        QTest::newRow("point is the mark") << "12.5" << QVariant(12.5);
        QTest::newRow("sign") << "-3" << QVariant(-3.0);
        QTest::newRow("mark first") << ",5" << QVariant(0.0);
        QTest::newRow("empty") << "" << QVariant(0);
        QTest::newRow("not a number") << "12 cm" << QVariant();
    }
    void numeroIniziale()
    {
        QFETCH(QString, testo);
        QFETCH(QVariant, scritto);
        QWidget w;
        auto* campo = new QLineEdit(testo, &w);
        LegameCampi l;
        l.lega({u"dim"_s, campo, TipoCampo::numeroIniziale, 0, u"Espressione non valida"_s});
        if (!scritto.isValid()) {
            QCOMPARE(l.errori(), QStringList{u"Espressione non valida"_s});
            return;
        }
        QCOMPARE(l.valore(u"dim"_s), scritto);
        l.mostra(u"dim"_s, scritto);
        QCOMPARE(l.valore(u"dim"_s).toDouble(), scritto.toDouble());
    }

    // An entry's number; a stored number the entries lack is kept until an entry is chosen.
    void voce_data()
    {
        QTest::addColumn<QVariant>("memorizzato");
        QTest::addColumn<int>("mostrata");
        QTest::addColumn<qlonglong>("riscritto");
        QTest::newRow("none") << QVariant(0) << -1 << 0LL;
        QTest::newRow("null") << QVariant() << -1 << 0LL;
        QTest::newRow("first") << QVariant(1) << 0 << 1LL;
        QTest::newRow("last") << QVariant(12) << 11 << 12LL;
        QTest::newRow("out of range") << QVariant(13) << -1 << 13LL;
        QTest::newRow("negative") << QVariant(-2) << -1 << -2LL;
    }
    void voce()
    {
        QFETCH(QVariant, memorizzato);
        QFETCH(int, mostrata);
        QFETCH(qlonglong, riscritto);
        QWidget w;
        auto* mese = new QComboBox(&w);
        for (int i = 1; i <= 12; ++i)
            mese->addItem(QString::number(i));
        LegameCampi l;
        l.lega(u"mese"_s, mese, TipoCampo::voce);
        l.mostra(u"mese"_s, memorizzato);
        QCOMPARE(mese->currentIndex(), mostrata);
        QCOMPARE(l.valore(u"mese"_s), QVariant(riscritto));
        mese->setCurrentIndex(2);
        QCOMPARE(l.valore(u"mese"_s), QVariant(3LL));
        l.mostra(u"mese"_s, memorizzato);
        mese->setCurrentIndex(-1);
        QCOMPARE(l.valore(u"mese"_s), QVariant(mostrata < 0 ? riscritto : 0LL));
        l.mostra(u"mese"_s, {});
        QCOMPARE(l.valore(u"mese"_s), QVariant(0LL));
    }

    void giornoEMeseNellAnnoCorrente()
    {
        DatabaseTest db;
        QWidget w;
        auto* d = new DataOpzionale(false, &w);
        LegameCampi l;
        l.lega(u"giorno"_s, d, TipoCampo::giornoMese);
        impostaOrologio([] { return QDate(2027, 5, 1); });
        l.mostra(u"giorno"_s, QDate(2024, 12, 8));
        QCOMPARE(l.valore(u"giorno"_s), QVariant(QDate(2027, 12, 8)));
        d->impostaValore(QDate(2024, 2, 29));
        QCOMPARE(l.errori(), QStringList{u"La data 29/02 non esiste nell'anno 2027"_s});
    }
};

CORVEXT_TEST_MAIN(TestLegameCampi)
#include "test_legame_campi.moc"
