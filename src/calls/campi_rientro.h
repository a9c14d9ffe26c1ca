#pragma once
#include <QString>
#include <functional>

class QGridLayout;
class QPushButton;
class QWidget;

// Builders of the return report's controls.

QPushButton* pulsante(QWidget* padre, const QString& testo, const QString& nome, const QString& suggerimento = {});
// A picture button: the tool tip names it.
QPushButton* pulsanteNuovo(QWidget* padre, const QString& nome, const QString& suggerimento);
// A label naming the control (its buddy) at row r, column c, and the control beside it.
void conEtichetta(QGridLayout* g, int r, int c, const QString& testo, QWidget* controllo, int colonne = 1);
// The Delete key runs f in place of the control's own handling.
void alTastoCanc(QWidget* controllo, std::function<void()> f);
