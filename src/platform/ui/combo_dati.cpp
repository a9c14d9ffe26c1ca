#include "platform/ui/combo_dati.h"
#include "platform/db/connessione.h"
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
    if (chiave.isNull() || chiave.toString() == QLatin1String("0")) {
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
    if (!conserva) {
        svuotaScelta();
        return;
    }
    addItem(descrizioneMancante(chiave), chiave);
    setCurrentIndex(count() - 1);
}

void ComboDati::conservaChiaviMancanti(const QString& sql)
{
    conserva = true;
    sqlMancante = sql;
}

QString ComboDati::descrizioneMancante(const QVariant& chiave) const
{
    if (sqlMancante.isEmpty())
        return chiave.toString();
    const Recordset rs = connessione.apriAvanti(sqlMancante, {chiave});
    if (rs.eof())
        return chiave.toString();
    const bool eliminato = rs.numeroCampi() > 1 && rs.campo(1).toInt() != 0;
    return testoValore(rs.campo(0)) + (eliminato ? QStringLiteral(" (eliminato)") : QString());
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
