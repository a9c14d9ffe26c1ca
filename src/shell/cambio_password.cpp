#include "shell/cambio_password.h"
#include "platform/db/connessione.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "common/funzioni.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/utilita_form.h"
#include "platform/ui/messaggi.h"
#include "common/stato.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* frmCambioPassword::costruisci()
{
    auto* f = new FormaDialogo(QStringLiteral("CAMBIO PASSWORD"));
    auto& c = nuoviControlli();
    auto* l = new QVBoxLayout(f);
    l->addWidget(intestazione(f, QStringLiteral("PROCEDURA CAMBIO PASSWORD")));
    auto campo = [&](const QString& testo) {
        QLineEdit* e = casellaPassword(f);
        l->addWidget(etichetta(f, testo, e));
        l->addWidget(e);
        return e;
    };
    c.txtOldPwd = campo(QStringLiteral("Digita la vecchia password"));
    c.txtPwd1 = campo(QStringLiteral("Digita la nuova password"));
    c.txtPwd2 = campo(QStringLiteral("Digita nuovamente la nuova password"));
    auto* pulsanti = new QHBoxLayout;
    c.cmdOk = new QPushButton(QStringLiteral("CONFERMA"), f);
    c.cmdAnnulla = new QPushButton(QStringLiteral("ANNULLA"), f);
    f->impostaAnnulla(c.cmdAnnulla, FormaDialogo::Esc::aParte);
    pulsanti->addWidget(c.cmdOk);
    pulsanti->addWidget(c.cmdAnnulla);
    l->addLayout(pulsanti);
    QObject::connect(c.cmdOk, &QPushButton::clicked, f, [this] { cmdOk_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { chiudi(); });
    f->resize(340, f->sizeHint().height());
    centraForm(f);
    return f;
}

void frmCambioPassword::cmdOk_Click()
{
    // Mended: a failing database shows the common error box and the window stays open.
    gestisci([this] {
        auto& c = ui();
        Recordset rs = connessione.apriStatico(
            QStringLiteral("SELECT * FROM operatori WHERE idOperatore = ? AND opPassword = ?"),
            {qlonglong(codiceOperatore), maiuscolo(c.txtOldPwd->text())});
        if (rs.recordCount() == 0) {
            messaggio(QStringLiteral("La vecchia password non corrisponde"));
            return;
        }
        if (c.txtPwd1->text() != c.txtPwd2->text()) {
            messaggio(QStringLiteral("ATTENZIONE ! Le nuove password che hai digitato non corrispondono !"));
            return;
        }
        connessione.esegui(QStringLiteral("UPDATE operatori SET opPassword = ? WHERE idOperatore = ?"),
                           {maiuscolo(c.txtPwd1->text()), qlonglong(codiceOperatore)});
        chiudi();
    });
}
