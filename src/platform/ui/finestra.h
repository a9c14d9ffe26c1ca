#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

// A window of the program. The instance and its members live until it is released;
// its controls exist only while it is loaded. Loading builds the controls and runs the
// load handler; touching a control of an unloaded window loads it again (hidden);
// closing unloads it: the controls go, the members stay.
class Finestra {
public:
    virtual ~Finestra();

    bool caricata() const { return forma_ != nullptr; }
    void carica();
    // Unload: the unload handler runs, the controls are destroyed, the members are kept.
    void chiudi();
    // The window itself (touching it loads it).
    QWidget* forma();
    // Loads and shows the window modally; returns when it has been closed. A window whose
    // load failed is not shown: it is unloaded at once.
    void mostraModale();
    // Loaded, and nothing it had to read failed while it was loaded and prepared.
    bool caricamentoRiuscito() const { return forma_ && !fallito; }

protected:
    // Creates the window and its controls.
    virtual QWidget* costruisci() = 0;
    // The load handler, run after the controls exist.
    virtual void alCaricamento() {}
    // The unload handler, run before the controls go.
    virtual void alloScaricamento() {}
    // The close box (or the system) asks to close: false keeps the window open. A window with
    // a cancel button is closed by pressing it, as though the operator had; any other closes.
    virtual bool chiusuraRichiesta();
    // Forget the pointers to the controls.
    virtual void rilasciaControlli() = 0;
    // What the window had to read after its load (lists its opener asks it to fill) failed:
    // it is not shown.
    void caricamentoFallito() { fallito = true; }

private:
    friend class FiltroChiusura;
    QPointer<QWidget> forma_;
    QObject* filtroChiusura = nullptr;
    bool inCaricamento = false;
    bool fallito = false;
    friend void segnalaCaricamentoFallito();
};

// A failure was reported while a window's load handler ran (what it shows could not be
// read): that window is not shown, so it never opens half-filled.
void segnalaCaricamentoFallito();

// A window whose controls are the struct C, reached through ui() (which loads).
template <class C>
class FinestraCon : public Finestra {
protected:
    C& ui()
    {
        if (!c)
            carica();
        return *c;
    }
    // For costruisci(): the controls being built.
    C& nuoviControlli()
    {
        c = std::make_unique<C>();
        return *c;
    }
    void rilasciaControlli() override { c.reset(); }

private:
    std::unique_ptr<C> c;
};

namespace finestre_detail {
void registra(std::function<void()> rilascio);
}

// The module-level reference of a window: created on first touch.
template <class T>
std::unique_ptr<T>& riferimento()
{
    static std::unique_ptr<T> p;
    return p;
}

template <class T>
T& istanza()
{
    auto& p = riferimento<T>();
    if (!p) {
        static bool registrato = false;
        if (!registrato) {
            registrato = true;
            finestre_detail::registra([] { riferimento<T>().reset(); });
        }
        p = std::make_unique<T>();
    }
    return *p;
}

template <class T>
bool esisteIstanza()
{
    return riferimento<T>() != nullptr;
}

// Releases the reference: the next touch creates a fresh window with empty members.
template <class T>
void rilascia()
{
    riferimento<T>().reset();
}

// Releases every window (tests start each case from nothing).
void rilasciaTutteLeFinestre();
