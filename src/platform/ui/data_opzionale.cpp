#include "platform/ui/data_opzionale.h"
#include "platform/ambiente/ambiente.h"
#include <QHBoxLayout>

DataOpzionale::DataOpzionale(bool conSpunta, QWidget* parent) : QWidget(parent), editor(new QDateEdit(this))
{
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    if (conSpunta) {
        spunta = new QCheckBox(this);
        l->addWidget(spunta);
        connect(spunta, &QCheckBox::toggled, editor, &QDateEdit::setEnabled);
        connect(spunta, &QCheckBox::toggled, this, &DataOpzionale::cambiato);
    }
    editor->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    editor->setCalendarPopup(true);
    editor->setDate(oggi());
    connect(editor, &QDateEdit::dateChanged, this, &DataOpzionale::cambiato);
    l->addWidget(editor, 1);
    setFocusProxy(editor);
    if (spunta)
        impostaSpunta(false);
}

QVariant DataOpzionale::valore() const
{
    return spuntata() ? QVariant(editor->date()) : QVariant();
}

void DataOpzionale::impostaValore(const QVariant& v)
{
    const QDate d = v.toDate();
    if (v.isNull() || !d.isValid()) {
        impostaSpunta(false);
        return;
    }
    editor->setDate(d);
    impostaSpunta(true);
}

void DataOpzionale::impostaSpunta(bool s)
{
    if (!spunta)
        return;
    spunta->setChecked(s);
    editor->setEnabled(s);
}
