#include "ambiente_test.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/frm_stampa_planner.h"
#include "common/stato.h"
#include "customers/scheda_cliente.h"
#include "finestre_programma.h"
#include "platform/db/connessione.h"
#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QLabel>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {
using Prepara = std::function<QWidget*()>;

// The planner as the customer search opens it, shown so that its grid is filled.
QWidget* planner()
{
    connessione.esegui(u"INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'B29', 'RINALDI MASSIMILIANO')"_s);
    frmPlanning& p = istanza<frmPlanning>();
    p.cliente = u"ROSSI - MARIO"_s;
    p.indirizzo = u"VIA PO 1 - TORINO"_s;
    p.predisponi();
    p.forma()->show();
    QCoreApplication::processEvents();
    return p.forma();
}

QWidget* chiamata()
{
    nomeOperatore = u"ANNA"_s;
    frmChiamata& c = istanza<frmChiamata>();
    c.strCliente = u"ROSSI MARIO"_s;
    c.nModalita = 0;
    return c.forma();
}

// A tenant of an owner, or a customer belonging to nobody.
QWidget* cliente(bool inquilino)
{
    connessione.esegui(u"INSERT INTO clienti (idCli, cognome, cod_tipo_appartenenza, cod_appartenenza) VALUES "
                       "(1, 'VERDI', 2, 0), (2, 'ROSSI', 3, 1)"_s);
    schCliente& s = istanza<schCliente>();
    s.nModalità = 1;
    s.ripristinaCliente(inquilino ? 2 : 1);
    return s.forma();
}

// Child `figlio` of a control's accessible interface, or the control's own (figlio -1).
QAccessibleInterface* interfaccia(QWidget* finestra, const QString& controllo, int figlio)
{
    auto* w = finestra->findChild<QWidget*>(controllo);
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return i && figlio >= 0 ? i->child(figlio) : i;
}

int indice(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i && i->parent() ? i->parent()->indexOfChild(i) : -1;
}
} // namespace

// What a screen reader hears of the program's windows, through Qt's accessibility interfaces.
class TestAccessibilita : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        nomeOperatore.clear();
    }

    // A value label is named by its caption followed by its value; a label with no caption by
    // its value, and not read at all while empty.
    void nomiEValori_data()
    {
        QTest::addColumn<Prepara>("prepara");
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<int>("figlio");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<bool>("annunciato");
        QTest::newRow("Planning: customer") << Prepara(planner) << u"lblCliente"_s << -1
                                            << u"CLIENTE: ROSSI - MARIO"_s << u"ROSSI - MARIO"_s << true;
        QTest::newRow("Planning: address") << Prepara(planner) << u"lblIndirizzo"_s << -1
                                           << u"INDIRIZZO: VIA PO 1 - TORINO"_s << u"VIA PO 1 - TORINO"_s << true;
        QTest::newRow("Planning: corner") << Prepara(planner) << u"griglia"_s << 0 << u"TECNICI"_s << QString() << true;
        QTest::newRow("Planning: technician") << Prepara(planner) << u"griglia"_s << 8
                                              << u"B29 - RINALDI MASSIMILIANO"_s << QString() << true;
        QTest::newRow("SCHEDA CHIAMATA: customer") << Prepara(chiamata) << u"lblCliente"_s << -1
                                                   << u"CLIENTE : ROSSI MARIO"_s << u"ROSSI MARIO"_s << true;
        QTest::newRow("SCHEDA CHIAMATA: operator") << Prepara(chiamata) << u"lblOperatore"_s << -1
                                                   << u"Operatore : ANNA"_s << u"ANNA"_s << true;
        const Prepara stampa = [] { return istanza<frmStampaPlanner>().forma(); };
        QTest::newRow("Stampa Planner: all technicians") << stampa << u"chkTutti"_s << -1 << u"Tutti i tecnici"_s
                                                         << QString() << true;
        QTest::newRow("Stampa Planner: all zones") << stampa << u"chkTutteZone"_s << -1 << u"Tutte le zone"_s
                                                   << QString() << true;
        QTest::newRow("SCHEDA CLIENTE: parent's kind") << Prepara([] { return cliente(true); }) << u"lblTipo"_s << -1
                                                       << u"Proprietario"_s << u"Proprietario"_s << true;
        QTest::newRow("SCHEDA CLIENTE: no parent") << Prepara([] { return cliente(false); }) << u"lblTipo"_s << -1
                                                   << QString() << QString() << false;
    }
    void nomiEValori()
    {
        QFETCH(Prepara, prepara);
        QFETCH(QString, controllo);
        QFETCH(int, figlio);
        QFETCH(QString, nome);
        QFETCH(QString, valore);
        QFETCH(bool, annunciato);
        DatabaseTest db;
        QWidget* f = prepara();
        f->show();
        QAccessibleInterface* i = interfaccia(f, controllo, figlio);
        QVERIFY(i);
        QCOMPARE(i->text(QAccessible::Name), nome);
        QCOMPARE(i->text(QAccessible::Value), valore);
        QCOMPARE(!i->state().invisible, annunciato);
    }

    // A value label's name follows its value, and a screen reader is told that it changed.
    void nomeSegueIlValore_data()
    {
        QTest::addColumn<Prepara>("prepara");
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("Planning: customer") << Prepara(planner) << u"lblCliente"_s << u"CLIENTE: "_s;
        QTest::newRow("Planning: address") << Prepara(planner) << u"lblIndirizzo"_s << u"INDIRIZZO: "_s;
        QTest::newRow("SCHEDA CHIAMATA: customer") << Prepara(chiamata) << u"lblCliente"_s << u"CLIENTE : "_s;
        QTest::newRow("SCHEDA CHIAMATA: operator") << Prepara(chiamata) << u"lblOperatore"_s << u"Operatore : "_s;
    }
    void nomeSegueIlValore()
    {
        QFETCH(Prepara, prepara);
        QFETCH(QString, controllo);
        QFETCH(QString, didascalia);
        DatabaseTest db;
        QWidget* f = prepara();
        f->show();
        auto* etichetta = f->findChild<QLabel*>(controllo);
        QVERIFY(etichetta);
        // What a screen reader would be told, once one listens.
        static QList<std::pair<QObject*, QAccessible::Event>> eventi;
        eventi.clear();
        QPlatformAccessibility* piattaforma = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(piattaforma);
        piattaforma->setActive(true);
        const auto gestore = QAccessible::installUpdateHandler(
            [](QAccessibleEvent* e) { eventi.append({e->object(), e->type()}); });
        const auto fine = qScopeGuard([gestore, piattaforma] {
            QAccessible::installUpdateHandler(gestore);
            piattaforma->setActive(false);
        });
        etichetta->setText(u"VERDI LUCA"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(etichetta)->text(QAccessible::Name), didascalia + u"VERDI LUCA"_s);
        QVERIFY(eventi.contains(std::pair<QObject*, QAccessible::Event>(etichetta, QAccessible::NameChanged)));
    }

    // Each label is read before the control it names, as it is seen.
    void etichettaPrimaDelControllo_data() { righeFinestre(); }
    void etichettaPrimaDelControllo()
    {
        QFETCH(FormaFinestra, forma);
        DatabaseTest db;
        QWidget* f = forma();
        f->show();
        QStringList fuoriOrdine;
        for (QLabel* l : f->findChildren<QLabel*>())
            if (QWidget* b = l->buddy(); b && b->parentWidget() == l->parentWidget() && indice(l) > indice(b))
                fuoriOrdine << l->text();
        QVERIFY2(fuoriOrdine.isEmpty(), qPrintable(fuoriOrdine.join(u", "_s)));
    }
};

CORVEXT_TEST_MAIN(TestAccessibilita)
#include "test_accessibilita.moc"
