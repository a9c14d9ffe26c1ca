#include "common/collegamenti.h"

namespace collegamenti {
std::function<void()> apriRicercaClienti;
std::function<void()> aggiornaPrincipale;
}
