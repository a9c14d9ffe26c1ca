#include "search/scheda_ricerca.h"
#include "platform/ui/etichetta_valore.h"
#include "platform/ui/utilita_form.h"
#include "common/funzioni.h"
#include "customers/note.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// The release of Delete on a combo, which its press has already emptied.
class RilascioCanc : public QObject {
public:
    RilascioCanc(QObject* combo, std::function<void()> f) : QObject(combo), f(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyRelease) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Delete && !k->isAutoRepeat())
                f();
        }
        return false;
    }

private:
    std::function<void()> f;
};

void dopoCanc(QWidget* combo, std::function<void()> f)
{
    combo->installEventFilter(new RilascioCanc(combo, std::move(f)));
}
} // namespace

// Tab "Cliente": the customer's data, the product of the first frame and the category.
QWidget* schRicCliente::costruisciCliente()
{
    auto& c = ui();
    auto* pagina = new QWidget;
    auto* l = new QHBoxLayout(pagina);

    auto* anagrafica = new QGroupBox(u"DATI ANAGRAFICI"_s, pagina);
    auto* g = new QGridLayout(anagrafica);
    c.txtCognome = casella(anagrafica, u"txtCognome"_s);
    c.txtNome = casella(anagrafica, u"txtNome"_s);
    c.txtRagione = casella(anagrafica, u"txtRagione"_s);
    c.txtIndirizzo = casella(anagrafica, u"txtIndirizzo"_s);
    c.txtIndirizzo2 = casella(anagrafica, u"txtIndirizzo2"_s);
    c.txtIndirizzo2->setAccessibleName(u"Indirizzo 2"_s);
    c.txtCondFraz = casella(anagrafica, u"txtCondFraz"_s);
    c.txtNote = casella(anagrafica, u"txtNote"_s);
    c.txtTelCasa = casella(anagrafica, u"txtTelCasa"_s);
    c.txtTelCellulare = casella(anagrafica, u"txtTelCellulare"_s);
    c.txtAltro = casella(anagrafica, u"txtAltro"_s);
    c.txtCap = casella(anagrafica, u"txtCap"_s);
    c.txtCitta = casella(anagrafica, u"txtCitta"_s);
    c.txtProvincia = casella(anagrafica, u"txtProvincia"_s);
    c.txtNaz = casella(anagrafica, u"txtNaz"_s);
    c.txtGruppo = casella(anagrafica, u"txtGruppo"_s);
    c.txtCodGas = casella(anagrafica, u"txtCodGas"_s);
    c.cmbZona = combo(anagrafica, u"cmbZona"_s);
    conEtichetta(g, 0, 0, u"Cognome"_s, c.txtCognome, 3);
    conEtichetta(g, 1, 0, u"Nome"_s, c.txtNome, 3);
    conEtichetta(g, 2, 0, u"Rag Soc"_s, c.txtRagione, 3);
    conEtichetta(g, 3, 0, u"Indirizzo"_s, c.txtIndirizzo, 3);
    g->addWidget(c.txtIndirizzo2, 4, 1, 1, 3);
    conEtichetta(g, 5, 0, u"Cond Fraz"_s, c.txtCondFraz, 3);
    conEtichetta(g, 6, 0, u"Note"_s, c.txtNote, 3);
    conEtichetta(g, 7, 0, u"Tel Casa"_s, c.txtTelCasa);
    conEtichetta(g, 7, 2, u"Cellulare"_s, c.txtTelCellulare);
    conEtichetta(g, 8, 0, u"Altro"_s, c.txtAltro);
    conEtichetta(g, 8, 2, u"CAP"_s, c.txtCap);
    conEtichetta(g, 9, 0, u"Città"_s, c.txtCitta);
    conEtichetta(g, 9, 2, u"Provincia"_s, c.txtProvincia);
    conEtichetta(g, 10, 0, u"Nazionalità"_s, c.txtNaz);
    conEtichetta(g, 10, 2, u"Gruppo"_s, c.txtGruppo);
    conEtichetta(g, 11, 0, u"Gas Cod"_s, c.txtCodGas);
    conEtichetta(g, 11, 2, u"Zona"_s, c.cmbZona);
    c.chkContatto = spunta(anagrafica, u"chkContatto"_s, u"Escludere"_s);
    auto* siNo = new QWidget(anagrafica);
    auto* ls = new QHBoxLayout(siNo);
    ls->setContentsMargins(0, 0, 0, 0);
    c.optContattoSI = opzione(siNo, u"optContattoSI"_s, u"Si"_s);
    c.optContattoNO = opzione(siNo, u"optContattoNO"_s, u"No"_s);
    ls->addWidget(c.optContattoSI);
    ls->addWidget(c.optContattoNO);
    c.cmdNoteUlteriori = pulsante(anagrafica, u"cmdNoteUlteriori"_s, u"Note Aggiuntive"_s);
    c.txtNotePagamento = pulsante(anagrafica, u"txtNotePagamento"_s, u"Note pagamento..."_s);
    auto* sotto = new QHBoxLayout;
    sotto->addWidget(c.chkContatto);
    sotto->addWidget(siNo);
    sotto->addStretch();
    sotto->addWidget(c.cmdNoteUlteriori);
    sotto->addWidget(c.txtNotePagamento);
    g->addLayout(sotto, 12, 0, 1, 4);
    l->addWidget(anagrafica, 3);

    auto* destra = new QVBoxLayout;
    auto* prodotto = new QGroupBox(u"PRODOTTO"_s, pagina);
    auto* gp = new QGridLayout(prodotto);
    c.cmbTipoProdotto = combo(prodotto, u"cmbTipoProdotto"_s);
    c.cmbMarcaProdotto = combo(prodotto, u"cmbMarcaProdotto"_s);
    c.cmbProdotto = combo(prodotto, u"cmbProdotto"_s);
    c.txtMatricola1 = casella(prodotto, u"txtMatricola1"_s);
    conEtichetta(gp, 0, 0, u"Tipo"_s, c.cmbTipoProdotto);
    conEtichetta(gp, 1, 0, u"Marca"_s, c.cmbMarcaProdotto);
    conEtichetta(gp, 2, 0, u"Modello"_s, c.cmbProdotto);
    conEtichetta(gp, 3, 0, u"Matricola"_s, c.txtMatricola1);
    destra->addWidget(prodotto);

    auto* categoria = new QGroupBox(u"Categoria Cliente"_s, pagina);
    auto* gc = new QGridLayout(categoria);
    c.optGruppo = opzione(categoria, u"optGruppo"_s, u"Gruppo"_s);
    c.optProprietario = opzione(categoria, u"optProprietario"_s, u"Proprietario"_s);
    c.optInquilino = opzione(categoria, u"optInquilino"_s, u"Inquilino"_s);
    c.optTutti = opzione(categoria, u"optTutti"_s, u"Tutti"_s);
    // Two by two, so the tab fits an 800 x 600 screen.
    auto* opzioni = new QGridLayout;
    opzioni->addWidget(c.optGruppo, 0, 0);
    opzioni->addWidget(c.optProprietario, 0, 1);
    opzioni->addWidget(c.optInquilino, 1, 0);
    opzioni->addWidget(c.optTutti, 1, 1);
    gc->addLayout(opzioni, 0, 0, 1, 3);
    c.cmbTipoCliente = combo(categoria, u"cmbTipoCliente"_s);
    c.cmbAppartenenza = combo(categoria, u"cmbAppartenenza"_s);
    c.lblTipo = controllo<EtichettaValore>(categoria, u"lblTipo"_s, QString());
    conEtichetta(gc, 1, 0, u"Tipo Cliente"_s, c.cmbTipoCliente, 2);
    conEtichetta(gc, 2, 0, u"Appartiene a "_s, c.cmbAppartenenza);
    gc->addWidget(c.lblTipo, 2, 2);
    destra->addWidget(categoria);
    destra->addStretch();
    l->addLayout(destra, 2);

    QWidget* f = pagina;
    for (QRadioButton* o : {c.optGruppo, c.optProprietario, c.optInquilino})
        QObject::connect(o, &QRadioButton::clicked, f, [this] { gestisci([this] { riempiGruppo(); }); });
    QObject::connect(c.cmbAppartenenza, &QComboBox::activated, f, [this] { gestisci([this] { mostraTipoAppartenenza(); }); });
    QObject::connect(c.cmbMarcaProdotto, &QComboBox::activated, f, [this] {
        gestisci([this] { ricostruisciModelli(true, ui().cmbTipoProdotto->currentIndex() >= 0); });
    });
    dopoCanc(c.cmbMarcaProdotto, [this] {
        gestisci([this] { ricostruisciModelli(false, ui().cmbTipoProdotto->currentIndex() >= 0); });
    });
    dopoCanc(c.cmbTipoProdotto, [this] {
        gestisci([this] { ricostruisciModelli(ui().cmbMarcaProdotto->currentIndex() >= 0, false); });
    });
    dopoCanc(c.cmbAppartenenza, [this] { ui().lblTipo->clear(); });
    // A fresh notes window each time: a stale confirmed text never comes back.
    QObject::connect(c.cmdNoteUlteriori, &QPushButton::clicked, f, [this] { gestisci([this] { modificaNote(cNoteUlteriori); }); });
    QObject::connect(c.txtNotePagamento, &QPushButton::clicked, f, [this] { gestisci([this] { modificaNote(cNotePagamento); }); });
    return pagina;
}
