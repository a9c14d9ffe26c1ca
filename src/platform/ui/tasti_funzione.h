#pragma once
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <functional>

// Keys that a window sees before its focused control, on their press or on their release.
// A release is acted on only when the window also saw the press, so the Esc that closes a
// message box or a drop-down does not also reach the window beneath. Esc that the focused
// control asks for itself (a shortcut override) stays with the control.
class FiltroTasti : public QObject {
public:
    enum class Momento { pressione, rilascio };
    // gestore: the key (Qt::Key) and its modifiers; true when the key was used.
    using Gestore = std::function<bool(int tasto, Qt::KeyboardModifiers modificatori)>;

    FiltroTasti(QWidget* forma, Momento momento, Gestore gestore);
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QPointer<QWidget> forma;
    Momento momento;
    Gestore gestore;
    QSet<int> premuti;
};

// Installs the filter on a window (owned by it).
void filtraTasti(QWidget* forma, FiltroTasti::Momento momento, FiltroTasti::Gestore gestore);
