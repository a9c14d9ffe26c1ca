#pragma once
#include <QLineEdit>

// A password box that shows "*" for every character.
QLineEdit* nuovoCampoPassword(QWidget* padre);
