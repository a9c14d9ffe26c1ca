#include "ambiente_test.h"
#include "platform/ui/dimensioni_form.h"
#include "platform/ui/utilita_form.h"
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

class TestUtilitaForm : public QObject {
    Q_OBJECT
private slots:
    void tastoDecimale_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("atteso");
        QTest::newRow("point becomes comma") << "12" << 46 << 44;
        QTest::newRow("second comma refused") << "12,5" << 46 << 0;
        QTest::newRow("digit passes") << "12,5" << int('7') << int('7');
        QTest::newRow("backspace passes") << "12,5" << 8 << 8;
        QTest::newRow("letter refused") << "12" << int('a') << 0;
        QTest::newRow("typed comma refused") << "12" << 44 << 0;
        QTest::newRow("minus refused") << "" << int('-') << 0;
        QTest::newRow("blank refused") << "1" << int(' ') << 0;
    }
    void tastoDecimale()
    {
        QFETCH(QString, testo);
        QFETCH(int, tasto);
        QFETCH(int, atteso);
        QCOMPARE(filtraTastoDecimale(tasto, testo), atteso);
    }

    void casellaImporto_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("point becomes comma") << "12.5" << "12,5";
        QTest::newRow("one comma only") << "1.2.3" << "1,23";
        QTest::newRow("letters, blanks and commas refused") << "1a 2,3-" << "123";
    }
    void casellaImporto()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, atteso);
        QLineEdit campo;
        filtraDecimali(&campo);
        QTest::keyClicks(&campo, digitato);
        QCOMPARE(campo.text(), atteso);
        QTest::keyClick(&campo, Qt::Key_Backspace);
        QCOMPARE(campo.text(), atteso.chopped(1));
        QTest::keyClick(&campo, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(campo.text().count(u','), 1);
    }

    void centraAncoraPrimaDiMostrare()
    {
        QWidget w;
        auto* l = new QVBoxLayout(&w);
        auto* dentro = new QWidget;
        dentro->setFixedSize(300, 100);
        l->addWidget(dentro);
        QVERIFY(w.sizeHint().width() >= 300); // the size it will open at
        centraForm(&w);
        // The frame the window will get is centred with it.
        const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize c = cornice();
        QCOMPARE(w.pos(), QPoint((schermo.width() - w.sizeHint().width() - c.width()) / 2,
                                 (schermo.height() - w.sizeHint().height() - c.height()) / 2));
        w.resize(500, 400);
        centraForm(&w);
        QCOMPARE(w.pos(), QPoint((schermo.width() - 500 - c.width()) / 2, (schermo.height() - 400 - c.height()) / 2));
    }
};

CORVEXT_TEST_MAIN(TestUtilitaForm)
#include "test_utilita_form.moc"
