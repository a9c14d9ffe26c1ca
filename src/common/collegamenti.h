#pragma once
#include <functional>

// What a window of a lower layer opens in a higher one: set by the shell at start-up; an
// empty hook means the window is not available.
namespace collegamenti {
// Shows the customer search (without making it modal), or brings it to the front.
extern std::function<void()> apriRicercaClienti;
// The main window again, after the planner has closed.
extern std::function<void()> aggiornaPrincipale;
}
