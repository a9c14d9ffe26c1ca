#include "customers/scheda_cliente.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "common/prossimo_numero.h"
#include "customers/appartenenza.h"
#include "customers/elimina_prodotto.h"
#include "customers/note.h"
#include "customers/scheda_prodotto_cliente.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/etichetta_valore.h"
#include "platform/ui/attivazione.h"
#include "platform/ui/colori_focus.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include "registers/lookup/zone.h"
#include "registers/modello/aggiunta_rapida.h"
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QColor rosso(255, 0, 0);
const QColor ciano(0, 255, 255);
const QColor grigioChiaro(0xC0, 0xC0, 0xC0);

QColor facciaPulsante()
{
    return QApplication::palette().color(QPalette::Button);
}

void coloraPulsante(QPushButton* p, const QColor& colore)
{
    QPalette pal = p->palette();
    pal.setColor(QPalette::Button, colore);
    p->setPalette(pal);
    p->setAutoFillBackground(true);
}

// The parent combo: a click on it shows the parent's kind, any key blanks it.
class FiltroAppartenenza : public QObject {
public:
    FiltroAppartenenza(QObject* padre, QLabel* etichetta) : QObject(padre), etichetta(etichetta) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress)
            etichetta->clear();
        return false;
    }

private:
    QLabel* etichetta;
};

// The columns the card keeps in members, in the order of valoriMembri.
const QStringList colonneMembri = {u"cod_tipo_appartenenza"_s, u"note_cli"_s, u"note_pag"_s};
} // namespace

QWidget* schCliente::costruisci()
{
    auto* f = new FormaDialogo(u"Scheda Cliente"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    auto* alto = new QHBoxLayout;
    l->addLayout(alto);
    costruisciAnagrafica(f);
    costruisciCategoria(f);
    costruisciProdotti(f);

    c.cmdConferma = pulsante(f, u"cmdConferma"_s, u"Conferma (F10)"_s);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"Annulla (ESC)"_s);
    f->impostaAnnulla(c.cmdAnnulla);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(f->findChild<QGroupBox*>(u"fraAnagrafica"_s));
    auto* destra = new QVBoxLayout;
    destra->addWidget(f->findChild<QGroupBox*>(u"fraContatti"_s));
    destra->addWidget(f->findChild<QGroupBox*>(u"fraCategoria"_s));
    destra->addStretch();
    alto->addLayout(sinistra, 3);
    alto->addLayout(destra, 2);
    auto* basso = new QHBoxLayout;
    basso->addWidget(f->findChild<QGroupBox*>(u"fraProdotti"_s), 1);
    // Beside the appliances, so the card fits an 800 x 600 screen.
    filaPulsanti(basso, {c.cmdConferma, c.cmdAnnulla});
    l->addLayout(basso, 1);

    QObject::connect(c.cmdConferma, &QPushButton::clicked, f, [this] { cmdConferma_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { cmdAnnulla_Click(); });
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) { return tasto(k); });
    alAttivarsi(f, [this] {
        ui().txtCognome->setFocus();
        if (!cNotePagamento.isEmpty())
            coloraPulsante(ui().txtNotePagamento, rosso);
    });
    coloraFocus({c.txtCognome, c.txtNome, c.txtRagione, c.txtIndirizzo, c.txtIndirizzo2, c.txtCap, c.txtCitta,
                 c.txtProvincia, c.txtNaz, c.txtCondFraz, c.txtNote, c.txtGruppo, c.txtCodGas, c.txtTelCasa,
                 c.txtTelCellulare, c.txtAltro});
    coloraFocus({c.grigliaProdotti}, facciaPulsante());
    ordineTab({c.txtCognome, c.txtNome, c.txtRagione, c.txtIndirizzo, c.txtIndirizzo2, c.txtCap,
                          c.txtCitta, c.txtProvincia, c.txtNaz, c.txtCondFraz, c.txtNote, c.txtGruppo, c.txtCodGas,
                          c.cmbZona, c.cmdNuovaZona, c.chkContatto, c.txtNotePagamento, c.cmdNoteUlteriori,
                          c.txtTelCasa, c.txtTelCellulare, c.txtAltro, c.optGruppo, c.optProprietario,
                          c.optInquilino, c.cmbTipoCliente, c.cmbAppartenenza, c.grigliaProdotti, c.cmdAggiungi,
                          c.cmdModifica, c.cmdRimuovi, c.cmdConferma, c.cmdAnnulla});
    lega();
    f->resize(780, 560);
    centraForm(f);
    return f;
}

void schCliente::costruisciAnagrafica(QWidget* f)
{
    auto& c = ui();
    auto* fra = controllo<QGroupBox>(f, u"fraAnagrafica"_s, u"ANAGRAFICA CLIENTE"_s);
    auto* g = new QGridLayout(fra);
    c.txtCognome = casella(fra, u"txtCognome"_s, 25);
    c.txtNome = casella(fra, u"txtNome"_s, 25);
    c.txtRagione = casella(fra, u"txtRagione"_s, 30);
    c.txtIndirizzo = casella(fra, u"txtIndirizzo"_s, 40);
    c.txtIndirizzo2 = casella(fra, u"txtIndirizzo2"_s, 40);
    c.txtCap = casella(fra, u"txtCap"_s, 5);
    c.txtCitta = casella(fra, u"txtCitta"_s, 25);
    c.txtProvincia = casella(fra, u"txtProvincia"_s, 2);
    c.txtNaz = casella(fra, u"txtNaz"_s, 2);
    c.txtCondFraz = casella(fra, u"txtCondFraz"_s, 90);
    c.txtNote = controllo<QPlainTextEdit>(fra, u"txtNote"_s);
    c.txtNote->setTabChangesFocus(true);
    c.txtNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.txtNote->setMaximumHeight(60);
    c.txtGruppo = casella(fra, u"txtGruppo"_s, 0);
    c.txtCodGas = casella(fra, u"txtCodGas"_s, 0);
    // Shown, never edited: written back as they were.
    for (QLineEdit* e : {c.txtIndirizzo2, c.txtGruppo, c.txtCodGas})
        e->setEnabled(false);
    c.cmbZona = combo(fra, u"cmbZona"_s, u"SELECT sigla_zona || ' - ' || desc_zona, eliminato FROM zone WHERE idzona = ?"_s);
    c.cmdNuovaZona = pulsanteIcona(fra, u"cmdNuovaZona"_s, QStyle::SP_FileDialogNewFolder, u"Crea una nuova zona"_s);
    c.chkContatto = spunta(fra, u"chkContatto"_s, u"Escludere"_s);
    c.txtNotePagamento = pulsante(fra, u"txtNotePagamento"_s, u"Pag."_s, u"Inserisci note sullo stato dei pagamenti"_s);
    c.cmdNoteUlteriori = pulsante(fra, u"cmdNoteUlteriori"_s, u"Note"_s, u"Inserisci note aggiuntive"_s);
    coloraPulsante(c.txtNotePagamento, grigioChiaro);
    coloraPulsante(c.cmdNoteUlteriori, facciaPulsante());

    conEtichetta(g, 0, 0, u"Cognome"_s, c.txtCognome, 3);
    conEtichetta(g, 1, 0, u"Nome"_s, c.txtNome, 3);
    conEtichetta(g, 2, 0, u"Rag Soc"_s, c.txtRagione, 3);
    conEtichetta(g, 3, 0, u"Indirizzo"_s, c.txtIndirizzo, 3);
    conEtichetta(g, 4, 0, u"Indirizzo 2"_s, c.txtIndirizzo2, 3);
    conEtichetta(g, 5, 0, u"CAP"_s, c.txtCap);
    conEtichetta(g, 5, 2, u"Città"_s, c.txtCitta);
    conEtichetta(g, 6, 0, u"Provincia"_s, c.txtProvincia);
    conEtichetta(g, 6, 2, u"Nazionalità"_s, c.txtNaz);
    conEtichetta(g, 7, 0, u"Cond Fraz"_s, c.txtCondFraz, 3);
    conEtichetta(g, 8, 0, u"Note"_s, c.txtNote, 3);
    conEtichetta(g, 9, 0, u"Gruppo"_s, c.txtGruppo);
    conEtichetta(g, 9, 2, u"Gas Cod"_s, c.txtCodGas);
    conEtichetta(g, 10, 0, u"Zona"_s, c.cmbZona, 2);
    g->addWidget(c.cmdNuovaZona, 10, 3);
    auto* sotto = new QHBoxLayout;
    sotto->addWidget(c.chkContatto);
    sotto->addStretch();
    sotto->addWidget(c.txtNotePagamento);
    sotto->addWidget(c.cmdNoteUlteriori);
    g->addLayout(sotto, 11, 0, 1, 4);

    auto* contatti = controllo<QGroupBox>(f, u"fraContatti"_s, u"CONTATTI"_s);
    auto* gc = new QGridLayout(contatti);
    c.txtTelCasa = casella(contatti, u"txtTelCasa"_s, 40);
    c.txtTelCellulare = casella(contatti, u"txtTelCellulare"_s, 40);
    c.txtAltro = casella(contatti, u"txtAltro"_s, 40);
    conEtichetta(gc, 0, 0, u"Telefono"_s, c.txtTelCasa);
    conEtichetta(gc, 1, 0, u"Cellulare"_s, c.txtTelCellulare);
    conEtichetta(gc, 2, 0, u"Altro"_s, c.txtAltro);

    QObject::connect(c.cmdNuovaZona, &QPushButton::clicked, f, [this] { cmdNuovaZona_Click(); });
    QObject::connect(c.txtNotePagamento, &QPushButton::clicked, f, [this] { note_Click(cNotePagamento); });
    QObject::connect(c.cmdNoteUlteriori, &QPushButton::clicked, f, [this] { note_Click(cNoteUlteriori); });
}

void schCliente::costruisciCategoria(QWidget* f)
{
    auto& c = ui();
    auto* fra = controllo<QGroupBox>(f, u"fraCategoria"_s, u"CATEGORIA CLIENTE"_s);
    auto* g = new QGridLayout(fra);
    c.optGruppo = opzione(fra, u"optGruppo"_s, u"Gruppo"_s);
    c.optProprietario = opzione(fra, u"optProprietario"_s, u"Proprietario"_s);
    c.optInquilino = opzione(fra, u"optInquilino"_s, u"Inquilino"_s);
    c.optInquilino->setChecked(true);
    auto* opzioni = new QHBoxLayout;
    for (QRadioButton* o : {c.optGruppo, c.optProprietario, c.optInquilino}) {
        opzioni->addWidget(o);
        QObject::connect(o, &QRadioButton::clicked, f, [this] { gestisci([this] { riempiGruppo(); }); });
    }
    g->addLayout(opzioni, 0, 0, 1, 3);
    c.cmbTipoCliente = combo(fra, u"cmbTipoCliente"_s);
    c.cmbTipoCliente->conservaChiaviMancanti();
    c.cmbAppartenenza = combo(fra, u"cmbAppartenenza"_s, u"SELECT ifnull(cognome,'') || ' - ' || ifnull(nome,'') FROM clienti WHERE idcli = ?"_s);
    c.lblTipo = controllo<EtichettaValore>(fra, u"lblTipo"_s, QString());
    conEtichetta(g, 1, 0, u"Tipo Cliente"_s, c.cmbTipoCliente, 2);
    conEtichetta(g, 2, 0, u"Appartiene a "_s, c.cmbAppartenenza);
    g->addWidget(c.lblTipo, 2, 2);
    c.cmbAppartenenza->installEventFilter(new FiltroAppartenenza(c.cmbAppartenenza, c.lblTipo));
    QObject::connect(c.cmbAppartenenza, &QComboBox::activated, f, [this] { mostraTipoAppartenenza(); });
}

void schCliente::costruisciProdotti(QWidget* f)
{
    auto& c = ui();
    auto* fra = controllo<QGroupBox>(f, u"fraProdotti"_s, u"PRODOTTI INSTALLATI"_s);
    auto* l = new QHBoxLayout(fra);
    c.grigliaProdotti = controllo<Griglia>(fra, u"grigliaProdotti"_s);
    c.grigliaProdotti->setAccessibleName(u"PRODOTTI INSTALLATI"_s);
    l->addWidget(c.grigliaProdotti, 1);
    auto* pulsanti = new QVBoxLayout;
    c.cmdAggiungi = pulsante(fra, u"cmdAggiungi"_s, u"Aggiungi (F5)"_s, u"Aggiunge un prodotto al cliente"_s);
    c.cmdModifica = pulsante(fra, u"cmdModifica"_s, u"Modifica (F6)"_s, u"Modifica la scheda del prodotto selezionato"_s);
    c.cmdRimuovi = pulsante(fra, u"cmdRimuovi"_s, u"Elimina (F8)"_s, u"Elimina il prodotto selezionato"_s);
    for (QPushButton* p : {c.cmdAggiungi, c.cmdModifica, c.cmdRimuovi})
        pulsanti->addWidget(p);
    pulsanti->addStretch();
    l->addLayout(pulsanti);
    QObject::connect(c.cmdAggiungi, &QPushButton::clicked, f, [this] { cmdAggiungi_Click(); });
    QObject::connect(c.cmdModifica, &QPushButton::clicked, f, [this] { cmdModifica_Click(); });
    QObject::connect(c.cmdRimuovi, &QPushButton::clicked, f, [this] { cmdRimuovi_Click(); });
    QObject::connect(c.grigliaProdotti, &QAbstractItemView::doubleClicked, f, [this] { ui().cmdModifica->click(); });
}

// The columns the card writes from its controls, in the order of the row.
void schCliente::lega()
{
    auto& c = ui();
    auto& l = c.legame;
    l.lega(u"cod_tipo_cli"_s, c.cmbTipoCliente, TipoCampo::combo);
    for (auto [colonna, casella] : {std::pair{u"cognome"_s, c.txtCognome}, {u"nome"_s, c.txtNome},
                                    {u"rag_soc"_s, c.txtRagione}, {u"indirizzo"_s, c.txtIndirizzo}})
        l.lega(colonna, casella, TipoCampo::testo);
    l.lega({.colonna = u"indirizzo2"_s, .controllo = c.txtIndirizzo2, .maiuscolo = false});
    l.lega(u"cond_fraz"_s, c.txtCondFraz, TipoCampo::testo);
    l.lega(u"note_ind"_s, c.txtNote, TipoCampo::memo);
    for (auto [colonna, casella] :
         {std::pair{u"tel_casa"_s, c.txtTelCasa}, {u"tel_cel"_s, c.txtTelCellulare}, {u"tel_old"_s, c.txtAltro},
          {u"cap"_s, c.txtCap}, {u"citta"_s, c.txtCitta}, {u"pv"_s, c.txtProvincia}, {u"nazcli"_s, c.txtNaz}})
        l.lega(colonna, casella, TipoCampo::testo);
    l.lega({.colonna = u"gruppo"_s, .controllo = c.txtGruppo, .maiuscolo = false});
    l.lega({.colonna = u"gas_cod"_s, .controllo = c.txtCodGas, .maiuscolo = false});
    l.lega(u"contatto"_s, c.chkContatto, TipoCampo::spunta);
    l.lega(u"cod_appartenenza"_s, c.cmbAppartenenza, TipoCampo::combo);
    l.lega(u"cod_zona"_s, c.cmbZona, TipoCampo::combo);
}

void schCliente::alCaricamento()
{
    cNotePagamento.clear();
    cNoteUlteriori.clear();
    bConferma = false;
    prodottiModificati = false;
    grigliaLegata = false;
    versione.dimentica();
    // One failure is enough: the card is not shown (the next reads would only wait again).
    gestisci([this] {
        riempiCombo();
        riempiGruppo();
    });
    ui().forma->setWindowTitle(u"SCHEDA CLIENTE - MODIFICA"_s);
    istanza<schProdottoCliente>().bConferma = false;
}

void schCliente::riempiCombo()
{
    riempiTipoCli();
    riempiZona();
}

void schCliente::riempiTipoCli()
{
    ui().cmbTipoCliente->riempi(elencoTipiCliente(), u"cli_nome_tipo"_s, u"idTipoCli"_s);
}

void schCliente::riempiZona()
{
    Recordset rs = connessione.apriStatico(u"SELECT idzona,desc_zona from zone order by idzona desc"_s);
    if (!rs.eof()) {
        nCodZona = rs.campo(u"idzona"_s).toLongLong();
        rs = elencoCodici(Codici::zone, u"listazone"_s);
    }
    ui().cmbZona->riempi(rs, u"listazone"_s, u"idZona"_s);
}

void schCliente::riempiGruppo()
{
    auto& c = ui();
    c.cmbAppartenenza->svuotaScelta();
    QList<int> tipi = {0};
    ComeElenco::Nulli nulli = ComeElenco::parteVuota;
    if (c.optInquilino->isChecked()) {
        tipi = {1, 2};
        nulli = ComeElenco::voceNulla;
    } else if (c.optProprietario->isChecked()) {
        tipi = {1};
    }
    // Read when the list is first opened, not with every card: the parent on the card is
    // looked up on its own, so the card opens at once whatever the size of the archive.
    c.cmbAppartenenza->riempiQuandoServe([this, tipi, nulli] {
        gestisci([&] {
            ui().cmbAppartenenza->riempi(clientiPerAppartenenza(tipi, u"descr"_s, nulli), u"descr"_s, u"idcli"_s);
        });
    });
}

void schCliente::mostraTipoAppartenenza()
{
    auto& c = ui();
    const QVariant genitore = c.cmbAppartenenza->valoreLegato();
    c.lblTipo->setText(genitore.isNull() ? QString() : descrizioneAppartenenza(long(genitore.toLongLong())));
}

long schCliente::incCliente()
{
    // A number already used by a customer, or by appliances whose customer row is missing,
    // is skipped.
    return long(prossimoNumero(u"cliente"_s, [](qint64 n) {
        return !connessione
                    .apriAvanti(u"SELECT 1 FROM clienti WHERE idCli = ? UNION ALL "
                                "SELECT 1 FROM prodotti_ai_clienti WHERE cod_cliente = ?"_s,
                                {n, n})
                    .eof();
    }));
}

bool schCliente::predisponi()
{
    if (nModalità != 0)
        return true;
    ui().forma->setWindowTitle(u"SCHEDA CLIENTE - NUOVO INSERIMENTO"_s);
    // A card whose lists could not be read draws no number and is not shown.
    if (!caricamentoRiuscito()) {
        chiudi();
        return false;
    }
    // A card without a number of its own is not shown.
    return gestisci([this] { nIDcliente = incCliente(); });
}

bool schCliente::ripristinaCliente(long id)
{
    nIDcliente = id;
    bool trovato = false;
    const bool letto = gestisci([&] {
        auto& c = ui();
        // Read before the row it shows: a change in between is asked about, never lost.
        versione.leggi(u"SELECT "_s + (colonneMembri + c.legame.colonne()).join(u',')
                           + u" FROM clienti WHERE idCli = ?"_s,
                       {qlonglong(id)});
        Recordset rs = connessione.apriStatico(u"SELECT * FROM clienti where idcli=?"_s, {qlonglong(id)});
        if (rs.eof())
            return;
        trovato = true;
        cNoteUlteriori = nz(rs[u"note_cli"_s]).toString();
        cNotePagamento = nz(rs[u"note_pag"_s]).toString();
        switch (rs[u"cod_tipo_appartenenza"_s].toInt()) {
        case 1:
            c.optGruppo->setChecked(true);
            break;
        case 2:
            c.optProprietario->setChecked(true);
            break;
        case 3:
            c.optInquilino->setChecked(true);
            break;
        default:
            break;
        }
        riempiGruppo();
        c.legame.mostra(rs);
        mostraTipoAppartenenza();
        coloraNote();
        aggiornaProdotti();
    });
    if (trovato || !letto)
        return trovato;
    messaggio(u"Cliente non trovato!"_s, stile::esclamazione);
    chiudi();
    return false;
}

void schCliente::coloraNote()
{
    auto& c = ui();
    coloraPulsante(c.txtNotePagamento, cNotePagamento.isEmpty() ? facciaPulsante() : rosso);
    coloraPulsante(c.cmdNoteUlteriori, cNoteUlteriori.isEmpty() ? facciaPulsante() : ciano);
}

bool schCliente::check()
{
    auto& c = ui();
    QString testo;
    if (c.txtCognome->text().isEmpty())
        testo = u"Mancato inserimento del Cognome del cliente\r\n"_s;
    nCodAppartenenza = long(c.legame.valore(u"cod_appartenenza"_s).toLongLong());
    nCodZona = long(c.legame.valore(u"cod_zona"_s).toLongLong());
    nCodTipoCliente = long(c.legame.valore(u"cod_tipo_cli"_s).toLongLong());
    nTipoGruppo = c.optInquilino->isChecked() ? 3 : (c.optGruppo->isChecked() ? 1 : 2);
    if (testo.isEmpty())
        return true;
    messaggio(u"Attenzione si sono commessi i seguenti errori:\r\n"_s + testo);
    return false;
}

QVariantList schCliente::valoriMembri() const
{
    return {qlonglong(nTipoGruppo), maiuscolo(cNoteUlteriori), maiuscolo(cNotePagamento)};
}

bool schCliente::inserisciCliente()
{
    return gestisci([this] {
        auto& l = ui().legame;
        Transazione t(connessione);
        connessione.esegui(l.istruzioneInserimento(u"clienti"_s, QStringList{u"idCli"_s} + colonneMembri),
                           QVariantList{qlonglong(nIDcliente)} + valoriMembri() + l.valori());
        t.conferma();
    });
}

bool schCliente::modificaCliente()
{
    int toccate = 0;
    EsitoScrittura esito = EsitoScrittura::scritta;
    const bool eseguita = gestisci([&] {
        auto& l = ui().legame;
        esito = versione.scriviSeInvariata(
            u"Attenzione! il cliente è stato modificato da un'altra postazione dopo l'apertura della scheda."_s, [&] {
                toccate = connessione.esegui(l.istruzioneModifica(u"clienti"_s, u"idCli"_s, colonneMembri),
                                             valoriMembri() + l.valori() << qlonglong(nIDcliente));
            });
    });
    if (!eseguita)
        return false;
    // The other workstation's version is kept: the card shows it and stays open.
    if (esito == EsitoScrittura::altraVersione) {
        ripristinaCliente(nIDcliente);
        return false;
    }
    // The customer was deleted meanwhile (another workstation): nothing was saved.
    if (toccate == 0) {
        messaggio(u"Cliente non trovato!"_s, stile::esclamazione);
        return false;
    }
    return true;
}

void schCliente::cmdConferma_Click()
{
    bool valida = false;
    if (!gestisci([&] { valida = check(); }) || !valida)
        return;
    // A refused write keeps the card open with what was typed.
    if (nModalità == 0 && !inserisciCliente())
        return;
    if (nModalità == 1 && !modificaCliente())
        return;
    bConferma = true;
    chiudi();
}

void schCliente::cmdAnnulla_Click()
{
    if (nModalità == 0) {
        // The appliances stored under the reserved number go with the card, unless a
        // customer row holds that number.
        if (prodottiModificati)
            gestisci([this] {
                if (connessione.apriAvanti(u"SELECT 1 FROM clienti WHERE idCli = ?"_s, {qlonglong(nIDcliente)}).eof())
                    eliminaProdottiCliente(nIDcliente);
            });
        bConferma = false;
    } else {
        // The opener refreshes when an appliance changed, even though the card was cancelled.
        bConferma = prodottiModificati;
    }
    chiudi();
}

void schCliente::cmdNuovaZona_Click()
{
    gestisci([this] {
        schZona& zona = istanza<schZona>();
        aggiuntaRapida(zona, ui().cmbZona, [this] { riempiZona(); });
        zona.chiudi();
    });
}

void schCliente::note_Click(QString& testo)
{
    gestisci([&] {
        if (modificaNote(testo))
            coloraNote();
    });
}

void schCliente::aggiornaProdotti()
{
    Recordset rs = connessione.apriStatico(
        u"SELECT * FROM ((PRODOTTI_AI_CLIENTI LEFT JOIN PRODOTTI ON PRODOTTI_AI_CLIENTI.COD_PRODOTTO=PRODOTTI.IDMODELLO) "
        "LEFT JOIN MARCHE ON prodotti.COD_marca= marche.idMarca) LEFT JOIN tipoProd ON "
        "prodotti.COD_tipo_Prodotto= tipoProd.idTpProd WHERE prodotti_ai_clienti.cod_cliente=? ORDER BY DATA_COLL"_s,
        {qlonglong(nIDcliente)});
    ui().grigliaProdotti->imposta(rs, {{u"tipo_nome"_s, u"Tipo"_s},
                                       {u"marca"_s, u"Marca"_s},
                                       {u"modello"_s, u"Modello"_s},
                                       {u"codice_interno"_s, u"COD.INT."_s}});
    grigliaLegata = true;
}

void schCliente::cmdAggiungi_Click()
{
    gestisci([this] {
        schProdottoCliente& p = istanza<schProdottoCliente>();
        p.nModalità = 0;
        p.carica();
        p.nIDcliente = nIDcliente;
        p.bClienteNuovo = nModalità == 0;
        p.nModalità = 0;
        p.mostraModale();
        if (!p.bConferma)
            return;
        prodottiModificati = true;
        aggiornaProdotti();
    });
}

void schCliente::cmdModifica_Click()
{
    gestisci([this] {
        Griglia* g = ui().grigliaProdotti;
        if (!grigliaLegata)
            return;
        if (!g->haRigaCorrente()) {
            messaggio(u"Selezionare il prodotto da modificare!"_s, stile::esclamazione);
            return;
        }
        const QVariant prodotto = g->valore(u"id_pro_cli"_s);
        schProdottoCliente& p = istanza<schProdottoCliente>();
        p.nModalità = 1;
        p.carica();
        p.nIdProdotto = long(prodotto.toLongLong());
        p.nIDcliente = long(g->valore(u"cod_cliente"_s).toLongLong());
        // An appliance that no longer loads is not shown, and nothing is refreshed.
        if (!p.ripristinaProdotto())
            return;
        p.mostraModale();
        if (!p.bConferma)
            return;
        prodottiModificati = true;
        aggiornaProdotti();
        Recordset& rs = g->recordset();
        if (!rs.cerca(u"id_pro_cli"_s, prodotto) && rs.recordCount() > 0)
            rs.moveFirst();
        g->sincronizza();
    });
}

void schCliente::cmdRimuovi_Click()
{
    gestisci([this] {
        Griglia* g = ui().grigliaProdotti;
        if (!grigliaLegata) {
            messaggio(u"Nessun elemento selezionato"_s, stile::esclamazione);
            return;
        }
        if (!g->haRigaCorrente()) {
            messaggio(u"Selezionare il prodotto da eliminare"_s, stile::informazione);
            return;
        }
        if (!confermaEliminazione(u"Questa operazione eliminerà il prodotto e tutti gli interventi ad esso "
                                  "collegati.\r\nConfermi l'operazione ?"_s,
                                  stile::siNo | stile::domanda,
                                  u"ELIMINAZIONE PRODOTTO : "_s + nz(g->valore(u"modello"_s)).toString()))
            return;
        eliminaProdottoCliente(g->valore(u"id_pro_cli"_s).toLongLong());
        prodottiModificati = true;
        aggiornaProdotti();
    });
}

bool schCliente::tasto(int tasto)
{
    auto& c = ui();
    QPushButton* p = nullptr;
    switch (tasto) {
    case Qt::Key_F5:
        p = c.cmdAggiungi;
        break;
    case Qt::Key_F6:
        p = c.cmdModifica;
        break;
    case Qt::Key_F8:
        p = c.cmdRimuovi;
        break;
    case Qt::Key_F10:
        p = c.cmdConferma;
        break;
    default:
        return false;
    }
    p->click();
    return true;
}
