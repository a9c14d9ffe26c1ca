#include "platform/ui/forma_dialogo.h"
#include "platform/ui/dimensioni_form.h"
#include "platform/ui/invio.h"
#include "platform/ui/tab_griglie.h"
#include "platform/ui/utilita_form.h"
#include <QKeyEvent>

FormaDialogo::FormaDialogo(const QString& titolo)
{
    setWindowTitle(titolo);
    setAttribute(Qt::WA_DeleteOnClose, false);
    tabEsceDalleGriglie();
}

void FormaDialogo::impostaPredefinito(QPushButton* pulsante)
{
    predefinito = pulsante;
    pulsante->setDefault(true);
}

void FormaDialogo::setVisible(bool visibile)
{
    if (visibile) {
        // An auto-default button would become the default of a window that has none when shown,
        // and the default of any window while it has the focus.
        for (QPushButton* p : findChildren<QPushButton*>())
            if (p->window() == this)
                p->setAutoDefault(false);
        nominaGriglie(this);
        etichettePrimaDeiControlli(this);
    }
    if (visibile && !dimensionata) {
        dimensionata = true;
        dimensionaForm(this);
    }
    QDialog::setVisible(visibile);
}

void FormaDialogo::keyPressEvent(QKeyEvent* e)
{
    // Here come the keys the focused control left alone: a push button without auto-default
    // and a tool button leave Enter to their window.
    if (tastoInvio(e)) {
        QAbstractButton* focale = pulsanteConFocus(this);
        premi(focale ? focale : predefinito.data());
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        premi(annulla);
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
