#pragma once
#include "registers/modello/descrizione_registro.h"
#include <QVariant>
#include <QWidget>

// The controls of the card template, one kind of field at a time.

// Creates the control of a field, named as the field says.
QWidget* creaControllo(const CampoScheda& campo, QWidget* genitore);
// True when the field holds nothing: an empty text, no entry, no key, no date.
bool campoVuoto(const CampoScheda& campo, QWidget* controllo);
// The field's value to bind to a statement: texts in capitals, keys (0 for none), 0/1, dates.
// A day and month that do not exist in the current year are refused with an error.
QVariant valoreDaScrivere(const CampoScheda& campo, QWidget* controllo);
// Shows a stored value in the field (Null as empty).
void mostraValore(const CampoScheda& campo, QWidget* controllo, const QVariant& valore);
// Fills a data combo from its statement; other fields are left alone.
void riempiVoci(const CampoScheda& campo, QWidget* controllo);
