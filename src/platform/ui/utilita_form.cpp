#include "platform/ui/utilita_form.h"
#include <QGuiApplication>
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

void ordineTab(const QList<QWidget*>& controlli)
{
    for (qsizetype i = 1; i < controlli.size(); ++i)
        QWidget::setTabOrder(controlli[i - 1], controlli[i]);
}
