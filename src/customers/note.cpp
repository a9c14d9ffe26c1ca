#include "customers/note.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/tasti_funzione.h"
#include "platform/ui/utilita_form.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* schNote::costruisci()
{
    auto* f = new FormaDialogo(QStringLiteral("Note"));
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);
    c.txtTesto = controllo<QPlainTextEdit>(f, QStringLiteral("txtTesto"));
    c.txtTesto->setAccessibleName(QStringLiteral("Note"));
    c.txtTesto->setTabChangesFocus(true);
    c.txtTesto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l->addWidget(c.txtTesto);
    c.cmdConferma = pulsante(f, QStringLiteral("cmdConferma"), QStringLiteral("CONFERMA (F10)"));
    c.cmdAnnulla = pulsante(f, QStringLiteral("cmdAnnulla"), QStringLiteral("ANNULLA (ESC)"));
    f->impostaAnnulla(c.cmdAnnulla);
    filaPulsanti(l, {c.cmdConferma, c.cmdAnnulla});
    QObject::connect(c.cmdConferma, &QPushButton::clicked, f, [this] { cmdConferma_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { cmdAnnulla_Click(); });
    // Esc is the cancel button of the window; F10 acts on its release.
    filtraTasti(f, FiltroTasti::Momento::rilascio, [c](int tasto, Qt::KeyboardModifiers) {
        if (tasto != Qt::Key_F10)
            return false;
        c.cmdConferma->click();
        return true;
    });
    f->resize(420, 300);
    centraForm(f);
    return f;
}

void schNote::cmdConferma_Click()
{
    Testo = ui().txtTesto->toPlainText();
    bConferma = true;
    chiudi();
}

void schNote::cmdAnnulla_Click()
{
    bConferma = false;
    chiudi();
}

bool modificaNote(QString& testo)
{
    rilascia<schNote>();
    schNote& n = istanza<schNote>();
    n.carica();
    n.controlli().txtTesto->setPlainText(testo);
    n.mostraModale();
    const bool confermata = n.bConferma;
    if (confermata)
        testo = n.Testo;
    rilascia<schNote>();
    return confermata;
}
