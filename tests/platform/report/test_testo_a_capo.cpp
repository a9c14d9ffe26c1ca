#include "ambiente_test.h"
#include "platform/report/testo_a_capo.h"
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

// A text laid out once, measured and drawn from that layout, against QPainter laying the same
// text out in a rectangle of the same width: the same height, the same pixels.
class TestTestoACapo : public QObject {
    Q_OBJECT

    static constexpr int lato = 1000; // pixels, at 300 dpi
    static constexpr double larghezza = 500;

    static QImage pagina()
    {
        QImage i(lato, lato, QImage::Format_RGB32);
        i.setDotsPerMeterX(11811);
        i.setDotsPerMeterY(11811);
        i.fill(Qt::white);
        return i;
    }

    static QFont carattere()
    {
        QFont f;
        f.setPointSizeF(8);
        return f;
    }

    // The width of the text on one line as QPainter lays it out.
    static double suUnaRiga(const QString& testo)
    {
        QImage i = pagina();
        QTextLayout l(testo, carattere(), &i);
        l.beginLayout();
        QTextLine riga = l.createLine();
        riga.setLineWidth(1e6);
        l.endLayout();
        return riga.naturalTextWidth();
    }

private slots:
    void comeDrawText_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("larghezza");
        QTest::addColumn<double>("altezzaRiquadro"); // 0: as tall as the text
        QTest::addColumn<int>("allineamento");
        QTest::addColumn<int>("righe");
        const int alto = Qt::AlignLeft | Qt::AlignTop;
        const int basso = Qt::AlignLeft | Qt::AlignBottom;
        const QString lungo = QStringLiteral("STRADA PROVINCIALE 253 SAN VITALE KM 12 INTERNO 3 SCALA B");
        const QString parola = QStringLiteral("SCALDABAGNOMODELLOLUNGO");
        const double esatta = suUnaRiga(parola);
        QTest::newRow("short") << QStringLiteral("ROSSI") << larghezza << 0.0 << alto << 1;
        QTest::newRow("exactly the width") << parola << esatta << 0.0 << alto << 1;
        QTest::newRow("a hair narrower than the text") << parola << esatta - 0.5 << 0.0 << alto << 2;
        QTest::newRow("words over several lines") << lungo << larghezza << 0.0 << alto << 3;
        QTest::newRow("a word wider than the width") << parola + parola << larghezza << 0.0 << alto << 3;
        QTest::newRow("line feed") << QStringLiteral("02 1234\n333 5678") << larghezza << 0.0 << alto << 2;
        QTest::newRow("carriage return and tab") << QStringLiteral("FORLI\tX\r\nY") << larghezza << 0.0 << alto << 2;
        QTest::newRow("accents and signs") << QStringLiteral("NICCOLÒ PERCHÉ € “CITTÀ”") << larghezza << 0.0
                                           << alto << 1;
        QTest::newRow("spaces only") << QStringLiteral("   ") << larghezza << 0.0 << alto << 1;
        QTest::newRow("empty") << QString() << larghezza << 0.0 << alto << 1;
        QTest::newRow("cut by a shorter rectangle") << lungo << larghezza << 40.0 << alto << 3;
        QTest::newRow("at the bottom of a taller one") << lungo << larghezza << 200.0 << basso << 3;
        QTest::newRow("length variants") << QStringLiteral("DATA ULTIMA MANUTENZIONE\x9c") + QStringLiteral("DATA")
                                         << larghezza << 0.0 << alto << 1;
    }

    void comeDrawText()
    {
        QFETCH(QString, testo);
        QFETCH(double, larghezza);
        QFETCH(double, altezzaRiquadro);
        QFETCH(int, allineamento);
        QFETCH(int, righe);
        const Qt::Alignment a(allineamento);
        QImage nostra = pagina(), attesa = pagina();
        QPainter p(&nostra), q(&attesa);
        p.setFont(carattere());
        q.setFont(carattere());

        const TestoACapo t(p, larghezza, testo);
        const QRectF misura = q.boundingRect(QRectF(0, 0, larghezza, 1e9), testo, testoACapo(a));
        // An empty text keeps its line.
        QCOMPARE(t.altezza(), testo.isEmpty() ? QFontMetricsF(q.font(), q.device()).height() : misura.height());
        QCOMPARE(qRound(t.altezza() / QFontMetricsF(q.font(), q.device()).lineSpacing()), righe);

        const QRectF riquadro(20, 30, larghezza, altezzaRiquadro > 0 ? altezzaRiquadro : t.altezza());
        t.disegna(p, riquadro, a);
        q.drawText(riquadro, testo, testoACapo(a));
        p.end();
        q.end();
        QVERIFY(nostra == attesa);
        QCOMPARE(nostra != pagina(), !testo.trimmed().isEmpty());
    }
};

CORVEXT_TEST_MAIN(TestTestoACapo)
#include "test_testo_a_capo.moc"
