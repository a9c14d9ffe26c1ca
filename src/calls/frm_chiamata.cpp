#include "calls/frm_chiamata.h"
#include "calls/dati_chiamata.h"
#include "calls/rientro_chiamata.h"
#include "calls/alla_comparsa.h"
#include "calls/manutenzioni.h"
#include "calls/mod_planning.h"
#include "calls/stati_intervento.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "common/prossimo_numero.h"
#include "common/righe_collegate.h"
#include "common/stato.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/campo_ora.h"
#include "platform/ui/etichetta_valore.h"
#include "platform/ui/clessidra.h"
#include "platform/ui/colori_focus.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include "registers/lookup/tipo_richieste.h"
#include "registers/modello/aggiunta_rapida.h"
#include "registers/staff/calendario.h"
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QWidget* frmChiamata::costruisci()
{
    auto* f = new FormaDialogo(u"SCHEDA CHIAMATA"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    auto* cliente = new QHBoxLayout;
    const QString didascalia = u"CLIENTE : "_s;
    c.lblCliente = controllo<EtichettaValore>(f, u"lblCliente"_s, didascalia);
    cliente->addWidget(etichetta(f, didascalia, c.lblCliente));
    cliente->addWidget(c.lblCliente, 1);
    l->addLayout(cliente);
    auto* dati = new QHBoxLayout;
    dati->addWidget(costruisciChiamata(f));
    dati->addWidget(costruisciIntervento(f));
    l->addLayout(dati);
    auto* elenchi = new QHBoxLayout;
    elenchi->addWidget(costruisciProdotti(f), 3);
    elenchi->addWidget(costruisciRiquadroRichieste(f), 2);
    l->addLayout(elenchi, 1);

    c.cmdConferma = pulsante(f, u"cmdConferma"_s, u"CONFERMA (F10)"_s);
    c.cmdRientro = pulsante(f, u"cmdRientro"_s, u"RIENTRO (F2)"_s);
    c.cmdElimina = pulsante(f, u"cmdElimina"_s, u"ELIMINA (F8)"_s);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"ANNULLA (ESC)"_s);
    f->impostaAnnulla(c.cmdAnnulla);
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* b : {c.cmdConferma, c.cmdRientro, c.cmdElimina, c.cmdAnnulla})
        pulsanti->addWidget(b);
    l->addLayout(pulsanti);

    QObject::connect(c.cmdConferma, &QPushButton::clicked, f, [this] { cmdConferma_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { cmdAnnulla_Click(); });
    QObject::connect(c.cmdElimina, &QPushButton::clicked, f, [this] { cmdElimina_Click(); });
    QObject::connect(c.cmdRientro, &QPushButton::clicked, f, [this] { cmdRientro_Click(); });
    QObject::connect(c.cmdAggiungiProdotto, &QPushButton::clicked, f, [this] { cmdAggiungiProdotto_Click(); });
    QObject::connect(c.cmdRimuoviProdotto, &QPushButton::clicked, f, [this] { cmdRimuoviProdotto_Click(); });
    QObject::connect(c.cmdAggiungiRichiesta, &QPushButton::clicked, f, [this] { cmdAggiungiRichiesta_Click(); });
    QObject::connect(c.cmdRimuoviRichiesta, &QPushButton::clicked, f, [this] { cmdRimuoviRichiesta_Click(); });
    QObject::connect(c.cmdNuovaRichiesta, &QPushButton::clicked, f, [this] { cmdNuovaRichiesta_Click(); });
    QObject::connect(c.grigliaProdotti->selectionModel(), &QItemSelectionModel::currentRowChanged, f,
                     [this] { gestisci([this] { aggiornaRichieste(); }); });
    filtraTasti(f, FiltroTasti::Momento::rilascio, [this](int k, Qt::KeyboardModifiers) { return tasto(k); });
    // The focus on the call notes each time the card is shown.
    f->installEventFilter(new AllaComparsa(f, [this] { ui().txtNoteChiamata->setFocus(); }));
    coloraFocus({c.txtNoteChiamata, c.txtNoteIntervento, c.cmbStato, c.cmbTecnico, c.cmbProdotti, c.cmbRichieste});
    ordineTab({c.dtpDataChiamata, c.txtNoteChiamata, c.cmbStato, c.cmbTecnico, c.dtpDataIntervento, c.dtpOraDa,
               c.dtpOraA, c.txtNoteIntervento, c.cmbProdotti, c.cmdAggiungiProdotto, c.cmdRimuoviProdotto,
               c.grigliaProdotti, c.cmbRichieste, c.cmdAggiungiRichiesta, c.cmdRimuoviRichiesta, c.cmdNuovaRichiesta,
               c.grigliaRichieste, c.cmdConferma, c.cmdRientro, c.cmdElimina, c.cmdAnnulla});
    f->resize(780, 540);
    centraForm(f);
    return f;
}

QWidget* frmChiamata::costruisciChiamata(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"DATI CHIAMATA"_s, f);
    auto* g = new QGridLayout(fra);
    c.dtpDataChiamata = controllo<CampoData>(fra, u"dtpDataChiamata"_s);
    c.lblOperatore = controllo<EtichettaValore>(fra, u"lblOperatore"_s, u"Operatore : "_s);
    c.txtNoteChiamata = controllo<QLineEdit>(fra, u"txtNoteChiamata"_s);
    c.cmbStato = controllo<QComboBox>(fra, u"cmbStato"_s);
    c.cmbStato->addItems(statiIntervento);
    conEtichetta(g, 0, 0, u"Data Chiamata :"_s, c.dtpDataChiamata);
    conEtichetta(g, 1, 0, u"Operatore : "_s, c.lblOperatore);
    conEtichetta(g, 2, 0, u"Note chiamata :"_s, c.txtNoteChiamata);
    conEtichetta(g, 3, 0, u"Stato Intervento :"_s, c.cmbStato);
    return fra;
}

QWidget* frmChiamata::costruisciIntervento(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"DATI INTERVENTO"_s, f);
    auto* g = new QGridLayout(fra);
    c.cmbTecnico = controllo<ComboDati>(fra, u"cmbTecnico"_s);
    c.dtpDataIntervento = controllo<CampoData>(fra, u"dtpDataIntervento"_s);
    c.dtpOraDa = controllo<CampoOra>(fra, u"dtpOraDa"_s);
    c.dtpOraA = controllo<CampoOra>(fra, u"dtpOraA"_s);
    c.txtNoteIntervento = controllo<QLineEdit>(fra, u"txtNoteIntervento"_s);
    conEtichetta(g, 0, 0, u"Tecnico :"_s, c.cmbTecnico, 3);
    conEtichetta(g, 1, 0, u"Data Intervento :"_s, c.dtpDataIntervento, 3);
    conEtichetta(g, 2, 0, u"Ora Inizio :"_s, c.dtpOraDa);
    conEtichetta(g, 2, 2, u"Ora Fine :"_s, c.dtpOraA);
    conEtichetta(g, 3, 0, u"Note intervento :"_s, c.txtNoteIntervento, 3);
    return fra;
}

QWidget* frmChiamata::costruisciProdotti(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"PRODOTTI IN CHIAMATA"_s, f);
    auto* g = new QGridLayout(fra);
    c.cmbProdotti = controllo<ComboDati>(fra, u"cmbProdotti"_s);
    c.cmdAggiungiProdotto = pulsanteIcona(fra, u"cmdAggiungiProdotto"_s, QStyle::SP_ArrowDown,
                                          u"Aggiunge il prodotto nell'elenco"_s);
    c.cmdRimuoviProdotto = pulsanteIcona(fra, u"cmdRimuoviProdotto"_s, QStyle::SP_TrashIcon,
                                         u"Elimina il prodotto dall'elenco"_s);
    c.grigliaProdotti = controllo<Griglia>(fra, u"grigliaProdotti"_s);
    conEtichetta(g, 0, 0, u"Prodotto:"_s, c.cmbProdotti);
    g->addWidget(c.cmdAggiungiProdotto, 0, 2);
    g->addWidget(c.cmdRimuoviProdotto, 0, 3);
    g->addWidget(c.grigliaProdotti, 1, 0, 1, 4);
    g->setColumnStretch(1, 1);
    return fra;
}

QWidget* frmChiamata::costruisciRiquadroRichieste(QWidget* f)
{
    auto& c = ui();
    auto* fra = new QGroupBox(u"ELENCO RICHIESTE"_s, f);
    auto* g = new QGridLayout(fra);
    c.cmbRichieste = controllo<ComboDati>(fra, u"cmbRichieste"_s);
    c.cmdAggiungiRichiesta = pulsanteIcona(fra, u"cmdAggiungiRichiesta"_s, QStyle::SP_ArrowDown,
                                           u"Aggiunge la richiesta nell'elenco"_s);
    c.cmdRimuoviRichiesta = pulsanteIcona(fra, u"cmdRimuoviRichiesta"_s, QStyle::SP_TrashIcon,
                                          u"Elimina la richieste dall'elenco"_s);
    c.cmdNuovaRichiesta = pulsanteIcona(fra, u"cmdNuovaRichiesta"_s, QStyle::SP_FileDialogNewFolder,
                                        u"Crea una nuova richiesta"_s);
    c.grigliaRichieste = controllo<Griglia>(fra, u"grigliaRichieste"_s);
    conEtichetta(g, 0, 0, u"Richiesta :"_s, c.cmbRichieste);
    g->addWidget(c.cmdAggiungiRichiesta, 0, 2);
    g->addWidget(c.cmdRimuoviRichiesta, 0, 3);
    g->addWidget(c.cmdNuovaRichiesta, 0, 4);
    g->addWidget(c.grigliaRichieste, 1, 0, 1, 5);
    g->setColumnStretch(1, 1);
    return fra;
}

void frmChiamata::alCaricamento()
{
    auto& c = ui();
    c.cmbStato->setCurrentIndex(0);
    c.lblCliente->setText(strCliente);
    c.dtpDataChiamata->setDate(oggi());
    c.dtpDataIntervento->setDate(oggi());
    c.dtpOraDa->setTime(QTime(8, 0));
    c.dtpOraA->setTime(QTime(9, 0));
    if (nModalita == 0) {
        nOperatore = codiceOperatore;
        c.lblOperatore->setText(nomeOperatore);
    }
    versione.dimentica();
}

long frmChiamata::incChiamata()
{
    long numero = 0;
    // A number already used by a call, or by appliance rows of a call not yet saved, is skipped:
    // reusing it would merge another call's rows into this one.
    gestisci([&numero] {
        numero = long(prossimoNumero(u"chiamata"_s, numeroChiamataUsato));
    });
    return numero;
}

void frmChiamata::riempiCombo()
{
    const Clessidra clessidra;
    // A card whose lists could not be read is not shown.
    if (!gestisci([this] {
            riempiTecnici();
            riempiProdotti();
            riempiRichieste();
        }))
        caricamentoFallito();
}

void frmChiamata::riempiTecnici()
{
    // "code name", by code and name; a call being edited offers the deleted technicians too.
    const ComeElenco come{.righe = nModalita == 1 ? ComeElenco::ancheEliminate : ComeElenco::vive,
                          .ordine = ComeElenco::perSiglaENome,
                          .nulli = ComeElenco::parteVuota,
                          .separatore = u" "_s};
    ui().cmbTecnico->riempi(elencoCodici(Codici::tecnici, u"Nominativo"_s, come), u"Nominativo"_s, u"idTecn"_s);
}

void frmChiamata::riempiProdotti()
{
    auto& c = ui();
    c.cmbProdotti->svuotaScelta();
    if (nIDcliente <= 0)
        return;
    const Recordset rs = prodottiDelCliente(nIDcliente);
    c.cmbProdotti->riempi(rs, u"pro"_s, u"id_pro_cli"_s);
    // The only appliance of the customer goes into a new call at once.
    if (rs.recordCount() == 1 && nModalita == 0) {
        c.cmbProdotti->setCurrentIndex(0);
        cmdAggiungiProdotto_Click();
    }
}

void frmChiamata::riempiRichieste()
{
    auto& c = ui();
    c.cmbRichieste->svuotaScelta();
    if (nIDcliente <= 0)
        return;
    c.cmbRichieste->riempi(tipiRichiestaChiamata(), u"ric"_s, u"idTipoRichiesta"_s);
}

bool frmChiamata::predisponi()
{
    bool trovata = false;
    const bool letta = gestisci([&] {
        auto& c = ui();
        // Read before the rows it shows: a change in between is asked about, never lost.
        leggiVersioneChiamata(versione, nIdChiamata);
        Recordset ch = leggiChiamata(nIdChiamata);
        if (ch.eof())
            return;
        trovata = true;
        c.lblCliente->setText(strCliente);
        c.dtpDataChiamata->setDate(ch[u"ch_data"_s].toDate());
        c.txtNoteChiamata->setText(nz(ch[u"ch_note"_s]).toString());
        // The operator who took the call is kept as stored.
        const QVariant operatore = ch[u"ch_operatore"_s];
        nOperatore = operatore.isNull() ? codiceOperatore : long(operatore.toLongLong());
        c.lblOperatore->setText(trovaNomeOperatore(nz(operatore).toLongLong()));

        Recordset in = leggiIntervento(nIdChiamata);
        if (!in.eof()) {
            c.dtpDataIntervento->setDate(in[u"data_int"_s].toDate());
            c.dtpOraDa->setTime(in[u"ora_inizio"_s].toTime());
            c.dtpOraA->setTime(in[u"ora_fine"_s].toTime());
            c.cmbTecnico->impostaValoreLegato(in[u"cod_tecnico"_s]);
            c.txtNoteIntervento->setText(nz(in[u"note_int"_s]).toString());
            c.cmbStato->setCurrentIndex(
                std::max(0, int(statiIntervento.indexOf(maiuscolo(nz(in[u"cod_stato_int"_s]).toString())))));
        }
        aggiornaProdotti();
        aggiornaRichieste();
    });
    // Deleted by another workstation since its list was read: the opener shows what is left.
    if (letta && !trovata)
        messaggio(testoRigaMancante(RigaCollegata::chiamata), stile::esclamazione);
    return trovata;
}

QString frmChiamata::trovaNomeOperatore(long id)
{
    return utenteOperatore(id);
}

void frmChiamata::aggiornaProdotti()
{
    ui().grigliaProdotti->imposta(prodottiInChiamata(nIdChiamata),
                                  {{u"sigla_tipo_prodotto"_s, u"TIPO"_s},
                                   {u"marca"_s, u"MARCA"_s},
                                   {u"Modello"_s, u"MODELLO"_s},
                                   {u"codice_interno"_s, u"COD.INT."_s}});
}

void frmChiamata::aggiornaRichieste()
{
    auto& c = ui();
    c.grigliaRichieste->imposta(richiesteProdotto(c.grigliaProdotti->valore(u"idProdChiamata"_s)),
                                {{u"tipoRicSigla"_s, u"SIGLA"_s}, {u"tipoRicNome"_s, u"RICHIESTA"_s}});
}

bool frmChiamata::check()
{
    bool valida = false;
    gestisci([&] {
        auto& c = ui();
        if (c.txtNoteChiamata->text().isEmpty())
            c.txtNoteChiamata->setText(u"Nessuna nota"_s);
        QString testo;
        const QVariant tecnico = c.cmbTecnico->valoreLegato();
        const QDate giorno = c.dtpDataIntervento->date();
        if (tecnico.isNull())
            testo += u"Selezionare il tecnico\r\n"_s;
        if (giorno.dayOfWeek() == Qt::Sunday)
            testo += u"Impossibile impostare l'intervento di domenica\r\n"_s;
        if (!tecnico.isNull() && tecnicoInFerie(long(tecnico.toLongLong()), giorno))
            testo += u"Impossibile impostare l'intervento ad un tecnico in ferie\r\n"_s;
        const QString festa = descrizioneFestivita(giorno);
        if (!festa.isEmpty())
            testo += u"Impossibile impostare l'intervento in un giorno di festa ("_s + festa + u")\r\n"_s;
        const bool senzaProdotti = c.grigliaProdotti->recordset().recordCount() < 1;
        if (senzaProdotti)
            testo += u"Selezionare almeno un prodotto"_s;
        // An intervention may end when it starts, never before.
        if (c.dtpOraA->time() < c.dtpOraDa->time())
            testo += (senzaProdotti ? u"\r\n"_s : QString()) + u"L'ora di fine intervento precede l'ora di inizio"_s;
        if (!testo.isEmpty()) {
            messaggio(testo, stile::soloOK);
            return;
        }
        valida = true;
    });
    return valida;
}

ValoriChiamata frmChiamata::valori()
{
    auto& c = ui();
    return {.idChiamata = nIdChiamata,
            .idCliente = nIDcliente,
            .data = c.dtpDataChiamata->date(),
            .operatore = nOperatore,
            .note = maiuscolo(c.txtNoteChiamata->text()),
            .tecnico = c.cmbTecnico->valoreLegato(),
            .dataIntervento = c.dtpDataIntervento->date(),
            .noteIntervento = maiuscolo(c.txtNoteIntervento->text()),
            .stato = c.cmbStato->currentText(),
            .oraInizio = c.dtpOraDa->time(),
            .oraFine = c.dtpOraA->time()};
}

void frmChiamata::inserisci()
{
    inserisciChiamata(valori());
}

void frmChiamata::modificaChiamata()
{
    aggiornaChiamata(valori());
}

void frmChiamata::costruisciRichieste()
{
    scriviSigleRichieste(nIdChiamata);
}

void frmChiamata::cancellaChiamata()
{
    eliminaChiamata(nIdChiamata);
}

void frmChiamata::cmdConferma_Click()
{
    if (!campiDigitatiValidi(ui().forma) || !check())
        return;
    // Call, intervention and request codes in one group; a refused write keeps the card open.
    // A new call needs its customer still on file; an edited one asks when another
    // workstation changed the call since it was loaded.
    EsitoScrittura esito = EsitoScrittura::scritta;
    const bool salvata = gestisci([&] {
        esito = versione.scriviSeInvariata(
            u"Attenzione! la chiamata è stata modificata da un'altra postazione dopo l'apertura della scheda."_s, [this] {
                if (nModalita == 0) {
                    richiediRiga(RigaCollegata::cliente, qlonglong(nIDcliente));
                    inserisci();
                } else {
                    modificaChiamata();
                }
                costruisciRichieste();
            });
    });
    if (!salvata)
        return;
    // The other workstation's version is kept: the card shows it and stays open.
    if (esito == EsitoScrittura::altraVersione) {
        predisponi();
        return;
    }
    bConferma = true;
    bElimina = false;
    chiudi();
}

bool frmChiamata::cmdAnnulla_Click()
{
    if (nModalita == 0) {
        // Yes deletes the rows already written under the number.
        if (!confermaEliminazione(
                u"Attenzione! annullando verranno persi i dati raccolti in questa chiamata... continuare ?"_s))
            return false;
        if (!gestisci([this] { cancellaChiamata(); }))
            return false;
    }
    bConferma = false;
    chiudi();
    return true;
}

void frmChiamata::cmdElimina_Click()
{
    if (!confermaEliminazione(u"Confermare l'eliminazione dell'appuntamento ?"_s))
        return;
    bConferma = false;
    bElimina = true;
    chiudi();
}

void frmChiamata::cmdAggiungiProdotto_Click()
{
    gestisci([this] {
        const QVariant prodotto = ui().cmbProdotti->valoreLegato();
        if (prodotto.isNull())
            return;
        // The row hangs on the appliance and on the call (a new one's customer): both still on file.
        Transazione t(connessione);
        if (nModalita == 0)
            richiediRiga(RigaCollegata::cliente, qlonglong(nIDcliente));
        else
            richiediRiga(RigaCollegata::chiamata, qlonglong(nIdChiamata));
        richiediRiga(RigaCollegata::prodottoCliente, prodotto);
        aggiungiProdottoChiamata(nIdChiamata, prodotto);
        t.conferma();
        aggiornaProdotti();
        aggiornaRichieste();
    });
}

void frmChiamata::cmdRimuoviProdotto_Click()
{
    gestisci([this] {
        const QVariant riga = ui().grigliaProdotti->valore(u"idProdChiamata"_s);
        if (riga.isNull())
            return;
        // What the return report recorded on the row goes with it: nothing could reach it afterwards.
        // The appliance's maintenances stay with the appliance.
        Transazione t(connessione);
        eliminaAttivitaProdotto(riga.toLongLong());
        eliminaDatiRiga(riga.toLongLong());
        eliminaProdottoChiamata(riga);
        t.conferma();
        aggiornaProdotti();
        aggiornaRichieste();
    });
}

void frmChiamata::cmdAggiungiRichiesta_Click()
{
    gestisci([this] {
        auto& c = ui();
        const QVariant riga = c.grigliaProdotti->valore(u"idProdChiamata"_s);
        const QVariant tipo = c.cmbRichieste->valoreLegato();
        if (riga.isNull() || tipo.isNull())
            return;
        Transazione t(connessione);
        richiediRiga(RigaCollegata::prodottoChiamata, riga);
        aggiungiRichiestaProdotto(riga, tipo);
        t.conferma();
        aggiornaRichieste();
    });
}

void frmChiamata::cmdRimuoviRichiesta_Click()
{
    gestisci([this] {
        const QVariant richiesta = ui().grigliaRichieste->valore(u"idRichiesta"_s);
        if (richiesta.isNull())
            return;
        eliminaRichiestaProdotto(richiesta);
        aggiornaRichieste();
    });
}

void frmChiamata::cmdNuovaRichiesta_Click()
{
    gestisci([this] {
        schTipoRic& scheda = istanza<schTipoRic>();
        aggiuntaRapida(scheda, ui().cmbRichieste, [this] { riempiRichieste(); });
        scheda.chiudi();
    });
}

void frmChiamata::cmdRientro_Click()
{
    // The report gets the intervention date: one typed that cannot be is refused first.
    if (!campiDigitatiValidi(ui().forma))
        return;
    // Mended: a failure to open the report shows the error box.
    gestisci([this] {
        auto& c = ui();
        rientroTecnico({.nIdChiamata = nIdChiamata,
                        .nuova = nModalita == 0,
                        .dataIntervento = c.dtpDataIntervento->date(),
                        .grigliaProdotti = c.grigliaProdotti,
                        .cmbStato = c.cmbStato,
                        .bSvolto = &bSvolto,
                        // The customer card opened from the report may have deleted an appliance.
                        .aggiornaProdotti =
                            [this] {
                                riempiProdotti();
                                aggiornaProdotti();
                            },
                        .conferma = [this] {
                            // The state the report wrote is this workstation's own change.
                            versione.imposta(u"cod_stato_int"_s, statoEseguito);
                            ui().cmdConferma->click();
                        }});
    });
}

bool frmChiamata::tasto(int tasto)
{
    auto& c = ui();
    switch (tasto) {
    case Qt::Key_F2:
        c.cmdRientro->click();
        return true;
    case Qt::Key_F10:
        c.cmdConferma->setFocus();
        c.cmdConferma->click();
        return true;
    case Qt::Key_F8:
        c.cmdElimina->click();
        return true;
    default:
        return false;
    }
}
