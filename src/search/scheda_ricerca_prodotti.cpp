#include "search/scheda_ricerca.h"
#include "platform/ui/utilita_form.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// Rows closer than usual, so the tab fits an 800 x 600 screen.
QGridLayout* griglia(QWidget* fra = nullptr)
{
    auto* g = new QGridLayout(fra);
    g->setVerticalSpacing(3);
    return g;
}

// The cost box: a typed "." becomes ","; every other key passes.
class FiltroCosto : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->text() != u"."_s)
            return false;
        static_cast<QLineEdit*>(o)->insert(u","_s);
        return true;
    }
};

// A yes/no criterion: its box and the options "Si" and "No" beside it, on one row.
void siNo(QGridLayout* g, int r, QCheckBox* box, QRadioButton*& si, QRadioButton*& no, const QString& nomeSi,
          const QString& nomeNo)
{
    auto* coppia = new QWidget(box->parentWidget());
    auto* l = new QHBoxLayout(coppia);
    l->setContentsMargins(0, 0, 0, 0);
    si = opzione(coppia, nomeSi, u"Si"_s);
    no = opzione(coppia, nomeNo, u"No"_s);
    l->addWidget(si);
    l->addWidget(no);
    g->addWidget(box, r, 0);
    g->addWidget(coppia, r, 1);
}

// One date criterion: its caption (its box, or a label), and its other boxes ("Nessuno", ...) at
// the end of the row; "Dal" and "Al" below, named in a message by the caption.
void rigaDate(QGridLayout* g, int r, QWidget* didascalia, DataOpzionale* da, DataOpzionale* a,
              std::initializer_list<QCheckBox*> altre = {})
{
    auto* riga = new QHBoxLayout;
    riga->addWidget(didascalia);
    riga->addStretch();
    for (QCheckBox* x : altre)
        riga->addWidget(x);
    g->addLayout(riga, r, 0, 1, 4);
    conEtichetta(g, r + 1, 0, u"Dal"_s, da);
    conEtichetta(g, r + 1, 2, u"Al"_s, a);
    const auto* box = qobject_cast<QCheckBox*>(didascalia);
    impostaGruppo(box ? box->text() : static_cast<QLabel*>(didascalia)->text(), {da, a});
}
} // namespace

// Tab "Prodotti": the appliance criteria.
QWidget* schRicCliente::costruisciProdotti()
{
    auto& c = ui();
    auto* pagina = new QWidget;
    auto* prodotto = new QGroupBox(u"Prodotto"_s, pagina);
    auto* lp = new QHBoxLayout(prodotto);
    // Two columns: the lists and the short texts, then the other texts and the yes/no criteria.
    auto* sx = griglia();
    auto* dx = griglia();
    lp->addLayout(sx);
    lp->addLayout(dx);
    c.cmbInstallatore = combo(prodotto, u"cmbInstallatore"_s);
    c.cmbPosizione = combo(prodotto, u"cmbPosizione"_s);
    c.cmbTipoGas = combo(prodotto, u"cmbTipoGas"_s);
    c.cmbTecnico = combo(prodotto, u"cmbTecnico"_s);
    c.txtMatricola2 = casella(prodotto, u"txtMatricola2"_s);
    c.txtCodiceInterno = casella(prodotto, u"txtCodiceInterno"_s);
    c.txtNumRf = casella(prodotto, u"txtNumRf"_s);
    c.txtNoteColli = casella(prodotto, u"txtNoteColli"_s);
    c.txtNumLibretto = casella(prodotto, u"txtNumLibretto"_s);
    c.txtDimAria = casella(prodotto, u"txtDimAria"_s);
    c.txtCrono = casella(prodotto, u"txtCrono"_s);
    conEtichetta(sx, 0, 0, u"Installatore"_s, c.cmbInstallatore);
    conEtichetta(sx, 1, 0, u"Posizione"_s, c.cmbPosizione);
    conEtichetta(sx, 2, 0, u"Tipo GAS"_s, c.cmbTipoGas);
    conEtichetta(sx, 3, 0, u"Tecnico"_s, c.cmbTecnico);
    conEtichetta(sx, 4, 0, u"Matricola 2"_s, c.txtMatricola2);
    conEtichetta(sx, 5, 0, u"Nr Rif"_s, c.txtNumRf);
    conEtichetta(sx, 6, 0, u"Note coll"_s, c.txtNoteColli);
    conEtichetta(dx, 0, 0, u"Codice interno"_s, c.txtCodiceInterno);
    conEtichetta(dx, 1, 0, u"Num Libretto"_s, c.txtNumLibretto);
    conEtichetta(dx, 2, 0, u"Dim Aria"_s, c.txtDimAria);
    conEtichetta(dx, 3, 0, u"Crono"_s, c.txtCrono);
    c.chkDichConf = spunta(prodotto, u"chkDichConf"_s, u"Dich Conf"_s);
    c.chkFumi = spunta(prodotto, u"chkFumi"_s, u"Fumi"_s);
    c.chkAria = spunta(prodotto, u"chkAria"_s, u"Aria"_s);
    siNo(dx, 4, c.chkDichConf, c.optDichConfSI, c.optDichConfNO, u"optDichConfSI"_s, u"optDichConfNO"_s);
    siNo(dx, 5, c.chkFumi, c.optFumiSi, c.optFumiNo, u"optFumiSi"_s, u"optFumiNo"_s);
    siNo(dx, 6, c.chkAria, c.optAriaSi, c.optAriaNo, u"optAriaSi"_s, u"optAriaNo"_s);

    // Two columns of frames, so the tab fits an 800 x 600 screen.
    auto* l = new QHBoxLayout(pagina);
    auto* colonna1 = new QVBoxLayout;
    auto* colonna2 = new QVBoxLayout;
    l->addLayout(colonna1);
    l->addLayout(colonna2);
    colonna1->addWidget(prodotto);
    colonna1->addWidget(costruisciAbbonamento(pagina));
    colonna1->addStretch();
    colonna2->addWidget(costruisciManutenzione(pagina));
    colonna2->addWidget(costruisciDate(pagina));
    colonna2->addStretch();
    ordineTab(l);
    c.txtCosto->installEventFilter(new FiltroCosto(c.txtCosto));
    return pagina;
}

QWidget* schRicCliente::costruisciAbbonamento(QWidget* padre)
{
    auto& c = ui();
    auto* fra = new QGroupBox(padre);
    auto* g = griglia(fra);
    c.chkAbbonamento = spunta(fra, u"chkAbbonamento"_s, u"Abbonamento"_s);
    c.chkNoAbb = spunta(fra, u"chkNoAbb"_s, u"Nessun Abbonamento"_s);
    c.cmbTipoAbbonamento = combo(fra, u"cmbTipoAbbonamento"_s);
    c.dtpDataStipulazioneDa = data(fra, u"dtpDataStipulazioneDa"_s);
    c.dtpDataStipulazioneA = data(fra, u"dtpDataStipulazioneA"_s);
    c.dtpDataScadenzaDa = data(fra, u"dtpDataScadenzaDa"_s);
    c.dtpDataScadenzaA = data(fra, u"dtpDataScadenzaA"_s);
    c.txtCosto = casella(fra, u"txtCosto"_s);
    c.txtNumRicevuta = casella(fra, u"txtNumRicevuta"_s);
    g->addWidget(c.chkAbbonamento, 0, 0, 1, 2);
    g->addWidget(c.chkNoAbb, 0, 2, 1, 2);
    conEtichetta(g, 1, 0, u"Tipo"_s, c.cmbTipoAbbonamento, 3);
    rigaDate(g, 2, new QLabel(u"Data Stipulazione"_s, fra), c.dtpDataStipulazioneDa, c.dtpDataStipulazioneA);
    rigaDate(g, 4, new QLabel(u"Data Scadenza"_s, fra), c.dtpDataScadenzaDa, c.dtpDataScadenzaA);
    conEtichetta(g, 6, 0, u"Costo"_s, c.txtCosto);
    conEtichetta(g, 6, 2, u"Nr ricevuta"_s, c.txtNumRicevuta);
    return fra;
}

QWidget* schRicCliente::costruisciManutenzione(QWidget* padre)
{
    auto& c = ui();
    auto* fra = new QGroupBox(padre);
    auto* g = griglia(fra);
    c.chkManutenzioneProgrammata = spunta(fra, u"chkManutenzioneProgrammata"_s, u"manutenzione programmata"_s);
    c.chkNoManutenzione = spunta(fra, u"chkNoManutenzione"_s, u"Nessuna Manutenzione"_s);
    c.cmbMeseDa = elencoMesi(fra, u"cmbMeseDa"_s);
    c.cmbMeseA = elencoMesi(fra, u"cmbMeseA"_s);
    c.txtAnnoDa = casella(fra, u"txtAnnoDa"_s);
    c.txtAnnoA = casella(fra, u"txtAnnoA"_s);
    c.cmdResetMeseDa = pulsante(fra, u"cmdResetMeseDa"_s, u"R"_s);
    c.cmdResetMeseDa->setAccessibleName(u"Azzera il mese Da"_s);
    c.cmdResetMeseA = pulsante(fra, u"cmdResetMeseA"_s, u"R"_s);
    c.cmdResetMeseA->setAccessibleName(u"Azzera il mese A"_s);
    g->addWidget(c.chkManutenzioneProgrammata, 0, 0, 1, 5);
    g->addWidget(c.chkNoManutenzione, 1, 0, 1, 5);
    conEtichetta(g, 2, 0, u"Da"_s, c.cmbMeseDa);
    g->addWidget(c.cmdResetMeseDa, 2, 2);
    conEtichetta(g, 2, 3, u"Da"_s, c.txtAnnoDa);
    conEtichetta(g, 3, 0, u"A"_s, c.cmbMeseA);
    g->addWidget(c.cmdResetMeseA, 3, 2);
    conEtichetta(g, 3, 3, u"A"_s, c.txtAnnoA);
    QObject::connect(c.cmdResetMeseDa, &QPushButton::clicked, fra, [m = c.cmbMeseDa] { m->setCurrentIndex(-1); });
    QObject::connect(c.cmdResetMeseA, &QPushButton::clicked, fra, [m = c.cmbMeseA] { m->setCurrentIndex(-1); });
    return fra;
}

QWidget* schRicCliente::costruisciDate(QWidget* padre)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"Date"_s, padre);
    auto* g = griglia(fra);
    c.chkDataCollaudo = spunta(fra, u"chkDataCollaudo"_s, u"Data collaudo"_s);
    c.dtpDataCollaudoDa = data(fra, u"dtpDataCollaudoDa"_s);
    c.dtpDataCollaudoA = data(fra, u"dtpDataCollaudoA"_s);
    c.chkNoCollaudo = spunta(fra, u"chkNoCollaudo"_s, u"Nessuno"_s);
    c.chkDataInserimento = spunta(fra, u"chkDataInserimento"_s, u"Data inserimento"_s);
    c.dtpDataInserimentoDa = data(fra, u"dtpDataInserimentoDa"_s);
    c.dtpDataInserimentoA = data(fra, u"dtpDataInserimentoA"_s);
    c.chkNoInserimento = spunta(fra, u"chkNoInserimento"_s, u"Nessuno"_s);
    c.chkDataLibretto = spunta(fra, u"chkDataLibretto"_s, u"Data Libretto"_s);
    c.dtpDataLibrettoDa = data(fra, u"dtpDataLibrettoDa"_s);
    c.dtpDataLibrettoA = data(fra, u"dtpDataLibrettoA"_s);
    c.chkNoLibretto = spunta(fra, u"chkNoLibretto"_s, u"Nessuno"_s);
    c.chkDataUltimaCombustione = spunta(fra, u"chkDataUltimaCombustione"_s, u"Data ultima combustione"_s);
    c.dtpUltimaCombustioneDa = data(fra, u"dtpUltimaCombustioneDa"_s);
    c.dtpUltimaCombustioneA = data(fra, u"dtpUltimaCombustioneA"_s);
    c.chkNoCombustione = spunta(fra, u"chkNoCombustione"_s, u"Nessuno"_s);
    c.chkManutenzione = spunta(fra, u"chkManutenzione"_s, u"Data Manutenzione"_s);
    c.dtpManDa = data(fra, u"dtpManDa"_s);
    c.dtpManA = data(fra, u"dtpManA"_s);
    c.chkNessunaMan = spunta(fra, u"chkNessunaMan"_s, u"Nessuno"_s);
    c.chkNotMan = spunta(fra, u"chkNotMan"_s, u"NON"_s);
    rigaDate(g, 0, c.chkDataCollaudo, c.dtpDataCollaudoDa, c.dtpDataCollaudoA, {c.chkNoCollaudo});
    rigaDate(g, 2, c.chkDataInserimento, c.dtpDataInserimentoDa, c.dtpDataInserimentoA, {c.chkNoInserimento});
    rigaDate(g, 4, c.chkDataLibretto, c.dtpDataLibrettoDa, c.dtpDataLibrettoA, {c.chkNoLibretto});
    rigaDate(g, 6, c.chkDataUltimaCombustione, c.dtpUltimaCombustioneDa, c.dtpUltimaCombustioneA,
             {c.chkNoCombustione});
    rigaDate(g, 8, c.chkManutenzione, c.dtpManDa, c.dtpManA, {c.chkNessunaMan, c.chkNotMan});
    return fra;
}
