#pragma once
#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

// The program's modal windows. Enter presses the focused push or tool button; on any other control
// it presses the default button when there is one (and nothing otherwise). Esc presses the
// cancel button when there is one and the window leaves Esc to it (and nothing otherwise); the
// close box presses the cancel button too. A button never becomes the default by taking the
// focus. It opens at the size its content asks for, whole on the screen.
class FormaDialogo : public QDialog {
public:
    // Whether Esc presses the cancel button, or the window acts on Esc itself (or not at all).
    enum class Esc { premeAnnulla, aParte };

    explicit FormaDialogo(const QString& titolo);
    void impostaPredefinito(QPushButton* pulsante);
    void impostaAnnulla(QAbstractButton* pulsante, Esc esc = Esc::premeAnnulla);
    QAbstractButton* pulsanteAnnulla() const { return annulla; }
    void setVisible(bool visibile) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPointer<QPushButton> predefinito;
    QPointer<QAbstractButton> annulla;
    bool escPremeAnnulla = true;
    bool dimensionata = false; // sized to its content when first shown
};
