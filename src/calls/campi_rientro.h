#pragma once
#include "platform/ui/utilita_form.h"
#include <QString>
#include <functional>

class QPushButton;
class QWidget;

// Builders of the return report's controls.

QPushButton* pulsante(QWidget* padre, const QString& testo, const QString& nome, const QString& suggerimento = {});
// A picture button: the tool tip names it.
QPushButton* pulsanteNuovo(QWidget* padre, const QString& nome, const QString& suggerimento);
// The Delete key runs f in place of the control's own handling.
void alTastoCanc(QWidget* controllo, std::function<void()> f);
