#pragma once
#include <QLineEdit>
#include <QString>
#include <QStringList>

class ElencoRegistro;

// What window tests read of a register list, of a window and of the database.

// The search box of a register list.
QLineEdit* ricerca(ElencoRegistro& l);
// The shown texts of one grid column of a list, top to bottom.
QStringList colonna(ElencoRegistro& l, int indice);
// The grid's headings, left to right.
QStringList intestazioni(ElencoRegistro& l);
// Clicks a push button or an option button of a window by its name.
void premi(QWidget* finestra, const QString& nome);
// The first row of a statement, each field as text; empty when there is no row.
QStringList riga(const QString& sql, const QVariantList& valori = {});
int conta(const QString& sql, const QVariantList& valori = {});
// The text of the only box shown since the last reset; fails the test otherwise.
QString unicoMessaggio();
