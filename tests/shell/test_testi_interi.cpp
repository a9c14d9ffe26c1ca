#include "ambiente_test.h"
#include "calls/frm_planning.h"
#include "finestre_programma.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include "search/scheda_ricerca.h"
#include <QComboBox>
#include <QHeaderView>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {
// A customer with an appliance of a long catalogue description, a call on it with requests,
// defects, activities, materials and maintenances, all with texts of a real centre.
void riempi()
{
    for (const char* sql : {
             "INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto, tipo_nome) VALUES (1, 'CAL', 'CALDAIA MURALE')",
             "INSERT INTO marche (idMarca, sigla_marca, marca) VALUES (1, 'BAX', 'BAXI ROCA CALEFACCION')",
             "INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES (1, 'LUNA 3 COMFORT 310 FI', 1, 1)",
             "INSERT INTO tipoabb (idTpAbb, sigla_abbonamento, desc_abb) VALUES (1, 'BIE', 'ABBONAMENTO BIENNALE')",
             "INSERT INTO tipogas (idTpGas, sigla_tipo_gas, tipogas) VALUES (1, 'MET', 'METANO DI RETE')",
             "INSERT INTO posizione (idPos, sigla_posizione, posizione) VALUES (1, 'EST', 'ESTERNO BALCONE')",
             "INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (1, 'B29', 'RINALDI MASSIMILIANO')",
             "INSERT INTO installatori (idInst, nome_ins) VALUES (1, 'TERMOIDRAULICA BERTOZZI SNC')",
             "INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, tel_casa) VALUES (1, 'DELL''AGNELLO', "
             "'MASSIMILIANO', 'VIA GIUSEPPE GARIBALDI 112', 'FORLIMPOPOLI', '0543 741258')",
             "INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, cod_tipo_abbonamento, sc_abb, "
             "matr_1, codice_interno, cod_tipo_gas, cod_posizione, cod_tecnico, cod_installatore) VALUES "
             "(7, 1, 1, 1, '2027-03-15', 'A1B2C3D4E5F6G7H8J9', 'FC-0012345', 1, 1, 1, 1)",
             "INSERT INTO tipoRichiesta (idTipoRichiesta, tipoRicSigla, tipoRicNome) VALUES (1, 'GUA', 'GUASTO'), "
             "(2, 'MAN', 'MANUTENZIONE ORDINARIA')",
             "INSERT INTO chiamate (idChiamata, cod_cliente, ch_data) VALUES (1, 1, '2026-08-01')",
             "INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, cod_stato_int, ora_inizio, ora_fine) VALUES "
             "(1, 1, '2026-08-04', 'DA SVOLGERE', '09:00', '10:30')",
             "INSERT INTO prodotti_in_chiamata (idProdChiamata, cod_chiamata, cod_ch_prodotto, lista_richieste) VALUES "
             "(1, 1, 7, 'GUA - MAN')",
             "INSERT INTO richieste (ricCodChiamata, ricCodRichiesta) VALUES (1, 1), (1, 2)",
             "INSERT INTO difetti (idDifetto, df_nome, df_descrizione) VALUES (1, 'SCAMB', 'SCAMBIATORE INCROSTATO')",
             "INSERT INTO riscontro_su_prodotto (at_pr_codice, at_difetto, at_note) VALUES (1, 1, 'DA PULIRE')",
             "INSERT INTO tipologia_attivita (idTipoAttività, at_codice, at_nome) VALUES (1, 'PUL', "
             "'PULIZIA SCAMBIATORE PRIMARIO')",
             "INSERT INTO attività_svolte (idAttivita, cod_prodotto, cod_operazione, note_att) VALUES (1, 1, 1, "
             "'ESEGUITA CON DISINCROSTANTE')",
             "INSERT INTO area_int (idGruppo, gruppo_nome, gruppo_descrizione) VALUES (1, 'IDR', 'IDRAULICA')",
             "INSERT INTO materiali (idMat, mat_nome, mat_descrizione, cod_gruppo) VALUES (1, 'GUARN', "
             "'GUARNIZIONE SCAMBIATORE', 1)",
             "INSERT INTO matAtt (codAtt, codMat) VALUES (1, 1)",
             "INSERT INTO tipoManutenzioni (idTipoMan, sigla_tipo_man, desc_tipo_man) VALUES (1, 'ORD', 'ORDINARIA')",
             "INSERT INTO manutenzioni (dataMan, codTipoMan, codChiamata, codProdotto) VALUES ('2026-08-04', 1, 1, 7)",
         })
        connessione.esegui(QString::fromUtf8(sql));
}

QWidget* ricerca()
{
    schRicCliente& s = istanza<schRicCliente>();
    s.carica();
    s.Ricerca();
    return s.forma();
}

QWidget* planner()
{
    frmPlanning& p = istanza<frmPlanning>();
    p.forma()->show();
    QCoreApplication::processEvents();
    p.punta(2, 1);
    return p.forma();
}
// Whether a control shows its texts whole, as far as its window allows: a combo as wide as
// its longest entry, a box as wide as its text, a grid with every column in sight at its
// heading's width at least, short texts whole and a longer text cut short whole in its tooltip.
QString cosaNonSiVede(QWidget* w)
{
    QCoreApplication::processEvents();
    const QFontMetrics fm = w->fontMetrics();
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(c);
        const int campo = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width();
        for (int i = 0; i < c->count(); ++i)
            if (fm.horizontalAdvance(c->itemText(i)) > campo)
                return c->itemText(i);
        return {};
    }
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return fm.horizontalAdvance(e->text()) > e->contentsRect().width() - 8 ? e->text() : QString();
    auto* g = qobject_cast<QTableView*>(w);
    if (!g)
        return u"?"_s;
    if (g->horizontalScrollBar()->isVisible())
        return u"scroll bar"_s;
    for (int c = 0; c < g->model()->columnCount(); ++c) {
        if (g->columnWidth(c) < g->horizontalHeader()->sectionSizeHint(c))
            return g->model()->headerData(c, Qt::Horizontal).toString();
        const QModelIndex i = g->model()->index(0, c);
        const QString testo = i.data().toString();
        const QRect cella = g->visualRect(i);
        QStyleOptionViewItem o;
        o.initFrom(g->viewport());
        o.font = g->font();
        if (g->itemDelegateForIndex(i)->sizeHint(o, i).width() <= cella.width())
            continue;
        // Cut short: never a short text (a date, a code, a state), and whole in the tooltip.
        if (testo.size() <= 13 || i.data(Qt::ToolTipRole).toString() != testo)
            return testo;
    }
    return {};
}
} // namespace

class TestTestiInteri : public QObject {
    Q_OBJECT
private slots:
    void init() { impostaOrologio([] { return QDate(2026, 8, 3); }); }
    void cleanup()
    {
        rilasciaTutteLeFinestre();
        impostaOrologio({});
    }
    // On this screen (800 x 600, or 1280 x 1024) the texts of these controls are whole.
    void testiInteri_data()
    {
        QTest::addColumn<std::function<QWidget*()>>("apri");
        QTest::addColumn<QString>("controllo");
        const std::function<QWidget*()> prodotto = prodottoSetteClienteUno, cerca = ricerca, rapporto = rientroChiamataUno, piano = planner;
        for (const char* c : {"cmbTipoProdotto", "cmbMarcaProdotto", "cmbModello", "cmbPosizione", "cmbTipoGas",
                              "cmbTecnico", "cmbInstallatore", "cmbTipoAbbonamento", "cmbMese", "txtMatricola1"})
            QTest::newRow(qPrintable(u"appliance card: "_s + QLatin1String(c))) << prodotto << QString::fromLatin1(c);
        for (const char* c : {"griglia", "grigliaProdotti", "grigliaStoricoChiamate", "grigliaStoricoManutenzioni",
                              "grigliaAttivita", "grigliaMateriali"})
            QTest::newRow(qPrintable(u"search: "_s + QLatin1String(c))) << cerca << QString::fromLatin1(c);
        for (const char* c : {"grigliaDifetti", "grigliaTipologia", "grigliaMateriale", "grigliaManutenzioni", "cmbMese"})
            QTest::newRow(qPrintable(u"return report: "_s + QLatin1String(c))) << rapporto << QString::fromLatin1(c);
        QTest::newRow("planner: the day's list") << piano << u"grigliaInterventi"_s;
        QTest::newRow("planner: day range") << piano << u"cmbGiorniVisualizzati"_s;
    }
    void testiInteri()
    {
        QFETCH(std::function<QWidget*()>, apri);
        QFETCH(QString, controllo);
        DatabaseTest db;
        riempi();
        QWidget* f = apri();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QWidget* w = f->findChild<QWidget*>(controllo);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(cosaNonSiVede(w), QString());
    }
};

CORVEXT_TEST_MAIN(TestTestiInteri)
#include "test_testi_interi.moc"
