#include "search/scheda_ricerca.h"
#include "common/funzioni.h"
#include "platform/ambiente/ambiente.h"
#include "platform/ui/attivazione.h"
#include "platform/ui/colori_focus.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/utilita_form.h"
#include "platform/ui/tasti_funzione.h"
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QWidget* schRicCliente::costruisci()
{
    auto* f = new FormaDialogo(u"SCHEDA RICERCA CLIENTI"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    c.TabStrip = controllo<QTabWidget>(f, u"TabStrip"_s);
    c.TabStrip->addTab(costruisciCliente(), u"Cliente"_s);
    c.TabStrip->addTab(costruisciProdotti(), u"Prodotti"_s);
    c.TabStrip->addTab(costruisciElenco(), u"Elenco"_s);
    l->addWidget(c.TabStrip, 1);

    c.cmdReset = pulsante(f, u"cmdReset"_s, u"Reset (F1)"_s, u"Azzera i criteri di ricerca"_s);
    c.cmdChiamata = pulsante(f, u"cmdChiamata"_s, u"Fissa (F2)"_s, u"Apre il planner con il cliente selezionato"_s);
    c.cmdModChiamata = pulsante(f, u"cmdModChiamata"_s, u"Modifica (F4)"_s, u"Modifica la chiamata selezionata"_s);
    c.cmdNuovo = pulsante(f, u"cmdNuovo"_s, u"Nuovo (F5)"_s, u"Inserisce un nuovo cliente"_s);
    c.cmbModificaCliente =
        pulsante(f, u"cmbModificaCliente"_s, u"Modifica (F6)"_s, u"Modifica il cliente selezionato"_s);
    c.cmdEliminaCliente = pulsante(f, u"cmdEliminaCliente"_s, u"Elimina (F8)"_s, u"Elimina il cliente selezionato"_s);
    c.cmdRicerca = pulsante(f, u"cmdRicerca"_s, u"Ricerca (F10)"_s, u"Esegue la ricerca"_s);
    c.cmdStampa = pulsante(f, u"cmdStampa"_s, u"Stampa (F12)"_s, u"Apre il menu per le stampe"_s);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"Chiudi (ESC)"_s, u"Chiude la finestra"_s);
    auto* appuntamento = new QGroupBox(u"APPUNTAMENTO"_s, f);
    auto* la = new QHBoxLayout(appuntamento);
    la->addWidget(c.cmdChiamata);
    la->addWidget(c.cmdModChiamata);
    // Two rows of commands, so the window fits an 800 x 600 screen.
    auto* comandi = new QGridLayout;
    comandi->addWidget(c.cmdReset, 0, 0);
    comandi->addWidget(appuntamento, 0, 1, 2, 1);
    int colonna = 2;
    for (QPushButton* p : {c.cmdNuovo, c.cmbModificaCliente, c.cmdEliminaCliente})
        comandi->addWidget(p, 0, colonna++);
    colonna = 2;
    for (QPushButton* p : {c.cmdRicerca, c.cmdStampa, c.cmdChiudi})
        comandi->addWidget(p, 1, colonna++);
    l->addLayout(comandi);

    QObject::connect(c.cmdReset, &QPushButton::clicked, f, [this] { gestisci([this] { reset(); }); });
    QObject::connect(c.cmdRicerca, &QPushButton::clicked, f, [this] { cmdRicerca_Click(); });
    QObject::connect(c.cmdNuovo, &QPushButton::clicked, f, [this] { cmdNuovo_Click(); });
    QObject::connect(c.cmbModificaCliente, &QPushButton::clicked, f, [this] { cmbModificaCliente_Click(); });
    QObject::connect(c.cmdEliminaCliente, &QPushButton::clicked, f, [this] { cmdEliminaCliente_Click(); });
    QObject::connect(c.cmdStampa, &QPushButton::clicked, f, [this] { cmdStampa_Click(); });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { cmdChiudi_Click(); });
    QObject::connect(c.cmdChiamata, &QPushButton::clicked, f, [this] { cmdChiamata_Click(); });
    QObject::connect(c.cmdModChiamata, &QPushButton::clicked, f, [this] { cmdModChiamata_Click(); });
    QObject::connect(c.TabStrip, &QTabWidget::currentChanged, f, [this](int i) { tabCambiata(i); });
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) { return tasto(k); });
    alAttivarsi(f, [this] {
        ui().txtCognome->setFocus();
        mostrata = true;
    });
    collegaSwitch();
    collegaElenco();

    coloraFocus({c.txtCognome,     c.txtNome,         c.txtRagione,   c.txtIndirizzo,     c.txtIndirizzo2,
                 c.txtCondFraz,    c.txtCap,          c.txtCitta,     c.txtProvincia,     c.txtTelCasa,
                 c.txtTelCellulare, c.txtAltro,       c.txtNote,      c.txtGruppo,        c.txtCodGas,
                 c.txtNaz,         c.txtMatricola1,   c.txtNumLibretto, c.txtMatricola2,  c.txtNoteColli,
                 c.txtCodiceInterno, c.txtNumRf,      c.txtDimAria,   c.txtCrono,         c.txtCosto,
                 c.txtNumRicevuta, c.txtAnnoDa,       c.txtAnnoA});
    coloraFocus({c.chkDichConf, c.chkFumi, c.chkAria}, QApplication::palette().color(QPalette::Button));
    f->resize(800, 580);
    centraForm(f);
    return f;
}

void schRicCliente::alCaricamento()
{
    auto& c = ui();
    for (DataOpzionale* d : c.forma->findChildren<DataOpzionale*>()) {
        d->impostaData(oggi());
        d->impostaValore(QVariant());
    }
    // One failure is enough: the window is not shown (the next reads would only wait again).
    gestisci([this] {
        riempiCombo();
        riempiGruppo();
        reset();
    });
    c.TabStrip->setCurrentIndex(0);
}

// Closing stops a result still being read: its statement goes with it.
void schRicCliente::alloScaricamento()
{
    ui().griglia->imposta(Recordset());
}

void schRicCliente::apri()
{
    if (caricata() && forma()->isVisible()) {
        forma()->raise();
        forma()->activateWindow();
        return;
    }
    mostraModale();
}

void schRicCliente::mostra()
{
    forma()->show();
    forma()->raise();
    forma()->activateWindow();
}

bool schRicCliente::tasto(int tasto)
{
    auto& c = ui();
    const QMap<int, QPushButton*> pulsanti = {
        {Qt::Key_F1, c.cmdReset},          {Qt::Key_F2, c.cmdChiamata}, {Qt::Key_F4, c.cmdModChiamata},
        {Qt::Key_F5, c.cmdNuovo},          {Qt::Key_F6, c.cmbModificaCliente},
        {Qt::Key_F8, c.cmdEliminaCliente}, {Qt::Key_F10, c.cmdRicerca}, {Qt::Key_F12, c.cmdStampa},
        {Qt::Key_Escape, c.cmdChiudi}};
    QPushButton* p = pulsanti.value(tasto);
    if (!p)
        return false;
    p->click();
    return true;
}

void schRicCliente::tabCambiata(int indice)
{
    auto& c = ui();
    if (indice == 0 && mostrata)
        c.txtCognome->setFocus();
    else if (indice == 1)
        c.cmbInstallatore->setFocus();
}
