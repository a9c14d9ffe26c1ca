#include "platform/ui/clessidra.h"
#include <QCursor>
#include <QGuiApplication>

void cursoreClessidra()
{
    if (!clessidraAttiva())
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void cursoreNormale()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool clessidraAttiva()
{
    const QCursor* c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor;
}
