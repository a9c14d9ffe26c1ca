#pragma once
#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;
class QLayout;

// Centres a window on the screen.
void centraForm(QWidget* finestra);
// A label naming a control (its buddy: mnemonics and screen readers) and the control, side
// by side on a row of a grid; the control spans `colonne` columns.
QLabel* conEtichetta(QGridLayout* g, int riga, int colonna, const QString& testo, QWidget* controllo,
                     int colonne = 1);
// The name a screen reader gives a control: its own, else its label's caption (without the
// mnemonic's "&"), else the title of the frame around it or the caption of its tab.
QString nomeDaEtichetta(const QWidget* controllo);
// The caption of a group of controls whose labels other groups of the window repeat (the "Dal"
// and "Al" of each date criterion).
void impostaGruppo(const QString& didascalia, std::initializer_list<QWidget*> controlli);
// The name a message gives a control: its label (without a closing ":"); where another control
// of the window has a label with the same caption, the caption of its group or of the frame
// around it, " - ", and its label.
QString nomeNelMessaggio(const QWidget* controllo);
// Grids and lists are named by their labels too (Qt names only other controls by them).
void nominaGriglie(QWidget* finestra);
// Each label is read before the control it names, as it is seen (it may have been made after it).
void etichettePrimaDeiControlli(QWidget* finestra);
// The tab order of a window's controls, first to last; a container stands for the controls of
// its layout in their visual order.
void ordineTab(const QList<QWidget*>& controlli);
// The tab order of a layout's controls is their visual order: rows top to bottom, each row
// left to right, nested layouts and frames in their place.
void ordineTab(QLayout* l);
// The key filter of amount fields: the key to use, 0 to swallow it.
int filtraTastoDecimale(int codiceTasto, const QString& testo);
class QLineEdit;
// An amount box: every character typed goes through filtraTastoDecimale (the keypad's decimal
// key counts as a point); editing keys and shortcuts are left alone.
void filtraDecimali(QLineEdit* campo);
