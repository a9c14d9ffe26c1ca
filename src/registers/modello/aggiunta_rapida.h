#pragma once
#include <functional>

class ComboDati;
class SchedaRegistro;

// A quick-add from another window: the register's card opens for a new row; when it was
// confirmed, `riempi` refills the combo and the new row becomes its choice when the combo
// lists it (a row it does not offer, such as a technician created disabled, is not chosen).
// True when a row was added.
bool aggiuntaRapida(SchedaRegistro& scheda, ComboDati* combo, const std::function<void()>& riempi);
