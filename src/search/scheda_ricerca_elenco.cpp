#include "search/scheda_ricerca.h"
#include "calls/registro_manutenzioni.h"
#include "common/funzioni.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "search/catena_risultati.h"
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
Griglia* griglia(QWidget* pagina, QBoxLayout* riga, const QString& nome, const QString& didascalia,
                 QGroupBox** fra = nullptr)
{
    auto* box = new QGroupBox(didascalia, pagina);
    auto* g = controllo<Griglia>(box, nome);
    g->setAccessibleName(didascalia);
    auto* l = new QVBoxLayout(box);
    // Narrow margins: on an 800 x 600 screen the grids need the room for their columns.
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(g);
    riga->addWidget(box);
    if (fra)
        *fra = box;
    return g;
}

// The key of the parent's current row, -1 when it has none.
qint64 chiaveCorrente(Griglia* padre, const QString& campo)
{
    return padre->haRigaCorrente() ? padre->valore(campo).toLongLong() : -1;
}
} // namespace

// Tab "Elenco": the customers found and, below them, what hangs on the selected one.
QWidget* schRicCliente::costruisciElenco()
{
    auto& c = ui();
    auto* pagina = new QWidget;
    // The customers found across the page, taller than the rest; below them, what hangs on the
    // selected one, each grid as wide as its columns ask: the appliances with their
    // maintenances and the materials of the selected activity, then the calls with their
    // activities (on an 800 x 600 screen the calls and the appliances cannot share a row).
    auto* l = new QVBoxLayout(pagina);
    auto* risultati = new QHBoxLayout;
    auto* prodotti = new QHBoxLayout;
    auto* chiamate = new QHBoxLayout;
    c.griglia = griglia(pagina, risultati, u"griglia"_s, u"RISULTATI RICERCA"_s, &c.fraRisultati);
    c.grigliaProdotti = griglia(pagina, prodotti, u"grigliaProdotti"_s, u"PRODOTTI DEL CLIENTE"_s);
    c.grigliaStoricoManutenzioni =
        griglia(pagina, prodotti, u"grigliaStoricoManutenzioni"_s, u"STORICO MANUTENZIONI"_s);
    c.grigliaStoricoChiamate = griglia(pagina, chiamate, u"grigliaStoricoChiamate"_s, u"STORICO CHIAMATE"_s);
    c.grigliaAttivita = griglia(pagina, chiamate, u"grigliaAttivita"_s, u"STORICO INTERVENTI"_s);
    c.grigliaMateriali = griglia(pagina, prodotti, u"grigliaMateriali"_s, u"MATERIALI UTILIZZATI"_s);
    l->addLayout(risultati, 3);
    l->addLayout(prodotti, 2);
    l->addLayout(chiamate, 2);

    c.picStampa = controllo<QFrame>(pagina, u"picStampa"_s);
    c.picStampa->setFrameShape(QFrame::Box);
    c.picStampa->setAutoFillBackground(true);
    auto* lp = new QVBoxLayout(c.picStampa);
    lp->addWidget(new QLabel(u"E' in corso la preparazione della stampa"_s, c.picStampa));
    lp->addWidget(new QLabel(u"Attendere prego..."_s, c.picStampa));
    c.ProgressBar1 = controllo<QProgressBar>(c.picStampa, u"ProgressBar1"_s);
    lp->addWidget(c.ProgressBar1);
    c.picStampa->setGeometry(200, 150, 360, 110);
    c.picStampa->hide();
    return pagina;
}

void schRicCliente::collegaElenco()
{
    auto& c = ui();
    QWidget* f = c.forma;
    const auto seguito = [f](Griglia* g, std::function<void()> carica) {
        QObject::connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, f,
                         [carica] { gestisci(carica); });
    };
    seguito(c.griglia, [this] { caricaProdotti(); });
    seguito(c.grigliaProdotti, [this] {
        caricaManutenzioni();
        caricaChiamate();
    });
    seguito(c.grigliaStoricoChiamate, [this] { caricaAttivita(); });
    seguito(c.grigliaAttivita, [this] { caricaMateriali(); });
    QObject::connect(c.griglia, &QAbstractItemView::doubleClicked, f, [&c] { c.cmbModificaCliente->click(); });
    QObject::connect(c.grigliaStoricoChiamate, &QAbstractItemView::doubleClicked, f,
                     [&c] { c.cmdModChiamata->click(); });
    // The result read on to its end: its count, and a refresh's customer found; a reading that
    // stops short: the error box and an empty result.
    QObject::connect(c.griglia, &Griglia::letturaFinita, f, [this] {
        gestisci([this] {
            contaRisultato();
            ritrovaCliente();
        });
    });
    QObject::connect(c.griglia, &Griglia::letturaFallita, f, [this] {
        const std::exception_ptr errore = ui().griglia->erroreLettura();
        svuotaRisultato();
        gestisci([&] { std::rethrow_exception(errore); });
    });
    // A heading sorts the customers by its column alone, ascending, once every row is read.
    c.griglia->horizontalHeader()->setSectionsClickable(true);
    QObject::connect(c.griglia->horizontalHeader(), &QHeaderView::sectionClicked, f, [this](int colonna) {
        gestisci([&] {
            if (!ui().griglia->recordset().statico())
                return;
            ui().griglia->completaLettura();
            ui().griglia->model()->sort(colonna, Qt::AscendingOrder);
            caricaProdotti();
        });
    });
}

// Each load reads the rows for its parent's current row (-1 without one) and then reloads
// the grids below it, so none ever shows the rows of an earlier customer.
void schRicCliente::caricaProdotti()
{
    auto& c = ui();
    c.grigliaProdotti->imposta(prodottiCliente(chiaveCorrente(c.griglia, u"idCli"_s)), colonne::prodotti());
    caricaManutenzioni();
    caricaChiamate();
}

void schRicCliente::caricaManutenzioni()
{
    auto& c = ui();
    c.grigliaStoricoManutenzioni->imposta(manutenzioniProdotto(chiaveCorrente(c.grigliaProdotti, u"id_pro_cli"_s)),
                                          colonne::manutenzioni());
}

void schRicCliente::caricaChiamate()
{
    auto& c = ui();
    c.grigliaStoricoChiamate->imposta(chiamateProdotto(chiaveCorrente(c.grigliaProdotti, u"id_pro_cli"_s)),
                                      colonne::chiamate());
    caricaAttivita();
}

void schRicCliente::caricaAttivita()
{
    auto& c = ui();
    c.grigliaAttivita->imposta(attivitaChiamata(chiaveCorrente(c.grigliaStoricoChiamate, u"idProdChiamata"_s)),
                               colonne::attivita());
    caricaMateriali();
}

void schRicCliente::caricaMateriali()
{
    auto& c = ui();
    c.grigliaMateriali->imposta(materialiAttivita(chiaveCorrente(c.grigliaAttivita, u"idAttivita"_s)),
                                colonne::materiali());
}

void schRicCliente::mostraRisultato(const Recordset& rs)
{
    clienteCercato.reset();
    dopoAggiornamento = {};
    ui().griglia->imposta(rs, colonne::clienti());
    caricaProdotti();
}

// The result and every grid below it empty, the caption at 0 records, with nothing read.
void schRicCliente::svuotaRisultato()
{
    auto& c = ui();
    didascalia(u"RISULTATO DELLA RICERCA = "_s, 0);
    c.griglia->imposta(Recordset(), colonne::clienti());
    c.grigliaProdotti->imposta(Recordset(), colonne::prodotti());
    c.grigliaStoricoManutenzioni->imposta(Recordset(), colonne::manutenzioni());
    c.grigliaStoricoChiamate->imposta(Recordset(), colonne::chiamate());
    c.grigliaAttivita->imposta(Recordset(), colonne::attivita());
    c.grigliaMateriali->imposta(Recordset(), colonne::materiali());
}

void schRicCliente::didascalia(const QString& testo, int righe)
{
    ui().fraRisultati->setTitle(testo + QString::number(righe) + u" records"_s);
}
