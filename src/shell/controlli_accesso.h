#pragma once
#include <QLabel>
#include <QLineEdit>

// Controls shared by the login and the password windows.

// A password box that shows "*" for every character.
QLineEdit* nuovoCampoPassword(QWidget* padre);
// The bold heading across the top of the window.
QLabel* nuovaIntestazione(const QString& testo, QWidget* padre);
