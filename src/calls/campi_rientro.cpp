#include "calls/campi_rientro.h"
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

QPushButton* pulsante(QWidget* padre, const QString& testo, const QString& nome, const QString& suggerimento)
{
    auto* p = new QPushButton(testo, padre);
    p->setObjectName(nome);
    p->setToolTip(suggerimento);
    return p;
}

QPushButton* pulsanteNuovo(QWidget* padre, const QString& nome, const QString& suggerimento)
{
    QPushButton* p = pulsante(padre, QString(), nome, suggerimento);
    p->setIcon(padre->style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    p->setAccessibleName(suggerimento);
    return p;
}

namespace {
class FiltroCanc : public QObject {
public:
    FiltroCanc(QObject* padre, std::function<void()> f) : QObject(padre), f(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Delete)
            return false;
        f();
        return true;
    }

private:
    std::function<void()> f;
};
} // namespace

void alTastoCanc(QWidget* controllo, std::function<void()> f)
{
    controllo->installEventFilter(new FiltroCanc(controllo, std::move(f)));
}
