#pragma once
#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

// The program's modal windows: Enter presses the default button, Esc the cancel button
// when there is one (and nothing otherwise).
class FormaDialogo : public QDialog {
public:
    explicit FormaDialogo(const QString& titolo);
    void impostaAnnulla(QAbstractButton* pulsante) { annulla = pulsante; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPointer<QAbstractButton> annulla;
};
