#pragma once
#include "registers/modello/elenco_registro.h"
#include <QLineEdit>
#include <QString>
#include <QStringList>

// What the tests of the staff registers read of a list and of the database.

QLineEdit* ricerca(ElencoRegistro& l);
// The shown texts of one grid column, top to bottom.
QStringList colonna(ElencoRegistro& l, int indice);
// The grid's headings, left to right.
QStringList intestazioni(ElencoRegistro& l);
// Clicks a push button or an option button of a window by its name.
void premi(QWidget* finestra, const QString& nome);
// The first row of a statement, each field as text; empty when there is no row.
QStringList riga(const QString& sql);
int conta(const QString& sql);
// The text of the only box shown since the last reset; fails the test otherwise.
QString unicoMessaggio();
