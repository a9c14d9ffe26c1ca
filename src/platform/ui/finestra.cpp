#include "platform/ui/finestra.h"
#include "platform/ui/forma_dialogo.h"
#include "platform/ui/invio.h"
#include "platform/ui/modale.h"
#include <QCloseEvent>
#include <QList>
#include <QScopeGuard>

// Turns the close box into a request the window may refuse, and an accepted one into an unload.
class FiltroChiusura : public QObject {
public:
    explicit FiltroChiusura(Finestra* f) : f(f) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Close && o == f->forma_) {
            e->ignore();
            if (f->chiusuraRichiesta())
                f->chiudi();
            return true;
        }
        return false;
    }

private:
    Finestra* f;
};

namespace {
// The windows whose load handlers are running, the innermost last.
QList<Finestra*>& inCorsoDiCaricamento()
{
    static QList<Finestra*> f;
    return f;
}
} // namespace

void segnalaCaricamentoFallito()
{
    if (!inCorsoDiCaricamento().isEmpty())
        inCorsoDiCaricamento().last()->fallito = true;
}

Finestra::~Finestra()
{
    delete forma_.data();
}

void Finestra::carica()
{
    if (forma_ || inCaricamento)
        return;
    inCaricamento = true;
    forma_ = costruisci();
    filtroChiusura = new FiltroChiusura(this);
    filtroChiusura->setParent(forma_);
    forma_->installEventFilter(filtroChiusura);
    inCaricamento = false;
    fallito = false;
    inCorsoDiCaricamento().append(this);
    const auto fine = qScopeGuard([this] { inCorsoDiCaricamento().removeOne(this); });
    alCaricamento();
}

void Finestra::chiudi()
{
    if (!forma_)
        return;
    alloScaricamento();
    QWidget* f = forma_;
    forma_ = nullptr;
    f->removeEventFilter(filtroChiusura);
    filtroChiusura = nullptr;
    rilasciaControlli();
    f->hide();
    f->deleteLater();
}

bool Finestra::chiusuraRichiesta()
{
    // The close box is the cancel button: the window closes if the button closes it.
    auto* dialogo = dynamic_cast<FormaDialogo*>(forma_.data());
    if (!dialogo || !dialogo->pulsanteAnnulla())
        return true;
    premi(dialogo->pulsanteAnnulla());
    return false;
}

QWidget* Finestra::forma()
{
    carica();
    return forma_;
}

void Finestra::mostraModale()
{
    carica();
    if (fallito) {
        chiudi();
        return;
    }
    QPointer<QWidget> f = forma_;
    ::mostraModale(f);
    if (forma_ && forma_ == f && !f->isVisible())
        chiudi();
}

namespace finestre_detail {
QList<std::function<void()>>& rilasci()
{
    static QList<std::function<void()>> r;
    return r;
}
void registra(std::function<void()> rilascio) { rilasci().append(std::move(rilascio)); }
}

void rilasciaTutteLeFinestre()
{
    for (auto& r : finestre_detail::rilasci())
        r();
}
