#pragma once
#include <QString>
#include <QWidget>

class QGridLayout;
class QLabel;

// Centres a window on the screen.
void centraForm(QWidget* finestra);
// A page inside a scroll area: on an 800 x 600 screen a tall page scrolls instead of pushing
// the window's buttons off the screen; the control with the focus is scrolled into view.
QWidget* scorrevole(QWidget* pagina);
// A label naming a control (its buddy: mnemonics and screen readers) and the control, side
// by side on a row of a grid; the control spans `colonne` columns.
QLabel* conEtichetta(QGridLayout* g, int riga, int colonna, const QString& etichetta, QWidget* controllo,
                     int colonne = 1);
// The tab order of a window's controls, first to last.
void ordineTab(const QList<QWidget*>& controlli);
// The key filter of amount fields: the key to use, 0 to swallow it.
int filtraTastoDecimale(int codiceTasto, const QString& testo);
class QLineEdit;
// An amount box: every character typed goes through filtraTastoDecimale (the keypad's decimal
// key counts as a point); editing keys and shortcuts are left alone.
void filtraDecimali(QLineEdit* campo);
