#include "registers/modello/scheda_registro.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_digitato.h"
#include "platform/ui/colori_focus.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/utilita_form.h"
#include "registers/modello/campi_scheda.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SchedaRegistro::SchedaRegistro(DescrizioneScheda descrizione) : d(std::move(descrizione)) {}

QWidget* SchedaRegistro::costruisci()
{
    auto* f = new FormaDialogo(d.titolo);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    auto* campi = new QGridLayout;
    QList<QWidget*> testi;
    int riga = -1, colonna = 0;
    for (const CampoScheda& campo : d.campi) {
        QWidget* w = creaControllo(campo, f);
        if (campo.accanto && riga >= 0) {
            colonna += 2;
        } else {
            ++riga;
            colonna = 0;
        }
        if (!campo.etichetta.isEmpty()) {
            campi->addWidget(etichetta(f, campo.nomeEtichetta, campo.etichetta, w), riga, colonna);
        }
        campi->addWidget(w, riga, colonna + 1);
        c.campi << w;
        c.legame.lega(campo.colonna, w, tipoCampo(campo));
        if (campo.tipo == CampoScheda::Tipo::memo)
            testi << w;
        if (campo.tipo == CampoScheda::Tipo::testo) {
            if (campo.larghezza > 0)
                w->setFixedWidth(campo.larghezza);
            else
                w->setMinimumWidth(180);
            testi << w;
        }
    }
    l->addLayout(campi);

    c.cmdOk = pulsante(f, d.nomeOk, d.testoOk);
    f->impostaPredefinito(c.cmdOk);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"&Annulla"_s);
    f->impostaAnnulla(c.cmdAnnulla);
    filaPulsanti(l, {c.cmdOk, c.cmdAnnulla}, Lato::inizio);

    ordineTab(c.campi + QList<QWidget*>{c.cmdOk, c.cmdAnnulla});
    if (d.coloriFocus)
        coloraFocus(testi);
    if (d.ridimensionabile) {
        // Resizing leaves the controls where they are.
        campi->setColumnStretch(campi->columnCount(), 1);
        l->addStretch(1);
    } else {
        l->setSizeConstraint(QLayout::SetFixedSize);
    }

    QObject::connect(c.cmdOk, &QPushButton::clicked, f, [this] { conferma(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { annulla(); });
    return f;
}

void SchedaRegistro::alCaricamento()
{
    bConferma = false;
    centraForm(ui().forma);
    riempiCombo();
}

void SchedaRegistro::annulla()
{
    bConferma = false;
    chiudi();
}

void SchedaRegistro::conferma()
{
    // A date typed that cannot be is refused before the card's own checks read the dates.
    if (!campiDigitatiValidi(ui().forma) || !check())
        return;
    // A refused write keeps the card open with what was typed, unconfirmed.
    if (!(nModalità == 0 ? inserisci() : modificaScheda()))
        return;
    bConferma = true;
    chiudi();
}

void SchedaRegistro::riempiCombo()
{
    gestisci([this] {
        for (int i = 0; i < d.campi.size(); ++i)
            riempiVoci(d.campi[i], ui().campi[i]);
    });
}

bool SchedaRegistro::check()
{
    QString testo;
    for (int i = 0; i < d.campi.size(); ++i) {
        const CampoScheda& campo = d.campi[i];
        if (campo.messaggioVuoto.isEmpty() || !campoVuoto(campo, ui().campi[i]))
            continue;
        switch (d.controllo) {
        case DescrizioneScheda::Controllo::sostituisce:
            testo = campo.messaggioVuoto;
            break;
        case DescrizioneScheda::Controllo::accoda:
            testo += campo.messaggioVuoto;
            break;
        case DescrizioneScheda::Controllo::elenca:
            testo += campo.messaggioVuoto + u"\r\n"_s;
            break;
        }
    }
    if (testo.isEmpty()) {
        // A value that is not of its field's kind (pasted text, a day the year lacks).
        const QStringList errori = ui().legame.errori();
        if (errori.isEmpty())
            return true;
        messaggio(errori.first());
        return false;
    }
    if (d.controllo == DescrizioneScheda::Controllo::elenca)
        elencaErrori(testo);
    else
        messaggio(testo);
    return false;
}

void SchedaRegistro::elencaErrori(const QString& righe)
{
    messaggio(u"Attenzione ! si sono verificati i seguenti errori\r\n"_s + righe, stile::informazione);
}

bool SchedaRegistro::predisponi()
{
    return nModalità != 1 || ripristinaInformazione();
}

QString SchedaRegistro::istruzioneLettura() const
{
    return u"SELECT * FROM "_s + d.tabella + u" where "_s + d.chiave + u" = "_s + QString::number(nID);
}

bool SchedaRegistro::ripristinaInformazione()
{
    bool trovato = false;
    const bool letto = gestisci([this, &trovato] {
        Recordset rs = connessione.apriAvanti(istruzioneLettura());
        if (rs.eof())
            return;
        ui().legame.mostra(rs);
        trovato = true;
    });
    if (trovato)
        return true;
    // A row that no longer exists is not shown.
    if (letto)
        messaggio(d.messaggioInesistente, stile::esclamazione);
    bConferma = false;
    chiudi();
    return false;
}

// The fields travel as bound values; the row and the rows that hang on it are one write
// group, and a value the card refuses is shown like a refused write.
bool SchedaRegistro::inserisci()
{
    return gestisci([&] {
        Transazione t(connessione);
        connessione.esegui(ui().legame.istruzioneInserimento(d.tabella), ui().legame.valori());
        const long nuovo = long(connessione.ultimoId());
        scriviRigheCollegate();
        t.conferma();
        nNuovoID = nuovo;
    });
}

bool SchedaRegistro::modificaScheda()
{
    int toccate = 0;
    const bool eseguita = gestisci([&] {
        Transazione t(connessione);
        toccate = connessione.esegui(ui().legame.istruzioneModifica(d.tabella, d.chiave),
                                     ui().legame.valori() << qlonglong(nID));
        // An update that touches no row did not save anything: the row has gone meanwhile.
        if (toccate == 0)
            return;
        scriviRigheCollegate();
        t.conferma();
    });
    if (!eseguita)
        return false;
    if (toccate == 0) {
        messaggio(d.messaggioInesistente, stile::esclamazione);
        return false;
    }
    return true;
}
