#pragma once
#include "registers/modello/descrizione_registro.h"
#include "registers/modello/legame_campi.h"
#include <QVariant>
#include <QWidget>

// The controls of the card template, one kind of field at a time.

// Creates the control of a field, named as the field says.
QWidget* creaControllo(const CampoScheda& campo, QWidget* genitore);
// True when the field holds nothing: an empty text, no entry, no key, no date.
bool campoVuoto(const CampoScheda& campo, QWidget* controllo);
// How the field is bound to its column.
TipoCampo tipoCampo(const CampoScheda& campo);
// Fills a data combo from its statement; other fields are left alone.
void riempiVoci(const CampoScheda& campo, QWidget* controllo);
