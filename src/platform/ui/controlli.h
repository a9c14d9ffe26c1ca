#pragma once
#include <QString>
#include <QStringList>
#include <QStyle>
#include <initializer_list>
#include <utility>

class ComboDati;
class DataOpzionale;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Builders of a window's controls. Each takes its parent first, then the name the window knows
// the control by, then what it shows.

// Any other control; `argomenti` go to its constructor before the parent (a caption, a title).
template <class T, class... A>
T* controllo(QWidget* padre, const QString& nome, A&&... argomenti)
{
    auto* c = new T(std::forward<A>(argomenti)..., padre);
    c->setObjectName(nome);
    return c;
}

// A text box; a `limite` above 0 caps what is typed or pasted (see limitaCaratteri).
QLineEdit* casella(QWidget* padre, const QString& nome, int limite = 0);
QCheckBox* spunta(QWidget* padre, const QString& nome, const QString& testo);
QRadioButton* opzione(QWidget* padre, const QString& nome, const QString& testo);
// A fixed list, nothing chosen.
QComboBox* elenco(QWidget* padre, const QString& nome, const QStringList& voci);
// The months, January first, nothing chosen.
QComboBox* elencoMesi(QWidget* padre, const QString& nome);
ComboDati* combo(QWidget* padre, const QString& nome);
// A combo that shows and keeps a stored key its rows do not list, described by `sqlMancante`
// (see ComboDati::conservaChiaviMancanti).
ComboDati* combo(QWidget* padre, const QString& nome, const QString& sqlMancante);
// A date that may be left empty (its tick box).
DataOpzionale* data(QWidget* padre, const QString& nome);
// A button with a caption; the tool tip, when there is one, adds to it.
QPushButton* pulsante(QWidget* padre, const QString& nome, const QString& testo, const QString& suggerimento = {});
// A picture button: the tool tip is its only text, and its name to a screen reader.
QPushButton* pulsanteIcona(QWidget* padre, const QString& nome, QStyle::StandardPixmap icona,
                           const QString& suggerimento);
// A label naming `campo` (its buddy: mnemonic and screen readers).
QLabel* etichetta(QWidget* padre, const QString& testo, QWidget* campo);
QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, QWidget* campo);
// The bold heading across the top of a window.
QLabel* intestazione(QWidget* padre, const QString& testo);
// A password box that shows "*" for every character.
QLineEdit* casellaPassword(QWidget* padre);

// The closing buttons of a window, on a line of their own added across `finestra`: a row under a
// column of fields, a column beside a row. They stand side by side at the line's end (the right,
// the bottom) or at its start, the rest of it empty.
enum class Lato { fine, inizio };
void filaPulsanti(QBoxLayout* finestra, std::initializer_list<QPushButton*> pulsanti, Lato lato = Lato::fine);
