#pragma once
#include <QString>

// Numbers of the report engine's own errors, raised as ErroreDb.
constexpr long erroreFileReport = 20001;     // report file missing or unreadable
constexpr long erroreFormulaReport = 20002;  // selection formula that cannot be read
constexpr long erroreCampoReport = 20003;    // field unknown to the formula or the layout
constexpr long erroreStampaReport = 20004;   // no printer, or the output could not be written

// Throws ErroreDb with the engine as its source.
[[noreturn]] void erroreReport(long numero, const QString& descrizione);
