#pragma once
#include <exception>
#include <functional>

class ErroreDb;

// The common error box for a failure.
void segnalaErrore(const ErroreDb& e);
void segnalaErrore(const std::exception& e);
// Runs a handler's body; a failure shows the common error box. True when it went through.
bool gestisci(const std::function<void()>& corpo);
// The log file corvext.log in the program folder, opened for appending.
void apriLog();
void chiudiLog();
