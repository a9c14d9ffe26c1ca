#include "shell/autenticazione.h"
#include "platform/db/connessione.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "common/funzioni.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/utilita_form.h"
#include "shell/mdi_principale.h"
#include "platform/ui/messaggi.h"
#include "common/stato.h"
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* schAutenticazione::costruisci()
{
    auto* f = new FormaDialogo(QStringLiteral("Autenticazione"));
    auto& c = nuoviControlli();
    auto* l = new QVBoxLayout(f);
    l->addWidget(intestazione(f, QStringLiteral("AUTENTICAZIONE")));

    auto* campi = new QFormLayout;
    c.txtOperatore = new QLineEdit(f);
    c.txtPassword = casellaPassword(f);
    campi->addRow(etichetta(f, QStringLiteral("OPERATORE"), c.txtOperatore), c.txtOperatore);
    campi->addRow(etichetta(f, QStringLiteral("PASSWORD"), c.txtPassword), c.txtPassword);
    l->addLayout(campi);

    c.cmdConferma = new QPushButton(QStringLiteral("Conferma"), f);
    c.cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), f);
    f->impostaPredefinito(c.cmdConferma);
    f->impostaAnnulla(c.cmdAnnulla);
    filaPulsanti(l, {c.cmdConferma, c.cmdAnnulla});

    QObject::connect(c.cmdConferma, &QPushButton::clicked, f, [this] { cmdConferma_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { cmdAnnulla_Click(); });
    f->resize(320, f->sizeHint().height());
    centraForm(f);
    return f;
}

bool schAutenticazione::checkPassword()
{
    auto& c = ui();
    if (c.txtOperatore->text().isEmpty() && c.txtPassword->text().isEmpty()) {
        messaggio(QStringLiteral("Attenzione! Parametri inseriti non corretti."));
        return false;
    }
    // The typed texts travel as bound values, in capitals as the register stores them.
    Recordset rs = connessione.apriAvanti(QStringLiteral("SELECT * FROM operatori where opUser = ? AND opPassword = ?"),
                                          {maiuscolo(c.txtOperatore->text()), maiuscolo(c.txtPassword->text())});
    if (rs.eof()) {
        messaggio(QStringLiteral("Attenzione! Utente non identificato"));
        return false;
    }
    if (nz(rs[QStringLiteral("opTipo")]).toString() != QStringLiteral("AMMINISTRATORE"))
        istanza<MDIprincipale>().mnuOperatori()->setVisible(false);
    nomeOperatore = nz(rs[QStringLiteral("opUser")]).toString();
    codiceOperatore = rs[QStringLiteral("idOperatore")].toInt();
    return true;
}

void schAutenticazione::cmdConferma_Click()
{
    // Mended: a failing database shows the common error box and the window stays open.
    bool identificato = false;
    gestisci([&] { identificato = checkPassword(); });
    if (!caricata())
        return;
    ui().txtPassword->clear();
    if (identificato)
        chiudi();
}

void schAutenticazione::cmdAnnulla_Click()
{
    nomeOperatore.clear();
    codiceOperatore = -1;
    chiudi();
}
