#include "platform/ui/data_opzionale.h"
#include "platform/ui/utilita_form.h"
#include <QEvent>
#include <QHBoxLayout>

DataOpzionale::DataOpzionale(bool conSpunta, QWidget* parent) : QWidget(parent)
{
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    // The tick against its date, so a row of two optional dates fits an 800 x 600 window.
    l->setSpacing(2);
    // The tick comes first, also in the tab order: Tab from a just-ticked box goes to its date.
    if (conSpunta) {
        spunta = new QCheckBox(this);
        l->addWidget(spunta);
    }
    editor = new CampoData(this);
    if (spunta) {
        connect(spunta, &QCheckBox::toggled, editor, &QWidget::setEnabled);
        connect(spunta, &QCheckBox::toggled, this, &DataOpzionale::cambiato);
    }
    connect(editor, &CampoData::dateChanged, this, &DataOpzionale::cambiato);
    l->addWidget(editor, 1);
    // The picker is one stop of its window's tab order (its tick, then its date), which
    // takes the focus on its tick when it has one.
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(spunta ? static_cast<QWidget*>(spunta) : editor);
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

bool DataOpzionale::event(QEvent* e)
{
    // The label names this container; a screen reader reads the tick and the date, so they
    // carry its name.
    if (e->type() == QEvent::Polish) {
        const QString nome = nomeDaEtichetta(this);
        for (QWidget* w : {static_cast<QWidget*>(spunta), static_cast<QWidget*>(editor)})
            if (w && w->accessibleName().isEmpty())
                w->setAccessibleName(nome);
    }
    return QWidget::event(e);
}
