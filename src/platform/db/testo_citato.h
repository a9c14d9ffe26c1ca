#pragma once
#include <QStringView>

// A statement's quoted texts and names: '...', "...", `...` (a doubled quote stays inside)
// and [...].
bool apreCitazione(QChar c);
// One past the closing quote of the quoted text or name that opens at i (the end of the
// statement when it is not closed).
qsizetype fineCitazione(QStringView sql, qsizetype i);
