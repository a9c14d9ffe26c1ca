#include "customers/scheda_prodotto_cliente.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "customers/prima_accensione.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/colori_focus.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include "registers/modello/aggiunta_rapida.h"
#include "registers/lookup/marche.h"
#include "registers/lookup/posizioni.h"
#include "registers/lookup/tipo_abbonamento.h"
#include "registers/lookup/tipo_gas.h"
#include "registers/staff/installatori.h"
#include "registers/staff/tecnici.h"
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
// An event filter made of a function: true when the event was used.
class Filtro : public QObject {
public:
    Filtro(QObject* o, std::function<bool(QEvent*)> f) : QObject(o), f(std::move(f)) { o->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override { return f(e); }

private:
    std::function<bool(QEvent*)> f;
};

void suCanc(QWidget* w, std::function<void()> azione)
{
    new Filtro(w, [azione = std::move(azione)](QEvent* e) {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Delete)
            return false;
        azione();
        return true;
    });
}

// Leaving the box with the mouse or the keyboard (not a window coming on top).
bool uscitaDalCampo(QEvent* e)
{
    if (e->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
}

// A labelled field on the next row of a frame, with its quick-add button.
void riga(QGridLayout* g, const QString& etichetta, QWidget* campo, QWidget* pulsante = nullptr)
{
    const int r = g->rowCount();
    conEtichetta(g, r, 0, etichetta, campo);
    if (pulsante)
        g->addWidget(pulsante, r, 2);
}
} // namespace

QWidget* schProdottoCliente::costruisci()
{
    auto* f = new FormaDialogo(u"SCHEDA DETTAGLIO PRODOTTO DEL CLIENTE"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    c.cmdDatiAccensione = pulsante(f, u"cmdDatiAccensione"_s, u"I° ACCENSIONE"_s);

    auto* prodotto = new QGroupBox(u"DATI PRODOTTO"_s, f);
    auto* gp = new QGridLayout(prodotto);
    c.cmbTipoProdotto =
        combo(prodotto, u"cmbTipoProdotto"_s,
              u"SELECT sigla_tipo_prodotto || ' - ' || tipo_nome, eliminato FROM tipoprod WHERE idTpProd = ?"_s);
    c.cmbMarcaProdotto = combo(prodotto, u"cmbMarcaProdotto"_s,
                               u"SELECT sigla_marca || ' - ' || marca, eliminato FROM marche WHERE idMarca = ?"_s);
    c.cmdNuovaMarca = pulsanteIcona(prodotto, u"cmdNuovaMarca"_s, QStyle::SP_FileIcon, u"Crea una nuova marca"_s);
    c.cmbModello = combo(prodotto, u"cmbModello"_s, u"SELECT modello, eliminato FROM prodotti WHERE idModello = ?"_s);
    c.cmdNuovaTipologia = pulsanteIcona(prodotto, u"cmdNuovaTipologia"_s, QStyle::SP_FileIcon,
                                        u"Crea un nuovo modello"_s);
    c.cmbPosizione = combo(prodotto, u"cmbPosizione"_s,
                           u"SELECT sigla_posizione || ' - ' || posizione, eliminato FROM posizione WHERE idPos = ?"_s);
    c.cmdNuovaPosizione = pulsanteIcona(prodotto, u"cmdNuovaPosizione"_s, QStyle::SP_FileIcon,
                                        u"Crea una nuova posizione"_s);
    c.cmbTipoGas = combo(prodotto, u"cmbTipoGas"_s,
                         u"SELECT sigla_tipo_gas || ' - ' || tipogas, eliminato FROM tipogas WHERE idTpGas = ?"_s);
    c.cmdNuovoTipoGas = pulsanteIcona(prodotto, u"cmdNuovoTipoGas"_s, QStyle::SP_FileIcon,
                                      u"Crea un nuovo tipo di alimentazione"_s);
    c.txtMatricola1 = casella(prodotto, u"txtMatricola1"_s);
    c.txtMatricola2 = casella(prodotto, u"txtMatricola2"_s);
    c.txtCodiceInterno = casella(prodotto, u"txtCodiceInterno"_s);
    c.txtNumLibretto = casella(prodotto, u"txtNumLibretto"_s);
    c.dtpDataLibretto = data(prodotto, u"dtpDataLibretto"_s);
    c.chkFumi = spunta(prodotto, u"chkFumi"_s, u"Fumi"_s);
    c.chkAria = spunta(prodotto, u"chkAria"_s, u"Aria"_s);
    c.txtDimAria = casella(prodotto, u"txtDimAria"_s);
    c.txtCrono = casella(prodotto, u"txtCrono"_s);
    riga(gp, u"Tipologia"_s, c.cmbTipoProdotto);
    riga(gp, u"Marca"_s, c.cmbMarcaProdotto, c.cmdNuovaMarca);
    riga(gp, u"Modello"_s, c.cmbModello, c.cmdNuovaTipologia);
    riga(gp, u"Posizione"_s, c.cmbPosizione, c.cmdNuovaPosizione);
    riga(gp, u"Aliment. :"_s, c.cmbTipoGas, c.cmdNuovoTipoGas);
    riga(gp, u"Matricola 1"_s, c.txtMatricola1);
    riga(gp, u"Matricola 2"_s, c.txtMatricola2);
    riga(gp, u"Cod.Interno"_s, c.txtCodiceInterno);
    riga(gp, u"Num Libretto"_s, c.txtNumLibretto);
    riga(gp, u"Data Libretto"_s, c.dtpDataLibretto);
    auto* verifiche = new QHBoxLayout;
    verifiche->addWidget(c.chkFumi);
    verifiche->addWidget(c.chkAria);
    gp->addLayout(verifiche, gp->rowCount(), 1);
    riga(gp, u"Diam."_s, c.txtDimAria);
    riga(gp, u"Crono"_s, c.txtCrono);

    auto* accensione = new QGroupBox(u"DATI 1° ACCENSIONE"_s, f);
    auto* ga = new QGridLayout(accensione);
    c.cmbTecnico = combo(accensione, u"cmbTecnico"_s,
                         u"SELECT sigla_tecnico || ' - ' || tecnico, eliminato FROM tecnici WHERE idTecn = ?"_s);
    c.cmdNuovoTecnico = pulsanteIcona(accensione, u"cmdNuovoTecnico"_s, QStyle::SP_FileIcon,
                                      u"Crea un nuovo tecnico"_s);
    c.cmbInstallatore = combo(accensione, u"cmbInstallatore"_s,
                              u"SELECT nome_ins, eliminato FROM installatori WHERE idInst = ?"_s);
    c.cmdNuovoInstallatore = pulsanteIcona(accensione, u"cmdNuovoInstallatore"_s, QStyle::SP_FileIcon,
                                           u"Crea un nuovo installatore"_s);
    c.dtpDataCollaudo = data(accensione, u"dtpDataCollaudo"_s);
    c.dtpDataInserimento = data(accensione, u"dtpDataInserimento"_s);
    c.dtpUltimaCombustione = data(accensione, u"dtpUltimaCombustione"_s);
    c.txtNoteColli = casella(accensione, u"txtNoteColli"_s);
    c.txtNumRf = casella(accensione, u"txtNumRf"_s);
    c.chkDichConf = spunta(accensione, u"chkDichConf"_s, u"Dichiaraz. Conformità"_s);
    riga(ga, u"Tecnico"_s, c.cmbTecnico, c.cmdNuovoTecnico);
    riga(ga, u"Installatore"_s, c.cmbInstallatore, c.cmdNuovoInstallatore);
    riga(ga, u"Data Accensione"_s, c.dtpDataCollaudo);
    riga(ga, u"Data inserimento"_s, c.dtpDataInserimento);
    riga(ga, u"Data Analisi Fumi"_s, c.dtpUltimaCombustione);
    riga(ga, u"Note coll"_s, c.txtNoteColli);
    riga(ga, u"Nr. Ric.Fisc."_s, c.txtNumRf);
    ga->addWidget(c.chkDichConf, ga->rowCount(), 1);

    auto* manutenzione = new QGroupBox(u"MANUTENZIONE PROGRAMMATA"_s, f);
    auto* gm = new QGridLayout(manutenzione);
    c.cmbMese = elencoMesi(manutenzione, u"cmbMese"_s);
    c.txtAnno = casella(manutenzione, u"txtAnno"_s);
    riga(gm, u"Mese"_s, c.cmbMese);
    riga(gm, u"Anno"_s, c.txtAnno);

    auto* abbonamento = new QGroupBox(u"ABBONAMENTO"_s, f);
    auto* gb = new QGridLayout(abbonamento);
    c.cmbTipoAbbonamento = combo(abbonamento, u"cmbTipoAbbonamento"_s, voceAbbonamento());
    c.cmdNuovoAbbonamento = pulsanteIcona(abbonamento, u"cmdNuovoAbbonamento"_s, QStyle::SP_FileIcon,
                                          u"Crea un nuovo tupi di abbonamento"_s);
    c.txtCosto = casella(abbonamento, u"txtCosto"_s);
    c.txtNumRicevuta = casella(abbonamento, u"txtNumRicevuta"_s);
    c.dtpDataStipulazione = data(abbonamento, u"dtpDataStipulazione"_s);
    c.dtpDataScadenza = data(abbonamento, u"dtpDataScadenza"_s);
    riga(gb, u"Tipo"_s, c.cmbTipoAbbonamento, c.cmdNuovoAbbonamento);
    riga(gb, u"Costo"_s, c.txtCosto);
    riga(gb, u"Nr ricevuta"_s, c.txtNumRicevuta);
    riga(gb, u"Data Stipulazione"_s, c.dtpDataStipulazione);
    riga(gb, u"Data Scadenza"_s, c.dtpDataScadenza);

    // Two columns of frames, each as tall as it needs: the card fits an 800 x 600 screen.
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(prodotto, 1);
    sinistra->addWidget(manutenzione);
    auto* destra = new QVBoxLayout;
    destra->addWidget(c.cmdDatiAccensione, 0, Qt::AlignRight);
    destra->addWidget(accensione);
    destra->addWidget(abbonamento);
    destra->addStretch();
    auto* riquadri = new QHBoxLayout;
    riquadri->addLayout(sinistra);
    riquadri->addLayout(destra);
    l->addLayout(riquadri, 1);

    c.cmConferma = pulsante(f, u"cmConferma"_s, u"CONFERMA (F10)"_s);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"ANNULLA (ESC)"_s);
    f->impostaAnnulla(c.cmdAnnulla, FormaDialogo::Esc::aParte);
    filaPulsanti(l, {c.cmConferma, c.cmdAnnulla});

    legaColonne();
    collega();
    return f;
}

// The button opens the register's card for a new row; the refilled list chooses it by its key.
template <class Scheda>
void schProdottoCliente::aggiuntaDa(QPushButton* pulsante, ComboDati* combo, void (schProdottoCliente::*riempi)())
{
    QObject::connect(pulsante, &QPushButton::clicked, ui().forma, [this, combo, riempi] {
        gestisci([&] { aggiuntaRapida(istanza<Scheda>(), combo, [&] { (this->*riempi)(); }); });
    });
}

void schProdottoCliente::collega()
{
    auto& c = ui();
    QWidget* f = c.forma;
    // F10 confirms and Esc cancels, on their release.
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int tasto, Qt::KeyboardModifiers) {
        QPushButton* p = tasto == Qt::Key_F10 ? ui().cmConferma : tasto == Qt::Key_Escape ? ui().cmdAnnulla : nullptr;
        if (p)
            p->click();
        return p != nullptr;
    });
    coloraFocus({c.cmbTipoProdotto, c.cmbMarcaProdotto, c.cmbModello, c.txtMatricola1});
    filtraDecimali(c.txtCosto);
    for (auto [campo, colonna] : {std::pair{c.txtCosto, u"vl_abb"_s}, std::pair{c.txtDimAria, u"dim_aria"_s}}) {
        // Leaving the box with a text that is not a number: the message, and the focus stays.
        new Filtro(campo, [this, colonna](QEvent* e) {
            if (uscitaDalCampo(e))
                QTimer::singleShot(0, ui().forma, [this, colonna] {
                    if (!controllando)
                        valido(colonna);
                });
            return false;
        });
    }

    QObject::connect(c.cmbTipoProdotto, &QComboBox::currentIndexChanged, f, [this] {
        if (!riempiendo)
            gestisci([this] { cambioTipo(); });
    });
    QObject::connect(c.cmbMarcaProdotto, &QComboBox::currentIndexChanged, f, [this] {
        if (!riempiendo)
            gestisci([this] { cambioMarca(); });
    });
    suCanc(c.cmbMarcaProdotto, [this] { gestisci([this] { cancellaMarca(); }); });
    suCanc(c.cmbMese, [this] { ui().legame.mostra(u"mm_man"_s, {}); });
    QObject::connect(c.dtpDataStipulazione, &DataOpzionale::cambiato, f, [this] { proponiScadenza(); });

    aggiuntaDa<schMarca>(c.cmdNuovaMarca, c.cmbMarcaProdotto, &schProdottoCliente::riempiMarche);
    aggiuntaDa<schPosizione>(c.cmdNuovaPosizione, c.cmbPosizione, &schProdottoCliente::riempiPosizioni);
    aggiuntaDa<schTipoGas>(c.cmdNuovoTipoGas, c.cmbTipoGas, &schProdottoCliente::riempiTipogas);
    aggiuntaDa<schTipoAbbonamento>(c.cmdNuovoAbbonamento, c.cmbTipoAbbonamento, &schProdottoCliente::riempiAbbonamenti);
    aggiuntaDa<schInstallatore>(c.cmdNuovoInstallatore, c.cmbInstallatore, &schProdottoCliente::riempiInstallatori);
    // Enabled technicians only, also when modifying.
    aggiuntaDa<schTecnico>(c.cmdNuovoTecnico, c.cmbTecnico, &schProdottoCliente::riempiTecniciAbilitati);
    QObject::connect(c.cmdNuovaTipologia, &QPushButton::clicked, f, [this] { gestisci([this] { nuovoModello(); }); });
    QObject::connect(c.cmdDatiAccensione, &QPushButton::clicked, f, [this] { datiAccensione(); });
    QObject::connect(c.cmConferma, &QPushButton::clicked, f, [this] { conferma(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { annulla(); });
}

void schProdottoCliente::alCaricamento()
{
    centraForm(ui().forma);
    // The card opens on its first field, not on the button above it.
    ui().cmbTipoProdotto->setFocus();
    caricato = false;
    bClienteNuovo = false;
    versione.dimentica();
    strMatricola.clear();
    riempiCombo();
    static_cast<DatiPrimaAccensione&>(*this) = DatiPrimaAccensione{};
}

void schProdottoCliente::annulla()
{
    bConferma = false;
    chiudi();
}

void schProdottoCliente::conferma()
{
    gestisci([this] {
        if (!check())
            return;
        const QString matricola = ui().txtMatricola1->text();
        if (matricola != strMatricola && chkMatricola(matricola)
            && messaggio(u"MATRICOLA GIA' ESISTENTE"_s, stile::okAnnulla) == Risposta::Annulla)
            return;
        // A refused write keeps the card open with what was typed, unconfirmed.
        if (!(nModalità == 0 ? inserisciProdotto() : modificaProdotto()))
            return;
        bConferma = true;
        chiudi();
    });
}

// The value of a number box, or its message with the focus back in the box.
bool schProdottoCliente::valido(const QString& colonna)
{
    if (!caricata())
        return true;
    try {
        ui().legame.valore(colonna);
        return true;
    } catch (const ErroreDb& e) {
        // While the box is up, leaving the field does not ask again.
        controllando = true;
        messaggio(e.descrizione, stile::informazione);
        controllando = false;
        ui().legame.controllo(colonna)->setFocus();
        return false;
    }
}

bool schProdottoCliente::check()
{
    if (!campiDigitatiValidi(ui().forma))
        return false;
    if (ui().cmbModello->valoreLegato().isNull()) {
        messaggio(u"Selezionare il modello"_s);
        return false;
    }
    // Pasted text, or F10 inside a box, comes here without the check on leaving it.
    return valido(u"vl_abb"_s) && valido(u"dim_aria"_s) && valido(u"aa_man"_s);
}

bool schProdottoCliente::chkMatricola(const QString& matricola)
{
    if (matricola.isEmpty())
        return false;
    // In modify mode the appliance's own serial is not a duplicate.
    QString sql = u"SELECT matr_1 FROM prodotti_ai_clienti where matr_1 = ?"_s;
    QVariantList valori{maiuscolo(matricola)};
    if (nModalità != 0) {
        sql += u" and id_pro_cli <> ?"_s;
        valori << qlonglong(nIdProdotto);
    }
    return !connessione.apriAvanti(sql, valori).eof();
}

// The expiry proposed one year after the stipulation (29/02 gives 28/02).
void schProdottoCliente::proponiScadenza()
{
    const QVariant stipulazione = ui().dtpDataStipulazione->valore();
    if (!stipulazione.isNull())
        ui().dtpDataScadenza->impostaValore(stipulazione.toDate().addYears(1));
}

void schProdottoCliente::datiAccensione()
{
    schPrimaAccensione& p = istanza<schPrimaAccensione>();
    p.carica();
    static_cast<DatiPrimaAccensione&>(p) = *this;
    p.predisponi();
    p.mostraModale();
    // The answers reach the database only when this card is confirmed.
    if (p.bConferma)
        static_cast<DatiPrimaAccensione&>(*this) = p;
}
