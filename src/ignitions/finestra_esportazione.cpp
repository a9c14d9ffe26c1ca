#include "ignitions/finestra_esportazione.h"
#include "common/funzioni.h"
#include "ignitions/esportazione_excel.h"
#include "ignitions/mod_excel.h"
#include "platform/db/connessione.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/controlli.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/messaggi.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FinestraEsportazione::FinestraEsportazione(QString titolo) : titolo(std::move(titolo)) {}

QWidget* FinestraEsportazione::costruisci()
{
    auto* f = new FormaDialogo(titolo);
    auto& c = nuoviControlli();
    c.forma = f;
    auto* l = new QVBoxLayout(f);

    auto* date = controllo<QGroupBox>(f, u"Frame1"_s, u"Data Collaudo"_s);
    auto* ld = new QHBoxLayout(date);
    const auto data = [&](const QString& nome, const QString& testo) {
        auto* d = controllo<CampoData>(date, nome);
        d->setDate(QDate(2003, 4, 16));
        ld->addWidget(etichetta(date, testo, d));
        ld->addWidget(d);
        return d;
    };
    c.dtpDataDa = data(u"dtpDataDa"_s, u"&Da"_s);
    c.dtpDataA = data(u"dtpDataA"_s, u"&A"_s);
    l->addWidget(date);

    if (QWidget* scelte = costruisciScelte(f))
        l->addWidget(scelte);

    auto* dati = controllo<QGroupBox>(f, u"Frame3"_s, u"Dati Esportati"_s);
    c.lblNum = controllo<QLabel>(dati, u"lblNum"_s, u"0"_s);
    c.lblNum->setVisible(false);
    (new QHBoxLayout(dati))->addWidget(c.lblNum);
    l->addWidget(dati);

    c.cmdEsporta = pulsante(f, u"cmdEsporta"_s, u"Esporta"_s);
    c.cmdAnnulla = pulsante(f, u"cmdAnnulla"_s, u"Annulla"_s);
    f->impostaAnnulla(c.cmdAnnulla, FormaDialogo::Esc::aParte);
    filaPulsanti(l, {c.cmdEsporta, c.cmdAnnulla});

    QObject::connect(c.cmdEsporta, &QPushButton::clicked, f, [this] { cmdEsporta_Click(); });
    QObject::connect(c.cmdAnnulla, &QPushButton::clicked, f, [this] { chiudi(); });
    return f;
}

void FinestraEsportazione::cmdEsporta_Click()
{
    // The buttons, and with Annulla the close box, wait while the rows are written.
    auto& c = ui();
    c.cmdEsporta->setEnabled(false);
    c.cmdAnnulla->setEnabled(false);
    gestisci([this] {
        if (campiDigitatiValidi(ui().forma) && check())
            recuperaDati();
    });
    c.cmdEsporta->setEnabled(true);
    c.cmdAnnulla->setEnabled(true);
}

void FinestraEsportazione::recuperaDati()
{
    // A selection that fails shows the common error box (the caller's handler).
    Recordset rs = connessione.apriStatico(componiSELECT());
    if (rs.recordCount() == 0)
        return;
    if (messaggio(u"Verranno esportati nr:"_s + QString::number(rs.recordCount()) + u" informazioni... proseguire?"_s,
                  stile::siNo | stile::domanda)
        != Risposta::Si)
        return;
    chiudiExcel();
    esportaSelezione(rs);
    chiudiExcel();
}

void FinestraEsportazione::esporta(const QString& prefisso, Recordset& rs,
                                   std::function<void(const Recordset&, RigaTracciato&)> riga)
{
    auto& c = ui();
    esportaExcel({prefisso, c.dtpDataDa->date(), c.dtpDataA->date(), c.lblNum, std::move(riga)}, rs);
}
