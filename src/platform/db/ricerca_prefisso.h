#pragma once
#include <QString>

// The condition "<column> like '<prefix>%'": the rows whose column begins with the typed
// text, taken literally (apostrophes, % and _ included) and without regard to case.
QString condizionePrefisso(const QString& colonna, const QString& prefisso);
