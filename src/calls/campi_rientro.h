#pragma once
#include "platform/ui/utilita_form.h"
#include <functional>

class QWidget;

// The Delete key runs f in place of the control's own handling.
void alTastoCanc(QWidget* controllo, std::function<void()> f);
