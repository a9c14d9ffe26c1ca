#include "platform/ui/utilita_form.h"
#include "platform/ui/controlli.h"
#include "platform/ui/dimensioni_form.h"
#include <QAbstractItemView>
#include <QGroupBox>
#include <QGridLayout>
#include <QLabel>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <algorithm>

void centraForm(QWidget* finestra)
{
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s || !finestra)
        return;
    const QRect r = s->availableGeometry();
    // A window not shown yet nor resized has no size of its own: it will open at its hint. One
    // not shown yet has no frame yet: it will get one as large as the others'.
    QSize d = finestra->isVisible() || finestra->testAttribute(Qt::WA_Resized) ? finestra->frameGeometry().size()
                                                                              : finestra->sizeHint();
    if (!finestra->isVisible())
        d += cornice();
    finestra->move(std::max(r.x(), r.x() + (r.width() - d.width()) / 2),
                   std::max(r.y(), r.y() + (r.height() - d.height()) / 2));
}

int filtraTastoDecimale(int codiceTasto, const QString& testo)
{
    constexpr int punto = 46, virgola = 44, cancella = 8;
    if (testo.contains(u',') && codiceTasto == punto)
        return 0;
    const bool cifra = codiceTasto >= '0' && codiceTasto <= '9';
    if (!cifra && codiceTasto != punto && codiceTasto != cancella)
        return 0;
    return codiceTasto == punto ? virgola : codiceTasto;
}

QLabel* conEtichetta(QGridLayout* g, int riga, int colonna, const QString& testo, QWidget* controllo, int colonne)
{
    QLabel* l = etichetta(controllo->parentWidget(), testo, controllo);
    g->addWidget(l, riga, colonna);
    g->addWidget(controllo, riga, colonna + 1, 1, colonne);
    return l;
}

namespace {
// A caption as read aloud: without the "&" of its mnemonic.
QString senzaMnemonico(const QString& t)
{
    QString testo;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'&' && i + 1 < t.size())
            ++i;
        testo += t[i];
    }
    return testo;
}
} // namespace

QString nomeDaEtichetta(const QWidget* controllo)
{
    if (!controllo->accessibleName().isEmpty())
        return controllo->accessibleName();
    for (const QLabel* l : controllo->window()->findChildren<QLabel*>())
        if (l->buddy() == controllo)
            return senzaMnemonico(l->text());
    const QWidget* padre = controllo->parentWidget();
    if (const auto* riquadro = qobject_cast<const QGroupBox*>(padre))
        return riquadro->title();
    // A page of a tab control: its tab's caption.
    if (const auto* schede = qobject_cast<const QTabWidget*>(padre ? padre->parentWidget() : nullptr))
        if (const int i = schede->indexOf(const_cast<QWidget*>(controllo)); i >= 0)
            return senzaMnemonico(schede->tabText(i));
    return {};
}

namespace {
const char* const proprietaGruppo = "didascaliaGruppo";

// A caption as a message names a field: without its mnemonic and a closing ":".
QString nomeCampo(const QString& didascalia)
{
    QString t = senzaMnemonico(didascalia);
    while (t.endsWith(u':') || t.endsWith(u' '))
        t.chop(1);
    return t;
}
} // namespace

void impostaGruppo(const QString& didascalia, std::initializer_list<QWidget*> controlli)
{
    for (QWidget* w : controlli)
        w->setProperty(proprietaGruppo, didascalia);
}

QString nomeNelMessaggio(const QWidget* controllo)
{
    QString nome = nomeDaEtichetta(controllo);
    if (nome.isEmpty() && controllo->parentWidget())
        nome = nomeDaEtichetta(controllo->parentWidget());
    nome = nomeCampo(nome);
    // The control a label names: this one, or the container it is part of (an optional date).
    const QList<QLabel*> etichette = controllo->window()->findChildren<QLabel*>();
    const auto haEtichetta = [&](const QWidget* w) {
        return std::any_of(etichette.begin(), etichette.end(), [w](const QLabel* l) { return l->buddy() == w; });
    };
    const QWidget* nominato = controllo;
    while (nominato && !nominato->isWindow() && !haEtichetta(nominato))
        nominato = nominato->parentWidget();
    if (!nominato || nominato->isWindow())
        return nome;
    const bool ripetuto = std::any_of(etichette.begin(), etichette.end(), [&](const QLabel* l) {
        return l->buddy() && l->buddy() != nominato && nomeCampo(l->text()) == nome;
    });
    if (!ripetuto)
        return nome;
    for (const QWidget* w = nominato; w && !w->isWindow(); w = w->parentWidget()) {
        QString gruppo = w->property(proprietaGruppo).toString();
        if (const auto* riquadro = qobject_cast<const QGroupBox*>(w); gruppo.isEmpty() && riquadro)
            gruppo = riquadro->title();
        if (!gruppo.isEmpty())
            return nomeCampo(gruppo) + QStringLiteral(" - ") + nome;
    }
    return nome;
}

void nominaGriglie(QWidget* finestra)
{
    for (QAbstractItemView* v : finestra->findChildren<QAbstractItemView*>())
        if (v->window() == finestra && v->accessibleName().isEmpty())
            v->setAccessibleName(nomeDaEtichetta(v));
}

void etichettePrimaDeiControlli(QWidget* finestra)
{
    // A screen reader reads a frame's controls in the order of its children.
    for (QLabel* l : finestra->findChildren<QLabel*>())
        if (QWidget* b = l->buddy(); b && b->parentWidget() == l->parentWidget())
            l->stackUnder(b);
}

namespace {
void aggiungiControlli(QLayout* l, QList<QWidget*>& controlli);

// A control that takes the focus is itself; a container (a frame, a row of options) gives the
// controls of its layout.
void aggiungiControlli(QWidget* w, QList<QWidget*>& controlli)
{
    if (w->focusPolicy() != Qt::NoFocus)
        controlli << w;
    else if (w->layout())
        aggiungiControlli(w->layout(), controlli);
}

void aggiungiControlli(QLayout* l, QList<QWidget*>& controlli)
{
    struct Voce {
        int riga, colonna;
        QLayoutItem* voce;
    };
    QList<Voce> voci;
    auto* griglia = qobject_cast<QGridLayout*>(l);
    for (int i = 0; i < l->count(); ++i) {
        int riga = 0, colonna = i, righe, colonne;
        if (griglia)
            griglia->getItemPosition(i, &riga, &colonna, &righe, &colonne);
        voci.append({riga, colonna, l->itemAt(i)});
    }
    std::stable_sort(voci.begin(), voci.end(), [](const Voce& a, const Voce& b) {
        return std::pair(a.riga, a.colonna) < std::pair(b.riga, b.colonna);
    });
    for (const Voce& v : voci) {
        if (QWidget* w = v.voce->widget())
            aggiungiControlli(w, controlli);
        else if (QLayout* interno = v.voce->layout())
            aggiungiControlli(interno, controlli);
    }
}
} // namespace

void ordineTab(const QList<QWidget*>& controlli)
{
    QList<QWidget*> fermate;
    for (QWidget* w : controlli)
        aggiungiControlli(w, fermate);
    for (qsizetype i = 1; i < fermate.size(); ++i)
        QWidget::setTabOrder(fermate[i - 1], fermate[i]);
}

void ordineTab(QLayout* l)
{
    QList<QWidget*> fermate;
    aggiungiControlli(l, fermate);
    ordineTab(fermate);
}

namespace {
class FiltroDecimali : public QObject {
public:
    explicit FiltroDecimali(QLineEdit* campo) : QObject(campo), campo(campo) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (t.size() != 1 || !t[0].isPrint())
            return false;
        const bool decimaleTastierino = (k->modifiers() & Qt::KeypadModifier)
                                        && (k->key() == Qt::Key_Comma || k->key() == Qt::Key_Period);
        const int codice = decimaleTastierino ? '.' : t[0].unicode();
        const int filtrato = filtraTastoDecimale(codice, campo->text());
        if (filtrato == codice && !decimaleTastierino)
            return false;
        if (filtrato != 0)
            campo->insert(QString(QChar(filtrato)));
        return true;
    }

private:
    QLineEdit* campo;
};
} // namespace

void filtraDecimali(QLineEdit* campo)
{
    campo->installEventFilter(new FiltroDecimali(campo));
}
