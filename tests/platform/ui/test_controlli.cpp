#include "ambiente_test.h"
#include "platform/ui/controlli.h"
#include "platform/ui/utilita_form.h"
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QString lettoDaScreenReader(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}
} // namespace

class TestControlli : public QObject {
    Q_OBJECT
private slots:
    // A caption is what a screen reader reads, the tool tip only adds to it; a picture button
    // has nothing else to be read by.
    void pulsanti_data()
    {
        QTest::addColumn<bool>("immagine");
        QTest::addColumn<QString>("suggerimento");
        QTest::addColumn<QString>("letto");
        QTest::addColumn<QString>("testoSuggerimento");
        QTest::newRow("caption") << false << QString() << u"Ag. Nota"_s << QString();
        QTest::newRow("caption and tool tip") << false << u"Aggiorna le note"_s << u"Ag. Nota"_s
                                              << u"Aggiorna le note"_s;
        QTest::newRow("picture") << true << u"Crea un nuovo ricambio"_s << u"Crea un nuovo ricambio"_s
                                 << u"Crea un nuovo ricambio"_s;
    }
    void pulsanti()
    {
        QFETCH(bool, immagine);
        QFETCH(QString, suggerimento);
        QFETCH(QString, letto);
        QFETCH(QString, testoSuggerimento);
        QWidget finestra;
        QPushButton* p = immagine ? pulsanteIcona(&finestra, u"cmdNuovo"_s, QStyle::SP_FileIcon, suggerimento)
                                  : pulsante(&finestra, u"cmdNuovo"_s, u"A&g. Nota"_s, suggerimento);
        QCOMPARE(finestra.findChild<QPushButton*>(u"cmdNuovo"_s), p);
        QCOMPARE(p->icon().isNull(), !immagine);
        QCOMPARE(lettoDaScreenReader(p), letto);
        QCOMPARE(p->toolTip(), testoSuggerimento);
    }

    // A label names its field: the mnemonic reaches it, and a screen reader reads the caption.
    void etichettaDelCampo()
    {
        QWidget finestra;
        auto* g = new QGridLayout(&finestra);
        QLineEdit* e = casella(&finestra, u"txtCap"_s);
        conEtichetta(g, 0, 0, u"&Cap"_s, e);
        QLineEdit* altro = casella(&finestra, u"txtAltro"_s);
        g->addWidget(etichetta(&finestra, u"&Altro"_s, altro), 1, 0);
        g->addWidget(altro, 1, 1);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        for (auto [campo, tasto, nome] : {std::tuple{e, Qt::Key_C, u"Cap"_s}, std::tuple{altro, Qt::Key_A, u"Altro"_s}}) {
            QTest::keyClick(&finestra, tasto, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), campo);
            QCOMPARE(nomeDaEtichetta(campo), nome);
            QCOMPARE(lettoDaScreenReader(campo), nome);
        }
    }

    void casellaLimitata_data()
    {
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("capped") << 2 << u"MI"_s;
        QTest::newRow("no cap") << 0 << u"MIL"_s;
    }
    void casellaLimitata()
    {
        QFETCH(int, limite);
        QFETCH(QString, atteso);
        QWidget finestra;
        QLineEdit* e = casella(&finestra, u"txtProvincia"_s, limite);
        QTest::keyClicks(e, u"MIL"_s);
        QCOMPARE(e->text(), atteso);
    }

    // A fixed list opens with nothing chosen, so an untouched field stays empty; a month is
    // stored as its place in the list, January first.
    void elencoSenzaScelta()
    {
        QWidget finestra;
        QComboBox* scarico = elenco(&finestra, u"cmbTipoScarico"_s, {u"N - Naturale"_s, u"C - Coassiale"_s});
        QCOMPARE(vociCombo(scarico), (QStringList{u"N - Naturale"_s, u"C - Coassiale"_s}));
        QComboBox* mesi = elencoMesi(&finestra, u"cmbMese"_s);
        QCOMPARE(mesi->count(), 12);
        QCOMPARE(mesi->itemText(0), u"Gennaio"_s);
        QCOMPARE(mesi->itemText(11), u"Dicembre"_s);
        for (QComboBox* c : {scarico, mesi}) {
            QCOMPARE(c->currentIndex(), -1);
            QCOMPARE(c->currentText(), QString());
        }
    }
};

CORVEXT_TEST_MAIN(TestControlli)
#include "test_controlli.moc"
