#pragma once
#include <QString>

class ComboDati;
class DataOpzionale;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls of the search window, each named as the window knows it.
namespace elementi {
QLineEdit* testo(QWidget* padre, const QString& nome);
QCheckBox* spunta(QWidget* padre, const QString& nome, const QString& didascalia);
QRadioButton* opzione(QWidget* padre, const QString& nome, const QString& didascalia);
ComboDati* combo(QWidget* padre, const QString& nome);
DataOpzionale* data(QWidget* padre, const QString& nome);
QPushButton* pulsante(QWidget* padre, const QString& nome, const QString& didascalia, const QString& suggerimento = {});
}
