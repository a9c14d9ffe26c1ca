#include "platform/ui/dimensioni_form.h"
#include "platform/ui/utilita_form.h"
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QSize cornice()
{
    // At least a usual title bar and border; the windows already open tell when the window
    // system's are larger.
    QSize c(8, 32);
    for (const QWindow* w : QGuiApplication::topLevelWindows())
        if (w->isVisible()) {
            const QMargins m = w->frameMargins();
            c = c.expandedTo(QSize(m.left() + m.right(), m.top() + m.bottom()));
        }
    return c;
}

void rimisura(QWidget* finestra)
{
    for (QWidget* w : finestra->findChildren<QWidget*>())
        w->updateGeometry();
    for (QLayout* l : finestra->findChildren<QLayout*>())
        l->invalidate();
}

void dimensionaForm(QWidget* finestra)
{
    const QScreen* s = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    rimisura(finestra);
    const QSize massima = (s->availableGeometry().size() - cornice()).boundedTo(finestra->maximumSize());
    QSize voluta = finestra->sizeHint().expandedTo(finestra->minimumSizeHint()).expandedTo(finestra->minimumSize());
    if (finestra->testAttribute(Qt::WA_Resized))
        voluta = voluta.expandedTo(finestra->size());
    voluta = voluta.boundedTo(massima);
    // Wrapped texts take the height they need at the width the window gets.
    if (const QLayout* l = finestra->layout(); l && l->hasHeightForWidth())
        voluta.setHeight(std::min(massima.height(), std::max(voluta.height(), l->totalHeightForWidth(voluta.width()))));
    finestra->resize(voluta);
    centraForm(finestra);
}
