#include "ambiente_test.h"
#include "platform/ui/controlli.h"
#include "platform/ui/utilita_form.h"
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
        QLineEdit* nome = casella(&finestra, u"txtNome"_s);
        g->addWidget(etichetta(&finestra, u"Label1"_s, u"&Nome"_s, nome), 2, 0);
        g->addWidget(nome, 2, 1);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QCOMPARE(finestra.findChild<QLabel*>(u"Label1"_s)->buddy(), nome);
        for (auto [campo, tasto, nome] : {std::tuple{e, Qt::Key_C, u"Cap"_s}, std::tuple{altro, Qt::Key_A, u"Altro"_s},
                                          std::tuple{nome, Qt::Key_N, u"Nome"_s}}) {
            QTest::keyClick(&finestra, tasto, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), campo);
            QCOMPARE(nomeDaEtichetta(campo), nome);
            QCOMPARE(lettoDaScreenReader(campo), nome);
        }
    }

    // The closing buttons go on a line across the window's own: a row under a column of fields,
    // a column beside a row. They keep the order given, side by side at the one end of the line,
    // the room at the other end left empty.
    void filaDiPulsanti_data()
    {
        QTest::addColumn<bool>("finestraInRiga");
        QTest::addColumn<Lato>("lato");
        QTest::newRow("row at the right") << false << Lato::fine;
        QTest::newRow("row at the left") << false << Lato::inizio;
        QTest::newRow("column at the bottom") << true << Lato::fine;
    }
    void filaDiPulsanti()
    {
        QFETCH(bool, finestraInRiga);
        QFETCH(Lato, lato);
        QWidget finestra;
        QBoxLayout* l = finestraInRiga ? static_cast<QBoxLayout*>(new QHBoxLayout(&finestra)) : new QVBoxLayout(&finestra);
        auto* campo = controllo<QPlainTextEdit>(&finestra, u"txtNote"_s);
        l->addWidget(campo);
        QPushButton* ok = pulsante(&finestra, u"cmdOk"_s, u"Ok"_s);
        QPushButton* annulla = pulsante(&finestra, u"cmdAnnulla"_s, u"Annulla"_s);
        filaPulsanti(l, {ok, annulla}, lato);
        finestra.resize(600, 400);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        // Along the line of buttons (`inizio`, `fine`) and across it (`lato`).
        auto inizio = [&](QWidget* w) { return finestraInRiga ? w->y() : w->x(); };
        auto fine = [&](QWidget* w) { return finestraInRiga ? w->geometry().bottom() : w->geometry().right(); };
        auto dopo = [&](QWidget* w, QWidget* prima) {
            return finestraInRiga ? w->x() > prima->geometry().right() : w->y() > prima->geometry().bottom();
        };
        QVERIFY(dopo(ok, campo));
        QVERIFY(dopo(annulla, campo));
        QVERIFY(fine(ok) < inizio(annulla));
        QVERIFY(inizio(annulla) - fine(ok) < 20);
        const int meta = (finestraInRiga ? finestra.height() : finestra.width()) / 2;
        if (lato == Lato::fine) {
            QCOMPARE(fine(annulla), fine(campo));
            QVERIFY(inizio(ok) > meta);
        } else {
            QCOMPARE(inizio(ok), inizio(campo));
            QVERIFY(fine(annulla) < meta);
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
