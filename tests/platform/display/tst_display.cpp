#include "ambiente_test.h"
#include "platform/display/display.h"
#include <QGuiApplication>
#include <QScreen>

class TestDisplay : public QObject {
    Q_OBJECT

private slots:
    // Each case starts on the real screen, whatever the test set-up did with the double.
    void init() { seamSchermo::disattiva(); }
    void cleanup() { seamSchermo::disattiva(); }

    void ilDoppioDaLeDimensioni()
    {
        seamSchermo::attiva(1024, 768);
        QVERIFY(seamSchermo::attivo());
        const DimensioniSchermo d = dimensioniSchermo();
        QCOMPARE(d.larghezza, 1024);
        QCOMPARE(d.altezza, 768);
        seamSchermo::attiva(800, 600);
        QCOMPARE(dimensioniSchermo().larghezza, 800);
        QCOMPARE(dimensioniSchermo().altezza, 600);
    }

    void ilDoppioRegistraLeRichieste()
    {
        seamSchermo::attiva(1024, 768);
        QVERIFY(seamSchermo::richieste().isEmpty());
        cambiaRisoluzione(800, 600);
        cambiaRisoluzione(1024, 768);
        QCOMPARE(seamSchermo::richieste(), (QList<QSize>{QSize(800, 600), QSize(1024, 768)}));
        // The screen of the double does not change with the requests.
        QCOMPARE(dimensioniSchermo().larghezza, 1024);
        seamSchermo::azzera();
        QVERIFY(seamSchermo::richieste().isEmpty());
        QVERIFY(seamSchermo::attivo());
        seamSchermo::disattiva();
        QVERIFY(!seamSchermo::attivo());
    }

    void arrotondamento()
    {
        // Each value rounded to a whole number, halves to even.
        seamSchermo::attiva(1024, 768);
        cambiaRisoluzione(799.6, 600.4);
        cambiaRisoluzione(800.5, 601.5);
        QCOMPARE(seamSchermo::richieste(), (QList<QSize>{QSize(800, 600), QSize(800, 602)}));
    }

    void loSchermoVero()
    {
        QVERIFY(!seamSchermo::attivo());
        const QScreen* schermo = QGuiApplication::primaryScreen();
        QVERIFY(schermo);
        const DimensioniSchermo d = dimensioniSchermo();
        QVERIFY(d.larghezza > 0);
        QVERIFY(d.altezza > 0);
        QCOMPARE(d.larghezza, qRound(schermo->geometry().width() * schermo->devicePixelRatio()));
        QCOMPARE(d.altezza, qRound(schermo->geometry().height() * schermo->devicePixelRatio()));
    }

    void fuoriDaX11NonFaNulla()
    {
        QVERIFY(!seamSchermo::attivo());
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        const DimensioniSchermo prima = dimensioniSchermo();
        cambiaRisoluzione(800, 600);
        cambiaRisoluzione(0, 0);
        cambiaRisoluzione(-1, 1e300);
        const DimensioniSchermo dopo = dimensioniSchermo();
        QCOMPARE(dopo.larghezza, prima.larghezza);
        QCOMPARE(dopo.altezza, prima.altezza);
        QVERIFY(seamSchermo::richieste().isEmpty());
    }
};

CORVEXT_TEST_MAIN(TestDisplay)
#include "tst_display.moc"
