#pragma once
#include "platform/ui/campo_data.h"
#include <QCheckBox>
#include <QWidget>

// A date picker with an optional tick: unticked means no date (Null). The tick and the date
// are named by the label of the picker. The date is typed whole (CampoData); typing leaves the
// tick as it is.
class DataOpzionale : public QWidget {
    Q_OBJECT
public:
    explicit DataOpzionale(bool conSpunta = true, QWidget* parent = nullptr);

    // The chosen date, or Null when unticked.
    QVariant valore() const;
    // A date ticks the box; Null (or an invalid date) unticks it.
    void impostaValore(const QVariant& v);
    QDate data() const { return editor->date(); }
    void impostaData(const QDate& d) { editor->setDate(d); }
    bool spuntata() const { return !spunta || spunta->isChecked(); }
    void impostaSpunta(bool s);

    CampoData* campoData() const { return editor; }

protected:
    bool event(QEvent* e) override;

signals:
    // The value changed: the date, or the tick.
    void cambiato();

private:
    QCheckBox* spunta = nullptr;
    CampoData* editor;
};
