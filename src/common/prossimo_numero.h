#pragma once
#include <QString>
#include <functional>

// The next number of a counter of the one-row table `contatori` ("cliente" or "chiamata"),
// drawn atomically: inside the caller's write group when there is one, in a group of its own
// otherwise, so two workstations never receive the same number. An empty table gets its
// (0,0) row first. A number for which `inUso` is true is skipped: the counter moves past it.
qint64 prossimoNumero(const QString& contatore, const std::function<bool(qint64)>& inUso = {});
