#pragma once
#include <QString>

// A typed text as the body of a LIKE pattern with ESCAPE '\': upper case, apostrophes
// doubled, and %, _ and \ taken literally.
QString testoLike(const QString& testo);

// The condition "<column> like '<prefix>%'": the rows whose column begins with the typed
// text, taken literally (apostrophes, % and _ included) and without regard to case.
QString condizionePrefisso(const QString& colonna, const QString& prefisso);
