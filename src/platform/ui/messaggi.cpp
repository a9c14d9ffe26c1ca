#include "platform/ui/messaggi.h"
#include "platform/ambiente/ambiente.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
struct StatoSeam {
    bool attivo = false;
    QList<Risposta> risposte;
    QList<seamMessaggi::Mostrato> mostrati;
};
StatoSeam& seam()
{
    static StatoSeam s;
    return s;
}

QList<Risposta> pulsanti(int stileBox)
{
    switch (stileBox & 7) {
    case stile::okAnnulla:
        return {Risposta::OK, Risposta::Annulla};
    case stile::siNoAnnulla:
        return {Risposta::Si, Risposta::No, Risposta::Annulla};
    case stile::siNo:
        return {Risposta::Si, Risposta::No};
    default:
        return {Risposta::OK};
    }
}

Risposta predefinita(int stileBox)
{
    const QList<Risposta> p = pulsanti(stileBox);
    return (stileBox & stile::secondoPredefinito) && p.size() > 1 ? p[1] : p[0];
}

QMessageBox::StandardButton standard(Risposta r)
{
    switch (r) {
    case Risposta::Annulla:
        return QMessageBox::Cancel;
    case Risposta::Si:
        return QMessageBox::Yes;
    case Risposta::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon icona(int stileBox)
{
    switch (stileBox & 0x70) {
    case stile::critica:
        return QMessageBox::Critical;
    case stile::domanda:
        return QMessageBox::Question;
    case stile::esclamazione:
        return QMessageBox::Warning;
    case stile::informazione:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

Risposta messaggio(const QString& testo, int stileBox, const QString& titolo)
{
    const QString titoloMostrato = titolo.isEmpty() ? titoloApplicazione() : titolo;
    StatoSeam& s = seam();
    if (s.attivo) {
        s.mostrati.append({testo, stileBox, titoloMostrato, predefinita(stileBox)});
        if (!s.risposte.isEmpty())
            return s.risposte.takeFirst();
        return predefinita(stileBox);
    }
    QMessageBox box(icona(stileBox), titoloMostrato, QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::NoButton, QApplication::activeWindow());
    const QList<Risposta> p = pulsanti(stileBox);
    for (Risposta r : p)
        box.addButton(standard(r));
    box.setDefaultButton(standard(predefinita(stileBox)));
    box.setEscapeButton(box.button(standard(p.contains(Risposta::Annulla) ? Risposta::Annulla
                                                 : p.contains(Risposta::No) ? Risposta::No
                                                                             : Risposta::OK)));
    box.exec();
    const auto premuto = box.standardButton(box.clickedButton());
    for (Risposta r : p)
        if (standard(r) == premuto)
            return r;
    return predefinita(stileBox);
}

bool confermaEliminazione(const QString& domanda, int stileBox, const QString& titolo)
{
    return messaggio(domanda, stileBox | stile::secondoPredefinito, titolo) == Risposta::Si;
}

namespace seamMessaggi {
void attiva() { seam().attivo = true; }
void rispondi(Risposta r) { seam().risposte.append(r); }
QList<Mostrato>& mostrati() { return seam().mostrati; }
QStringList testi()
{
    QStringList t;
    for (const Mostrato& m : seam().mostrati)
        t << m.testo;
    return t;
}
void azzera()
{
    seam().risposte.clear();
    seam().mostrati.clear();
}
}
