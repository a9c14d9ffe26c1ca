#include "platform/ui/modale.h"
#include <QDialog>
#include <QEventLoop>
#include <QPointer>

namespace {
struct StatoSeam {
    bool attivo = false;
    QList<std::function<void(QWidget*)>> azioni;
    QList<QString> mostrate;
};
StatoSeam& seam()
{
    static StatoSeam s;
    return s;
}
} // namespace

void mostraModale(QWidget* forma)
{
    StatoSeam& s = seam();
    QPointer<QWidget> f(forma);
    if (s.attivo) {
        s.mostrate.append(forma->windowTitle());
        forma->show();
        if (!s.azioni.isEmpty()) {
            auto azione = s.azioni.takeFirst();
            azione(forma);
        }
        if (f && f->isVisible())
            f->close();
        return;
    }
    if (auto* d = qobject_cast<QDialog*>(forma)) {
        d->exec();
        return;
    }
    forma->setWindowModality(Qt::ApplicationModal);
    forma->show();
    QEventLoop ciclo;
    while (f && f->isVisible())
        ciclo.processEvents(QEventLoop::WaitForMoreEvents);
}

namespace seamModale {
void attiva() { seam().attivo = true; }
void accoda(std::function<void(QWidget*)> azione) { seam().azioni.append(std::move(azione)); }
QList<QString>& mostrate() { return seam().mostrate; }
void azzera()
{
    seam().azioni.clear();
    seam().mostrate.clear();
}
}
