#pragma once
#include "platform/ui/campo_digitato.h"
#include <QDate>

// A date typed whole as dd/MM/yyyy (see CampoDigitato), or picked from a calendar (the button at
// its end, or Alt+Down). It starts on today.
class CampoData : public CampoDigitato {
    Q_OBJECT
public:
    explicit CampoData(QWidget* parent = nullptr);

    QDate date() const { return valore().toDate(); }
    // An invalid date changes nothing.
    void setDate(const QDate& d);
    // Day and month only (dd/MM): the year stays the shown date's, or for 29/02 in a year that
    // lacks it a leap year's; what year it means is the window's business.
    void soloGiornoMese();

signals:
    void dateChanged(const QDate& d);

protected:
    QVariant interpreta(const QList<int>& numeri) const override;
    QString testoDi(const QVariant& valore) const override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void mostraCalendario();
    bool conAnno = true;
};
