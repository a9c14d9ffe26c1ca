#include "platform/ui/combo_dati.h"
#include "platform/db/formato_testo.h"
#include <QKeyEvent>

ComboDati::ComboDati(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
}

void ComboDati::riempi(Recordset rs, const QString& campoMostrato, const QString& campoLegato)
{
    clear();
    if (rs.statico())
        rs.moveFirst();
    while (!rs.eof()) {
        addItem(testoValore(rs.campo(campoMostrato)), rs.campo(campoLegato));
        rs.moveNext();
    }
    svuotaScelta();
}

QVariant ComboDati::valoreLegato() const
{
    return currentIndex() < 0 ? QVariant() : itemData(currentIndex());
}

void ComboDati::impostaValoreLegato(const QVariant& chiave)
{
    if (chiave.isNull()) {
        svuotaScelta();
        return;
    }
    for (int i = 0; i < count(); ++i) {
        const QVariant v = itemData(i);
        if (v == chiave || v.toString() == chiave.toString()) {
            setCurrentIndex(i);
            return;
        }
    }
    svuotaScelta();
}

void ComboDati::svuotaScelta()
{
    setCurrentIndex(-1);
    if (isEditable())
        clearEditText();
}

void ComboDati::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Delete) {
        svuotaScelta();
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}
