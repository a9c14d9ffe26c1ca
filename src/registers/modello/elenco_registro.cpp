#include "registers/modello/elenco_registro.h"
#include "common/funzioni.h"
#include "platform/db/connessione.h"
#include "platform/db/ricerca_prefisso.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/griglia.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QValidator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// Each letter becomes a capital before it reaches the box.
class ValidatoreMaiuscolo : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override
    {
        testo = maiuscolo(testo);
        return Acceptable;
    }
};

// Each time the window becomes active the grid takes the focus.
class FocusAllaGriglia : public QObject {
public:
    FocusAllaGriglia(QWidget* forma, QWidget* griglia) : QObject(forma), griglia(griglia) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate)
            griglia->setFocus();
        return false;
    }

private:
    QWidget* griglia;
};
} // namespace

ElencoRegistro::ElencoRegistro(DescrizioneElenco descrizione) : d(std::move(descrizione)) {}

QWidget* ElencoRegistro::costruisci()
{
    auto* f = new FormaDialogo(d.titolo);
    auto& c = nuoviControlli();
    c.forma = f;
    f->setSizeGripEnabled(true);
    auto* l = new QVBoxLayout(f);
    c.menu = nullptr;
    if (d.menuScheda)
        costruisciMenu();
    costruisciBarra();
    l->setMenuBar(c.menu);
    l->addWidget(c.tbBarra);

    c.txtNome = casella(f, u"txtNome"_s);
    if (d.ricercaMaiuscola)
        c.txtNome->setValidator(new ValidatoreMaiuscolo(c.txtNome));
    c.Label1 = etichetta(f, u"Label1"_s, d.etichettaRicerca, c.txtNome);
    c.cmdReset = pulsante(f, u"cmdReset"_s, u"&R"_s);
    c.cmdReset->setFixedSize(25, 25);
    auto* ricerca = new QHBoxLayout;
    ricerca->addWidget(c.Label1);
    ricerca->addWidget(c.txtNome, 1);
    ricerca->addWidget(c.cmdReset);
    l->addLayout(ricerca);

    // Tab goes through the search, the sort options and the grid as they are laid out.
    QList<QWidget*> ordine = d.resetPrimo ? QList<QWidget*>{c.cmdReset, c.txtNome}
                                          : QList<QWidget*>{c.txtNome, c.cmdReset};
    if (QWidget* opzioni = costruisciOpzioni(f)) {
        l->addWidget(opzioni);
        ordine << opzioni;
    }
    c.griglia = controllo<Griglia>(f, u"griglia"_s);
    c.griglia->setAccessibleName(d.titolo);
    l->addWidget(c.griglia, 1);
    ordineTab(ordine << c.griglia);

    QObject::connect(c.txtNome, &QLineEdit::textChanged, f, [this](const QString& testo) {
        criterio = testo;
        aggiornaGriglia();
    });
    QObject::connect(c.cmdReset, &QPushButton::clicked, f, [this] {
        criterio.clear();
        {
            const QSignalBlocker b(ui().txtNome);
            ui().txtNome->clear();
        }
        aggiornaGriglia();
    });
    QObject::connect(c.griglia, &QAbstractItemView::doubleClicked, f, [this] { dettagli(); });
    if (d.tastiPrima)
        filtraTasti(f, FiltroTasti::Momento::pressione, [this](int k, Qt::KeyboardModifiers) { return tasto(k); });
    f->installEventFilter(new FocusAllaGriglia(f, c.griglia));
    f->resize(400, 420);
    return f;
}

void ElencoRegistro::costruisciBarra()
{
    auto& c = ui();
    c.tbBarra = controllo<QToolBar>(c.forma, u"tbBarra"_s);
    c.tbBarra->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Pulsante {
        QString chiave, testo, suggerimento;
        QStyle::StandardPixmap immagine;
        void (ElencoRegistro::*azione)();
    };
    const Pulsante pulsanti[] = {
        {u"nuovo"_s, u"Nuovo"_s, u"Nuovo"_s, QStyle::SP_FileIcon, &ElencoRegistro::inserisci},
        {u"elimina"_s, u"Elimina"_s, u"Elimina"_s, QStyle::SP_TrashIcon, &ElencoRegistro::cancella},
        {u"trova"_s, u"Trova"_s, u"Trova"_s, QStyle::SP_FileDialogContentsView, &ElencoRegistro::Ricerca},
        {u"stampa"_s, u"Stampa"_s, u"Stampa"_s, QStyle::SP_DialogSaveButton, &ElencoRegistro::stampa},
        {u"dettagli"_s, d.testoDettagli, u"Modifica"_s, QStyle::SP_FileDialogDetailedView, &ElencoRegistro::dettagli},
        {u"uscita"_s, u"Uscita"_s, u"Uscita"_s, QStyle::SP_DialogCloseButton, &ElencoRegistro::uscita},
    };
    for (const Pulsante& p : pulsanti) {
        QAction* a = c.tbBarra->addAction(c.forma->style()->standardIcon(p.immagine), p.testo);
        a->setObjectName(p.chiave);
        a->setToolTip(p.suggerimento);
        QObject::connect(a, &QAction::triggered, c.forma, [this, azione = p.azione] { (this->*azione)(); });
    }
}

void ElencoRegistro::costruisciMenu()
{
    auto& c = ui();
    c.menu = new QMenuBar(c.forma);
    QMenu* scheda = c.menu->addMenu(u"Scheda"_s);
    scheda->setObjectName(u"mnuScheda"_s);
    const auto voce = [&](const QString& nome, const QString& testo, void (ElencoRegistro::*azione)()) {
        QAction* a = scheda->addAction(testo);
        a->setObjectName(nome);
        QObject::connect(a, &QAction::triggered, c.forma, [this, azione] { (this->*azione)(); });
    };
    voce(u"mnuNuova"_s, u"Nuova"_s, &ElencoRegistro::inserisci);
    voce(u"mnuModifica"_s, u"Modifica"_s, &ElencoRegistro::dettagli);
    voce(u"mnuElimina"_s, u"Elimina"_s, &ElencoRegistro::cancella);
    voce(u"mnuTrova"_s, u"Trova"_s, &ElencoRegistro::Ricerca);
    scheda->addSeparator()->setObjectName(u"mnubarra2"_s);
    voce(u"mnuStampa"_s, u"Stampa"_s, &ElencoRegistro::stampa);
    scheda->addSeparator()->setObjectName(u"mnubarra"_s);
    voce(u"mnuUscita"_s, u"Uscita"_s, &ElencoRegistro::uscita);
}

bool ElencoRegistro::tasto(int tasto)
{
    switch (tasto) {
    case Qt::Key_F8:
        inserisci();
        return true;
    case Qt::Key_F7:
        cancella();
        return true;
    case Qt::Key_F3:
        Ricerca();
        return true;
    case Qt::Key_F4:
        stampa();
        return true;
    case Qt::Key_Escape:
        uscita();
        return true;
    default:
        return false;
    }
}

void ElencoRegistro::alCaricamento()
{
    criterio.clear();
    aggiornaGriglia();
    if (d.centrata)
        centraForm(ui().forma);
}

QString ElencoRegistro::istruzioneElenco() const
{
    QStringList condizioni;
    if (d.soloVivi)
        condizioni << d.colonnaEliminato + u"=0"_s;
    if (!criterio.isEmpty())
        condizioni << condizionePrefisso(d.colonnaRicerca, criterio);
    QString sql = u"SELECT * FROM "_s + d.tabella;
    if (!condizioni.isEmpty())
        sql += u" where "_s + condizioni.join(u" and "_s);
    if (!d.ordinamento.isEmpty())
        sql += u" order by "_s + d.ordinamento;
    return sql;
}

void ElencoRegistro::aggiornaGriglia()
{
    // A failed refresh leaves the previous rows in the grid.
    gestisci([this] { ui().griglia->imposta(connessione.apriStatico(istruzioneElenco()), d.colonne); });
}

void ElencoRegistro::stampa() {}

void ElencoRegistro::Ricerca() {}

void ElencoRegistro::uscita()
{
    chiudi();
}

bool ElencoRegistro::trattenuta(const QString& dove)
{
    if (d.condizioneElimina.isEmpty()
        || connessione.apriAvanti(u"SELECT 1 FROM "_s + d.tabella + dove + u" and not ("_s + d.condizioneElimina + u")"_s)
               .eof())
        return false;
    messaggio(d.messaggioRifiuto, stile::informazione);
    return true;
}

void ElencoRegistro::cancella()
{
    gestisci([this] {
        Griglia* g = griglia();
        if (!g->recordset().statico())
            return;
        if (!g->haRigaCorrente()) {
            messaggio(d.messaggioVuoto, stile::informazione);
            return;
        }
        const QString dove = u" where "_s + d.chiave + u" = "_s + QString::number(g->valore(d.chiave).toLongLong());
        if (trattenuta(dove))
            return;
        const QString mostrato = d.colonnaMostrata.isEmpty() ? QString() : nz(g->valore(d.colonnaMostrata)).toString();
        if (!confermaEliminazione(d.domandaElimina + mostrato + u"?"_s, d.stileDomanda))
            return;
        QString sql = (d.eliminazioneLogica ? u"UPDATE "_s + d.tabella + u" set "_s + d.colonnaEliminato + u" = 1"_s
                                            : u"DELETE FROM "_s + d.tabella)
                      + dove;
        // The delete carries the condition too, in case another workstation changed things since.
        if (!d.condizioneElimina.isEmpty())
            sql += u" and ("_s + d.condizioneElimina + u")"_s;
        if (connessione.esegui(sql) == 0)
            trattenuta(dove);
        aggiornaGriglia();
    });
}

void ElencoRegistro::dettagli()
{
    gestisci([this] {
        Griglia* g = griglia();
        if (!g->haRigaCorrente())
            return;
        ProtocolloScheda& s = d.scheda();
        s.finestra().carica();
        s.nID = long(g->valore(d.chiave).toLongLong());
        s.nModalità = 1;
        // A row that has gone meanwhile: the card has said so and the list stays as it was.
        if (!s.predisponi())
            return;
        s.finestra().mostraModale();
        aggiornaGriglia();
    });
}

void ElencoRegistro::inserisci()
{
    gestisci([this] {
        ProtocolloScheda& s = d.scheda();
        s.nModalità = 0;
        s.finestra().mostraModale();
        aggiornaGriglia();
    });
}
