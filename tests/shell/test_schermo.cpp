#include "ambiente_test.h"
#include "calls/frm_planning.h"
#include "calls/griglia_planning.h"
#include "finestre_programma.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/dimensioni_form.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
bool scalato()
{
    return !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") && qEnvironmentVariable("QT_SCALE_FACTOR") != u"1"_s;
}

// The scroll areas of a window showing a scroll bar, tab by tab.
QStringList scorrevoli(QWidget* f)
{
    QStringList trovate;
    const auto guarda = [&](const QString& dove) {
        QCoreApplication::processEvents();
        for (const QScrollArea* a : f->findChildren<QScrollArea*>())
            if (a->isVisible() && (a->horizontalScrollBar()->isVisible() || a->verticalScrollBar()->isVisible()))
                trovate << dove;
    };
    guarda(f->objectName());
    for (QTabWidget* t : f->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            guarda(t->tabText(i));
        }
    return trovate;
}
} // namespace

// Every window opens whole on the 800 x 600 screen the program is laid out for (the test runs on
// such a screen): at the size its content asks for, title bar and frame included, and never
// smaller than its layout's minimum, so nothing is cut off and no button is off the screen; no
// part of it, on any tab, needs scrolling.
class TestSchermo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const double scala = scalato() ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, qRound(800 / scala), qRound(600 / scala)));
    }
    void entraNelloSchermo_data() { righeFinestre(); }
    void entraNelloSchermo()
    {
        QFETCH(std::function<QWidget*()>, forma);
        DatabaseTest db;
        QWidget* f = forma();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCoreApplication::processEvents();
        const QRect schermo = f->screen()->availableGeometry();
        const QRect cornice = f->frameGeometry();
        const QSize spazio = schermo.size() - ::cornice();
        const auto misure = [](const QString& cosa, QSize a, QSize b) {
            return QStringLiteral("%1 %2 x %3, opens at %4 x %5")
                .arg(cosa).arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
        };
        QVERIFY2(schermo.contains(cornice) && f->width() <= spazio.width() && f->height() <= spazio.height(),
                 qPrintable(misure(u"room for"_s, spazio, f->size())));
        // Larger than the screen (only on a scaled one): its content scrolls, whole, and every
        // button can be brought into sight.
        if (auto* area = f->findChild<QScrollArea*>(u"scorrimento"_s)) {
            QVERIFY2(scalato(), "scrolls at scale 1");
            QWidget* contenuto = area->widget();
            const QSize minima = contenuto->minimumSizeHint();
            QVERIFY2(contenuto->width() >= minima.width() && contenuto->height() >= minima.height(),
                     qPrintable(misure(u"content needs"_s, minima, contenuto->size())));
            for (QAbstractButton* b : contenuto->findChildren<QAbstractButton*>()) {
                // A grid's corner is no control of the operator's.
                if (!b->isVisibleTo(contenuto) || qobject_cast<QAbstractItemView*>(b->parentWidget()))
                    continue;
                area->ensureWidgetVisible(b, 0, 0);
                QCoreApplication::processEvents();
                const QRect dove(b->mapTo(area->viewport(), QPoint(0, 0)), b->size());
                QVERIFY2(area->viewport()->rect().contains(dove), qPrintable(b->objectName() + u' ' + b->text()));
            }
            f->close();
            return;
        }
        // Nothing of the layout is cut off.
        const QSize minima = f->minimumSizeHint().expandedTo(f->minimumSize());
        QVERIFY2(f->width() >= minima.width() && f->height() >= minima.height(),
                 qPrintable(misure(u"needs"_s, minima, f->size())));
        // As large as its content asks for, as far as the screen allows.
        const QSize voluta = f->sizeHint().boundedTo(spazio);
        QVERIFY2(f->width() >= voluta.width() && f->height() >= voluta.height(),
                 qPrintable(misure(u"asks for"_s, voluta, f->size())));
        const QStringList scorrono = scorrevoli(f);
        QVERIFY2(scorrono.isEmpty(), qPrintable(u"scrolls: "_s + scorrono.join(u", "_s)));
        f->close();
    }

    // Seven technicians over seven days fit without scrolling; over 31 days the days scroll
    // sideways and the headings and the names stay, whole.
    void planning()
    {
        DatabaseTest db;
        for (int i = 1; i <= 7; ++i)
            connessione.esegui(u"INSERT INTO tecnici (sigla_tecnico, tecnico) VALUES (?, ?)"_s,
                               {u"T%1"_s.arg(i), u"TECNICO CON UN NOME LUNGO %1"_s.arg(i)});
        frmPlanning& p = istanza<frmPlanning>();
        QWidget* f = p.forma();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QCoreApplication::processEvents();
        GrigliaPlanning* g = p.controlli().griglia;
        QCOMPARE(g->rowCount(), 7);
        QVERIFY(!g->horizontalScrollBar()->isVisible());
        QVERIFY(!g->verticalScrollBar()->isVisible());
        const int nome = g->fontMetrics().horizontalAdvance(g->verticalHeaderItem(6)->text());
        p.controlli().cmbGiorniVisualizzati->setCurrentIndex(3);
        QCoreApplication::processEvents();
        QCOMPARE(g->columnCount(), 31);
        QVERIFY(!g->verticalScrollBar()->isVisible());
        QVERIFY(g->verticalHeader()->width() >= nome);
        for (int c = 0; c < g->columnCount(); ++c)
            QVERIFY(g->columnWidth(c) >= g->fontMetrics().horizontalAdvance(g->horizontalHeaderItem(c)->text()));
        g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum());
        QVERIFY(g->verticalHeader()->isVisible() && g->horizontalHeader()->isVisible());
        f->close();
    }

    // A zone of thirty technicians with names of 25 and 26 characters: one day and a week fit
    // the width, every heading whole and a cell wide enough for "S:99"; a name cut short, and
    // the leave and holiday texts of narrow columns, are whole in their tooltips. The first day
    // of a month has a bold heading and a line before its column.
    void planningDiUnaZona()
    {
        DatabaseTest db;
        impostaOrologio([] { return QDate(2026, 12, 14); });
        const QStringList nomi{u"RINALDI MASSIMILIANO"_s, u"DE SANTIS ALESSANDRO"_s, u"COLOMBO FRANCESCA ANNA"_s};
        for (int i = 1; i <= 30; ++i)
            connessione.esegui(u"INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (?, ?, ?)"_s,
                               {i, u"B%1"_s.arg(i, 2, 10, QChar(u'0')), nomi[i % nomi.size()]});
        connessione.esegui(u"INSERT INTO ferie (ferieCodTecnico, ferieDataDa, ferieDataA) VALUES (1, '2026-12-21', "
                           "'2026-12-23')"_s);
        connessione.esegui(u"INSERT INTO festivita (dataFestivita, desc_festivita) VALUES ('2026-12-26', "
                           "'SANTO STEFANO'), ('2026-01-01', 'CAPODANNO')"_s);
        frmPlanning& p = istanza<frmPlanning>();
        QWidget* f = p.forma();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        GrigliaPlanning* g = p.controlli().griglia;
        const auto giorni = [&](int voce) {
            p.controlli().cmbGiorniVisualizzati->setCurrentIndex(voce);
            QCoreApplication::processEvents();
        };
        for (int voce : {0, 1}) {
            giorni(voce);
            QCOMPARE(g->rowCount(), 30);
            QVERIFY2(!g->horizontalScrollBar()->isVisible(), qPrintable(g->horizontalHeaderItem(0)->text()));
            for (int c = 0; c < g->columnCount(); ++c) {
                QVERIFY2(g->columnWidth(c) >= g->horizontalHeader()->sectionSizeHint(c),
                         qPrintable(g->horizontalHeaderItem(c)->text()));
                QVERIFY(g->columnWidth(c) >= g->fontMetrics().horizontalAdvance(u"S:99"_s));
            }
        }
        QCOMPARE(g->horizontalHeaderItem(2)->text(), u"mer 16/12"_s);
        QStringList suggerimenti;
        for (int r = 0; r < g->rowCount(); ++r)
            suggerimenti << g->verticalHeaderItem(r)->toolTip();
        QVERIFY(suggerimenti.contains(u"B29 - COLOMBO FRANCESCA ANNA"_s));
        QVERIFY(suggerimenti.contains(u"B01 - DE SANTIS ALESSANDRO"_s));

        giorni(2);
        const int b01 = suggerimenti.indexOf(u"B01 - DE SANTIS ALESSANDRO"_s);
        QCOMPARE(g->item(b01, 7)->text(), u"FERIE"_s);
        QCOMPARE(g->item(b01, 7)->toolTip(), u"FERIE"_s);
        QCOMPARE(g->item(5, 12)->toolTip(), u"SANTO STEFANO"_s);

        giorni(3);
        const int capodanno = 18;
        QCOMPARE(g->horizontalHeaderItem(capodanno)->text(), u"01"_s);
        QCOMPARE(g->item(3, capodanno)->toolTip(), u"CAPODANNO"_s);
        for (int c = 0; c < g->columnCount(); ++c)
            QCOMPARE(g->horizontalHeaderItem(c)->font().bold(), c == capodanno);
        // The line before the month's first day, and none before the other days.
        const auto bordoSinistro = [&](int c) {
            g->scrollTo(g->model()->index(0, c));
            QCoreApplication::processEvents();
            return g->viewport()->grab().toImage().pixelColor(g->columnViewportPosition(c), g->rowHeight(0) / 2);
        };
        const QColor linea = g->palette().color(QPalette::WindowText);
        QCOMPARE(bordoSinistro(capodanno), linea);
        QVERIFY(bordoSinistro(capodanno - 1) != linea);
        f->close();
        impostaOrologio({});
    }
};

CORVEXT_TEST_MAIN(TestSchermo)
#include "test_schermo.moc"
