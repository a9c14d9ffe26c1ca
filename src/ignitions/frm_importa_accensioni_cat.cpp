#include "ignitions/frm_importa_accensioni_cat.h"
#include "common/funzioni.h"
#include "ignitions/avanzamento.h"
#include "ignitions/importazione_cat.h"
#include "ignitions/mod_excel.h"
#include "ignitions/righe_scartate.h"
#include "ignitions/sch_dettagli_riga.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/db/errore_db.h"
#include "platform/db/testi_sql.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/foglio.h"
#include "platform/ui/combo_dati.h"
#include "platform/ui/controlli.h"
#include "platform/ui/dialogo_file.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
QString descrizione(const std::exception& e)
{
    if (const auto* db = dynamic_cast<const ErroreDb*>(&e))
        return db->descrizione;
    if (const auto* excel = dynamic_cast<const ErroreExcel*>(&e))
        return excel->descrizione;
    return QString::fromLocal8Bit(e.what());
}
} // namespace

QWidget* frmImportaAccensioniCAT::costruisci()
{
    auto* f = new FormaDialogo(u"Importazione prime Accensioni da CAT"_s);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);

    auto* campi = new QGridLayout;
    c.cmbCAT = combo(f, u"cmbCAT"_s);
    campi->addWidget(etichetta(f, u"Label1"_s, u"&CAT"_s, c.cmbCAT), 0, 0);
    campi->addWidget(c.cmbCAT, 0, 1);
    c.txtNomeFile = casella(f, u"txtNomeFile"_s);
    c.cmdSfoglia = pulsante(f, u"cmdSfoglia"_s, u"..."_s);
    campi->addWidget(etichetta(f, u"Label2"_s, u"&File da importare"_s, c.txtNomeFile), 1, 0);
    campi->addWidget(c.txtNomeFile, 1, 1);
    campi->addWidget(c.cmdSfoglia, 1, 2);
    l->addLayout(campi);

    auto* comandi = new QHBoxLayout;
    c.cmdImporta = pulsante(f, u"cmdImporta"_s, u"Importa"_s);
    c.cmdChiudi = pulsante(f, u"cmdChiudi"_s, u"Chiudi"_s);
    auto* Label3 = controllo<QLabel>(f, u"Label3"_s, u"Record Elaborati"_s);
    c.lblNum = controllo<QLabel>(f, u"lblNum"_s, u"0"_s);
    // As wide as the largest count, so that counting repaints the label alone.
    c.lblNum->setFixedWidth(c.lblNum->fontMetrics().horizontalAdvance(u"0000000"_s));
    comandi->addWidget(c.cmdImporta);
    comandi->addWidget(c.cmdChiudi);
    comandi->addStretch();
    comandi->addWidget(Label3);
    comandi->addWidget(c.lblNum);
    l->addLayout(comandi);

    c.SSTab1 = controllo<QTabWidget>(f, u"SSTab1"_s);
    c.griglia = controllo<Griglia>(c.SSTab1, u"griglia"_s);
    c.grigliaDoppia = controllo<Griglia>(c.SSTab1, u"grigliaDoppia"_s);
    c.SSTab1->addTab(c.griglia, u"Accensioni importate correttamente"_s);
    c.SSTab1->addTab(c.grigliaDoppia, u"Matricole DOPPIE"_s);
    l->addWidget(c.SSTab1, 1);
    c.cmdArchivio = pulsante(f, u"cmdArchivio"_s, u"Cerca in Archivio"_s);
    l->addWidget(c.cmdArchivio, 0, Qt::AlignRight);

    QObject::connect(c.cmdSfoglia, &QPushButton::clicked, f, [this] { gestisci([this] { cmdSfoglia_Click(); }); });
    QObject::connect(c.cmdImporta, &QPushButton::clicked, f, [this] {
        if (check())
            importa();
    });
    QObject::connect(c.cmdChiudi, &QPushButton::clicked, f, [this] { chiudi(); });
    QObject::connect(c.griglia, &QAbstractItemView::doubleClicked, f, [this] { gestisci([this] { dettaglioRiga(); }); });
    QObject::connect(c.grigliaDoppia, &QAbstractItemView::doubleClicked, f,
                     [this] { gestisci([this] { dettaglioDoppia(); }); });
    QObject::connect(c.cmdArchivio, &QPushButton::clicked, f, [this] { gestisci([this] { cmdArchivio_Click(); }); });
    f->resize(640, 480);
    return f;
}

void frmImportaAccensioniCAT::riempiCAT()
{
    gestisci([this] {
        ui().cmbCAT->riempi(connessione.apriStatico(u"SELECT idCAT, nomeCAT from CAT order by nomeCAT COLLATE ITALIANO"_s), u"nomeCAT"_s,
                            u"idCAT"_s);
    });
}

bool frmImportaAccensioniCAT::check()
{
    auto& c = ui();
    QString errori;
    if (c.cmbCAT->valoreLegato().isNull())
        errori += u"Selezionare il cat\r\n"_s;
    if (c.txtNomeFile->text().isEmpty())
        errori += u"Selezionare il nome del file da importare\r\n"_s;
    else if (!QFileInfo(c.txtNomeFile->text()).isFile())
        errori += u"Il file non esiste ho possiede nome diverso...\r\n"_s;
    if (errori.isEmpty())
        return true;
    messaggio(u"Si sono verificati i seguenti errori:\r\n"_s + errori);
    return false;
}

void frmImportaAccensioniCAT::abilita(bool abilitati)
{
    auto& c = ui();
    for (QWidget* w : {static_cast<QWidget*>(c.cmbCAT), static_cast<QWidget*>(c.txtNomeFile),
                       static_cast<QWidget*>(c.cmdSfoglia), static_cast<QWidget*>(c.cmdImporta),
                       static_cast<QWidget*>(c.cmdChiudi), static_cast<QWidget*>(c.SSTab1),
                       static_cast<QWidget*>(c.cmdArchivio)})
        w->setEnabled(abilitati);
}

bool frmImportaAccensioniCAT::importa()
{
    auto& c = ui();
    if (messaggio(u"Il sistema si appresta ad importare i dati relativi alle prime accensioni del cat"_s
                      + c.cmbCAT->currentText() + u"... continuare ?"_s,
                  stile::siNo | stile::domanda)
        != Risposta::Si) {
        messaggio(u"Procedura interrotta"_s, stile::esclamazione);
        return true;
    }
    // The centre is the one chosen now, whatever happens to the combo meanwhile.
    const long cat = long(c.cmbCAT->valoreLegato().toLongLong());
    const QString file = c.txtNomeFile->text();
    long run = 0;
    if (!gestisci([&] { run = apriImportazione(cat, oggi()); }))
        return true;

    inCorso = true;
    abilita(false);
    std::optional<QString> errore;
    EsitoRighe esito;
    bool aperto = true;
    try {
        aperto = apriFileExcel(file);
        if (aperto)
            esito = importaRighe(run, cat);
    } catch (const std::exception& e) {
        errore = descrizione(e);
    }
    inCorso = false;
    abilita(true);

    if (!aperto) {
        // Mended: a workbook that cannot be opened ends the run as failed.
        messaggio(u"Impossibilità di aprire il file "_s + file + u"... procedura interrotta!"_s, stile::esclamazione);
        gestisci([&] { chiudiImportazione(run, false); });
        return false;
    }
    if (errore) {
        gestisci([&] { chiudiImportazione(run, false); });
        messaggio(*errore + u"\r\nProcedura di importazione conclusa con errori..."_s, stile::esclamazione);
    } else {
        // Mended: refused rows are summed up once, and the run does not end as a success.
        if (esito.scartate.numero() == 0)
            messaggio(u"Procedura di importazione conclusa con successo..."_s, stile::informazione);
        else
            messaggio(esito.scartate.riepilogo() + u"\r\nProcedura di importazione conclusa con errori..."_s,
                      stile::esclamazione);
        if (esito.doppie > 0) {
            messaggio(u"Attenzione! sono state trovate matricole ripetute durante la procedura di importazione..."_s,
                      stile::informazione);
            c.SSTab1->setCurrentIndex(1);
        }
    }
    aggiornaMatricole(run);
    aggiornaMatricoleDoppie(run);
    chiudiExcel();
    return true;
}

frmImportaAccensioniCAT::EsitoRighe frmImportaAccensioniCAT::importaRighe(long run, long cat)
{
    // The rows and the run's outcome are stored together: a run cut short, by an error or by
    // the end of the program, leaves none of its rows and its "IN CORSO..." state.
    Transazione t(connessione);
    ArchivioMatricole archivio;
    RigheImportate righe(cat, run);
    Avanzamento avanzamento(ui().lblNum);
    EsitoRighe esito;
    ValoriRiga valori;
    for (int riga = 2;; ++riga) {
        const Foglio* foglio = foglioExcel();
        if (!foglio)
            throw ErroreExcel(u"La cartella di lavoro non è più aperta"_s);
        if (fineRighe(*foglio, riga))
            break;
        valori.leggi(*foglio, riga);
        try {
            if (const QString causa = valori.causaRifiuto(); !causa.isEmpty()) {
                esito.scartate.aggiungi(riga, causa);
            } else if (const qint64 trovata = archivio.trova(matricolaDaConfrontare(*foglio, riga))) {
                ++esito.doppie;
                righe.inserisciMatricolaDoppia(valori, trovata);
            } else {
                righe.inserisciMatricolaBuona(valori);
            }
        } catch (const ErroreDb& e) {
            // A row the database refuses is left out; the run goes on.
            if (e.numero != erroreComando)
                throw;
            esito.scartate.aggiungi(riga, e.descrizione);
        }
        avanzamento.segna(riga - 1);
    }
    chiudiImportazione(run, true, esito.scartate.numero());
    t.conferma();
    return esito;
}

void frmImportaAccensioniCAT::aggiornaMatricole(long run)
{
    gestisci([&] {
        ui().griglia->imposta(
            connessione.apriStatico(u"SELECT idPrimaAccensione,cognome,nome,marchio,modello,matricola from accensioniCAT "
                                    "where codMov=? order by cognome COLLATE ITALIANO,nome COLLATE ITALIANO"_s,
                                    {qlonglong(run)}),
            {{u"cognome"_s, u"Cognome"_s},
             {u"nome"_s, u"Nome"_s},
             {u"marchio"_s, u"Marca"_s},
             {u"modello"_s, u"Modello"_s},
             {u"matricola"_s, u"Matricola"_s}});
    });
}

void frmImportaAccensioniCAT::aggiornaMatricoleDoppie(long run)
{
    // Duplicates whose archived row has been deleted are not listed.
    gestisci([&] {
        ui().grigliaDoppia->imposta(
            connessione.apriStatico(
                u"SELECT accensioniDoppie.idPrimaAccensione, accensioniDoppie.marchio,accensioniDoppie.modello,"
                "accensioniDoppie.matricola,accensioniCAT.marchio as marcapresente,accensioniCAT.modello as modellopresente "
                "from accensioniDoppie inner join accensioniCAT on "
                "accensioniDoppie.riferimentoAccensione=accensioniCat.idPrimaAccensione where accensioniDoppie.codMov=?"_s,
                {qlonglong(run)}),
            {{u"marchio"_s, u"Marca"_s},
             {u"modello"_s, u"Modello"_s},
             {u"matricola"_s, u"Matricola ripetuta"_s},
             {u"marcaPresente"_s, u"Marca già presente"_s},
             {u"modelloPresente"_s, u"Modello già presente"_s}});
    });
}

void frmImportaAccensioniCAT::predisponi()
{
    auto& c = ui();
    c.cmbCAT->impostaValoreLegato(qlonglong(codCAT));
    aggiornaMatricole(nID);
    aggiornaMatricoleDoppie(nID);
    c.cmdImporta->setEnabled(false);
}

void frmImportaAccensioniCAT::cmdSfoglia_Click()
{
    auto& c = ui();
    const QString scelto = scegliFileDaAprire(c.forma, u"Selezione del file I° accensioni da importare..."_s,
                                              cartellaProgramma(),
                                              u"Files Prime Accensioni (*.xls *.xlsx)"_s);
    if (!scelto.isEmpty())
        c.txtNomeFile->setText(scelto);
}

void frmImportaAccensioniCAT::mostraDettaglio(const Recordset& rs, const QString& titolo)
{
    if (rs.eof()) {
        messaggio(u"Attenzione! l'informazione non risulta in archivio..."_s, stile::esclamazione);
        return;
    }
    schDettagliRiga& scheda = istanza<schDettagliRiga>();
    scheda.carica();
    scheda.titolo = titolo;
    scheda.predisponi(rs);
    scheda.mostraModale();
}

bool frmImportaAccensioniCAT::rigaScelta(Griglia* g, const QString& nessunaRiga)
{
    if (!g->recordset().statico()) {
        messaggio(u"Selezionare la riga per vedere i dettagli..."_s, stile::esclamazione);
        return false;
    }
    if (!g->haRigaCorrente()) {
        messaggio(nessunaRiga, stile::esclamazione);
        return false;
    }
    return true;
}

void frmImportaAccensioniCAT::dettaglioRiga()
{
    Griglia* g = ui().griglia;
    if (!rigaScelta(g, u"Nessuna riga selezionata..."_s))
        return;
    mostraDettaglio(connessione.apriAvanti(u"SELECT * FROM accensioniCAT inner join movImportazioniCAT on "
                                           "accensioniCAT.codMov=movImportazioniCAT.idMov where idPrimaAccensione=?"_s,
                                           {g->valore(u"idPrimaAccensione"_s)}),
                    u"Scheda dettaglio Riga Attuale"_s);
}

void frmImportaAccensioniCAT::dettaglioDoppia()
{
    // No test of its own: without a current row reading the key fails.
    const QVariant chiave = ui().grigliaDoppia->recordset().campo(u"idPrimaAccensione"_s);
    mostraDettaglio(connessione.apriAvanti(u"SELECT * FROM accensioniDoppie inner join  movImportazioniCAT on "
                                           "accensioniDoppie.codMov=movImportazioniCAT.idMov where idPrimaAccensione=?"_s,
                                           {chiave}),
                    u"Scheda dettaglio Riga Attuale"_s);
}

void frmImportaAccensioniCAT::cmdArchivio_Click()
{
    Griglia* g = ui().grigliaDoppia;
    if (!rigaScelta(g, u"Nessuna riga selezionata nella tabella delle matricole doppie..."_s))
        return;
    // Mended: the serial is bound, and compared as the import compared it.
    piegaMatricoleSegnate();
    mostraDettaglio(connessione.apriAvanti(u"SELECT * FROM accensioniCAT inner join movImportazioniCAT on "
                                           "accensioniCAT.codMov=movImportazioniCAT.idMov where idPrimaAccensione in "
                                           "(SELECT idPrimaAccensione FROM matricoleArchiviate WHERE matricolaDaContr=?) "
                                           "order by idPrimaAccensione"_s,
                                           {matricolaDaConfrontare(nz(g->valore(u"matricola"_s)).toString())}),
                    u"Scheda dettaglio Riga in archivio"_s);
}
