#include "platform/ui/utilita_form.h"
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

void centraForm(QWidget* finestra)
{
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s || !finestra)
        return;
    const QRect r = s->geometry();
    // A window not shown yet nor resized has no size of its own: it will open at its hint.
    const QSize d = finestra->isVisible() || finestra->testAttribute(Qt::WA_Resized) ? finestra->frameGeometry().size()
                                                                                    : finestra->sizeHint();
    finestra->move(r.x() + (r.width() - d.width()) / 2, r.y() + (r.height() - d.height()) / 2);
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

QWidget* scorrevole(QWidget* pagina)
{
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(pagina);
    return area;
}

QLabel* conEtichetta(QGridLayout* g, int riga, int colonna, const QString& etichetta, QWidget* controllo, int colonne)
{
    auto* l = new QLabel(etichetta, controllo->parentWidget());
    l->setBuddy(controllo);
    g->addWidget(l, riga, colonna);
    g->addWidget(controllo, riga, colonna + 1, 1, colonne);
    return l;
}

void ordineTab(const QList<QWidget*>& controlli)
{
    for (qsizetype i = 1; i < controlli.size(); ++i)
        QWidget::setTabOrder(controlli[i - 1], controlli[i]);
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
