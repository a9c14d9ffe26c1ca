#include "ambiente_test.h"
#include "calls/celle_planning.h"
#include "calls/frm_chiamata.h"
#include "calls/frm_planning.h"
#include "calls/frm_stampa_planner.h"
#include "calls/griglia_planning.h"
#include "common/collegamenti.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {
// Today is Monday 3 August 2026. Technicians 1 ROSSI (zone 1, on leave 4 and 5 August) and
// 2 BIANCHI (zones 1 and 2); holidays on Saturday 15 August and on Sunday 9 August. Customer
// 1 with appliances 7 and 8. BIANCHI's calls: 4 August one suspended call on both appliances;
// 6 August one to do and one suspended; 7 August one cancelled and one done.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'R', 'ROSSI'), (2, 'B', 'BIANCHI')",
             "INSERT INTO zone (idZona, sigla_zona, desc_zona) VALUES (1, 'N', 'NORD'), (2, 'S', 'SUD')",
             "INSERT INTO tecnici_per_zona (codTecnico, codZona) VALUES (1, 1), (2, 1), (2, 2)",
             "INSERT INTO ferie (ferieCodTecnico, ferieDataDa, ferieDataA) VALUES (1, '2026-08-04', '2026-08-05')",
             "INSERT INTO festivita (dataFestivita, desc_festivita) VALUES ('2026-08-15', 'FERRAGOSTO'), "
             "('2026-08-09', 'FESTA PATRONALE')",
             "INSERT INTO marche (idMarca, marca) VALUES (1, 'BAXI')",
             "INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto) VALUES (1, 'CALD')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'LUNA', 1, 1)",
             "INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta) VALUES (1, 'ROSSI', 'MARIO', 'VIA PO', 'TORINO')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto) VALUES (7, 1, 1), (8, 1, 1)",
             "INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (1, 1), (2, 1), (3, 1), (4, 1), (5, 1)",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) VALUES "
             "(1, 2, '2026-08-04', 'SOSPESO', '09:00', '10:00'), (2, 2, '2026-08-06', 'DA SVOLGERE', '09:00', '10:00'), "
             "(3, 2, '2026-08-06', 'SOSPESO', '11:00', '12:00'), (4, 2, '2026-08-07', 'ANNULLATO', '09:00', '10:00'), "
             "(5, 2, '2026-08-07', 'ESEGUITO', '11:00', '12:00')",
             "INSERT INTO prodotti_in_chiamata (cod_chiamata, cod_ch_prodotto) VALUES (1, 7), (1, 8), (2, 7), (3, 8), "
             "(4, 7), (5, 7)",
             "UPDATE contatori SET chiamata = 5",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

frmPlanning& planner()
{
    return istanza<frmPlanning>();
}

ControlliPlanning& c()
{
    return planner().controlli();
}

// The planner as the customer search opens it (customer 1 when `cliente`); `azione` runs
// while it is shown.
void apri(bool cliente, std::function<void()> azione)
{
    seamModale::accoda([azione](QWidget*) { azione(); });
    frmPlanning& p = planner();
    p.carica();
    if (cliente) {
        p.cliente = u"ROSSI - MARIO"_s;
        p.indirizzo = u"VIA PO - TORINO - TO"_s;
        p.nIDcliente = 1;
        p.idZona = 1;
        p.predisponi();
    }
    p.mostraModale();
}

// Row 0 holds the days' headings and column 0 the technicians' names, as on screen.
QString testo(int r, int col)
{
    GrigliaPlanning* g = c().griglia;
    if (r == 0)
        return col == 0 ? g->angolo() : g->horizontalHeaderItem(col - 1)->text();
    return col == 0 ? g->verticalHeaderItem(r - 1)->text() : g->item(r - 1, col - 1)->text();
}

QColor sfondo(int r, int col)
{
    return c().griglia->item(r - 1, col - 1)->background().color();
}

void scegli(int r, int col)
{
    c().griglia->setCurrentCell(r - 1, col - 1);
}

// The cell the planner has selected, as (technician row, day column) from 1.
QPoint selezionata()
{
    return {planner().colonna, planner().riga};
}

QStringList chiamateElencate()
{
    QStringList id;
    // The grid's recordset shares its cursor: it goes back where it was.
    Recordset rs = c().grigliaInterventi->recordset();
    const int corrente = rs.posizione();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        id << rs[u"idChiamata"_s].toString();
    rs.vaiA(corrente);
    return id;
}
} // namespace

class TestFrmPlanning : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        riempi();
        impostaOrologio([] { return QDate(2026, 8, 3); });
    }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        seamModale::azzera();
        seamMessaggi::azzera();
        collegamenti::apriRicercaClienti = {};
        impostaOrologio({});
        db.reset();
    }

    void celle_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<QColor>("colore");
        const QColor rosso(255, 0, 0), ciano(0xC0, 0xFF, 0xFF);
        const QColor lavoro = QApplication::palette().color(QPalette::ToolTipBase);
        QTest::newRow("corner") << 0 << 0 << u"TECNICI"_s << QColor();
        QTest::newRow("technician") << 1 << 0 << u"B - BIANCHI"_s << QColor();
        QTest::newRow("heading") << 0 << 1 << u"lun 03/08"_s << QColor();
        QTest::newRow("free day") << 1 << 1 << QString() << lavoro;
        QTest::newRow("suspended on two appliances") << 1 << 2 << u"S:2\r\n"_s << lavoro;
        QTest::newRow("leave, first day") << 2 << 2 << u"FERIE"_s << ciano;
        QTest::newRow("leave, last day") << 2 << 3 << u"FERIE"_s << ciano;
        QTest::newRow("suspended and to do") << 1 << 4 << u"S:1\r\nF:1"_s << lavoro;
        QTest::newRow("only cancelled and done") << 1 << 5 << QString() << lavoro;
        QTest::newRow("holiday on a Sunday") << 2 << 7 << u"FESTA PATRONALE"_s << rosso;
    }
    void celle()
    {
        QFETCH(int, r);
        QFETCH(int, col);
        QFETCH(QString, atteso);
        QFETCH(QColor, colore);
        apri(true, [&] {
            QCOMPARE(c().griglia->rowCount(), 2);
            QCOMPARE(c().griglia->columnCount(), 7);
            QCOMPARE(testo(r, col), atteso);
            if (colore.isValid())
                QCOMPARE(sfondo(r, col), colore);
        });
    }

    // "30 Giorni" shows 31 days; the arrows move by 31; a plain Sunday is red and empty.
    void trentaGiorni()
    {
        apri(false, [] {
            c().cmbGiorniVisualizzati->setCurrentIndex(3);
            QCOMPARE(c().griglia->columnCount(), 31);
            QCOMPARE(testo(0, 31), u"02"_s);
            QCOMPARE(testo(1, 14), QString());
            QCOMPARE(sfondo(1, 14), QColor(255, 0, 0));
            QCOMPARE(testo(1, 13), u"FERRAGOSTO"_s);
            c().cmdAvanti->click();
            QCOMPARE(c().dtpData->date(), QDate(2026, 9, 3));
            c().cmdIndietro->click();
            QCOMPARE(c().dtpData->date(), QDate(2026, 8, 3));
        });
    }

    // A zone lists its technicians; "R" goes back to all of them.
    void zone()
    {
        apri(true, [] {
            QCOMPARE(c().griglia->rowCount(), 2);
            c().cmbZona->impostaValoreLegato(2);
            emit c().cmbZona->activated(c().cmbZona->currentIndex());
            QCOMPARE(c().griglia->rowCount(), 1);
            QCOMPARE(testo(1, 0), u"B - BIANCHI"_s);
            c().cmdResetZone->click();
            QCOMPARE(c().griglia->rowCount(), 2);
            QVERIFY(c().cmbZona->valoreLegato().isNull());
        });
    }

    // Clicks on a heading, a name or the corner, and Left or Up from the first cell, leave the
    // current cell on a technician's day; the list, its day and STAMPA follow it.
    void cellaCorrenteSempreUnGiorno()
    {
        QStringList giorni;
        QList<QPoint> celle;
        QDate stampato;
        apri(true, [&] {
            GrigliaPlanning* g = c().griglia;
            auto annota = [&] {
                celle << selezionata();
                giorni << c().lblData->text();
            };
            scegli(2, 3);
            QHeaderView* giorniH = g->horizontalHeader();
            QTest::mouseClick(giorniH->viewport(), Qt::LeftButton, {},
                              QPoint(giorniH->sectionViewportPosition(4) + 5, giorniH->height() / 2));
            annota();
            QHeaderView* nomi = g->verticalHeader();
            QTest::mouseClick(nomi->viewport(), Qt::LeftButton, {},
                              QPoint(5, nomi->sectionViewportPosition(0) + 5));
            annota();
            QTest::mouseClick(g->findChild<QAbstractButton*>(), Qt::LeftButton);
            annota();
            scegli(1, 1);
            QTest::keyClick(g, Qt::Key_Left);
            QTest::keyClick(g, Qt::Key_Up);
            annota();
            seamModale::accoda([&](QWidget*) { stampato = istanza<frmStampaPlanner>().controlli().dtpDataDa->date(); });
            c().cmdStampa->click();
        });
        QCOMPARE(celle, (QList<QPoint>{{3, 2}, {3, 2}, {3, 2}, {1, 1}}));
        QCOMPARE(giorni, (QStringList{u"05/08/2026"_s, u"05/08/2026"_s, u"05/08/2026"_s, u"03/08/2026"_s}));
        QCOMPARE(stampato, QDate(2026, 8, 3));
        QVERIFY(seamMessaggi::mostrati().isEmpty());
    }

    // With no technician there is no day: STAMPA asks for one instead of failing.
    void stampaSenzaGiorno()
    {
        connessione.esegui(u"UPDATE tecnici SET eliminato = 1"_s);
        apri(false, [] {
            QCOMPARE(c().griglia->rowCount(), 0);
            QCOMPARE(c().lblData->text(), QString());
            seamMessaggi::azzera();
            c().cmdStampa->click();
        });
        QCOMPARE(unicoMessaggio(), u"Selezionare il giorno sul planner"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::informazione);
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Planning"_s});
    }

    void fissaSenzaCliente_data()
    {
        QTest::addColumn<bool>("si");
        QTest::newRow("No") << false;
        QTest::newRow("Yes opens the search") << true;
    }
    void fissaSenzaCliente()
    {
        QFETCH(bool, si);
        int ricerche = 0;
        collegamenti::apriRicercaClienti = [&] { ++ricerche; };
        bool caricato = true;
        apri(false, [&] {
            seamMessaggi::rispondi(si ? Risposta::Si : Risposta::No);
            c().cmdNuovoAppuntamento->click();
            caricato = planner().caricata();
        });
        QCOMPARE(unicoMessaggio(), u"Attenzione! per fissare un intervento è necessario selezionare il cliente dalla "
                                   "scheda ricerca... aprire la scheda ricerca ? "_s);
        QCOMPARE(caricato, !si);
        QCOMPARE(ricerche, si ? 1 : 0);
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Planning"_s});
    }

    void fissaSuGiornoRosso()
    {
        apri(true, [] {
            scegli(1, 7);
            c().cmdNuovoAppuntamento->click();
        });
        QCOMPARE(unicoMessaggio(), u"Il planner non permette l'inserimento di appuntamento nei giorni festivi"_s);
        QCOMPARE(seamMessaggi::mostrati().first().stile, stile::esclamazione);
        QCOMPARE(seamModale::mostrate(), QList<QString>{u"Planning"_s});
        QCOMPARE(riga(u"SELECT chiamata FROM contatori"_s), QStringList{u"5"_s});
    }

    // A leave cell opens the card, which refuses the save.
    void fissaInFerie()
    {
        QString box;
        apri(true, [&] {
            scegli(2, 2);
            seamModale::accoda([&](QWidget*) {
                auto& cc = istanza<frmChiamata>().controlli();
                QCOMPARE(cc.cmbTecnico->valoreLegato().toInt(), 1);
                QCOMPARE(cc.dtpDataIntervento->date(), QDate(2026, 8, 4));
                cc.cmbProdotti->impostaValoreLegato(7);
                cc.cmdAggiungiProdotto->click();
                cc.cmdConferma->click();
                box = seamMessaggi::testi().value(0);
                seamMessaggi::rispondi(Risposta::Si);
            });
            c().cmdNuovoAppuntamento->click();
        });
        QCOMPARE(box, u"Impossibile impostare l'intervento ad un tecnico in ferie\r\n"_s);
        QCOMPARE(conta(u"SELECT count(*) FROM chiamate"_s), 5);
        QCOMPARE(conta(u"SELECT count(*) FROM prodotti_in_chiamata WHERE cod_chiamata = 6"_s), 0);
    }

    // A booked call counts in its cell, which stays selected.
    void fissa()
    {
        apri(true, [] {
            scegli(1, 1);
            seamModale::accoda([](QWidget*) {
                auto& cc = istanza<frmChiamata>().controlli();
                QCOMPARE(cc.lblCliente->text(), u"ROSSI - MARIO"_s);
                cc.cmbProdotti->impostaValoreLegato(8);
                cc.cmdAggiungiProdotto->click();
                cc.cmdConferma->click();
            });
            c().cmdNuovoAppuntamento->click();
            QCOMPARE(testo(1, 1), u"F:1"_s);
            QCOMPARE(selezionata(), QPoint(1, 1));
            QCOMPARE(chiamateElencate(), QStringList{u"6"_s});
        });
        QCOMPARE(riga(u"SELECT cod_tecnico, data_int FROM interventi WHERE cod_chiamata = 6"_s),
                 (QStringList{u"2"_s, u"2026-08-03"_s}));
    }

    // ELIMINA removes the whole call at once; the cell stays selected and counts what is left.
    void elimina()
    {
        apri(true, [] {
            scegli(1, 4);
            QCOMPARE(chiamateElencate(), (QStringList{u"2"_s, u"3"_s}));
            c().cmdEliminaApp->click();
            QCOMPARE(testo(1, 4), u"S:1\r\n"_s);
            QCOMPARE(chiamateElencate(), QStringList{u"3"_s});
            QCOMPARE(selezionata(), QPoint(4, 1));
        });
        QVERIFY(seamMessaggi::mostrati().isEmpty());
        QCOMPARE(conta(u"SELECT count(*) FROM chiamate WHERE idChiamata = 2"_s), 0);
        QCOMPARE(conta(u"SELECT count(*) FROM interventi WHERE cod_chiamata = 2"_s), 0);
    }

    // After MODIFICA with CONFERMA the same cell is selected and the edited call is current.
    void modifica()
    {
        apri(true, [] {
            scegli(1, 4);
            c().grigliaInterventi->recordset().vaiA(1);
            c().grigliaInterventi->sincronizza();
            seamModale::accoda([](QWidget*) {
                auto& cc = istanza<frmChiamata>().controlli();
                cc.cmbStato->setCurrentIndex(0);
                cc.cmdConferma->click();
            });
            c().cmdModificaApp->click();
            QCOMPARE(testo(1, 4), u"F:2"_s);
            QCOMPARE(selezionata(), QPoint(4, 1));
            QCOMPARE(c().grigliaInterventi->valore(u"idChiamata"_s).toInt(), 3);
        });
        QCOMPARE(istanza<frmChiamata>().nIdChiamata, 0);
    }
};

CORVEXT_TEST_MAIN(TestFrmPlanning)
#include "test_frm_planning.moc"
