#pragma once
#include <QLabel>

// A label that shows a value (the customer of a call, the operator who took it): a screen
// reader announces it by its caption followed by the value shown, and hears the new name when
// the value changes (setText); one with no caption is announced by its value, and not at all
// while it shows nothing.
class EtichettaValore : public QLabel {
    Q_OBJECT
public:
    EtichettaValore(const QString& didascalia, QWidget* padre);
    QString didascalia() const { return didascalia_; }

private:
    QString didascalia_;
};
