#include "platform/ui/forma_dialogo.h"
#include <QKeyEvent>

FormaDialogo::FormaDialogo(const QString& titolo)
{
    setWindowTitle(titolo);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormaDialogo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (annulla && annulla->isEnabled())
            annulla->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
