#pragma once
#include <QWidget>
#include <functional>

// Runs f every time the window becomes the active window.
void alAttivarsi(QWidget* finestra, std::function<void()> f);
