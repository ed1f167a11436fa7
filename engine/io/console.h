#pragma once
// Console protocol of the engine: progress and echo lines on standard output,
// error and success lines on standard error, every line flushed at once.
#include <string>

// One "FEHLERMELDUNG..." or success line on standard error.
void errorLine(const std::string &text);

// One progress line on standard output.
void outputLine(const std::string &text);

// Echo of a derived value: label, value, unit text, line end ("_f_cd :" -30 " [N/mm^2]\t").
// A value that is no finite number is echoed as "kein endlicher Wert".
void echoValue(const std::string &label, double value, const std::string &unit);

// Both console streams use the classic locale, whatever the user's locale is.
void useClassicLocaleOnConsole();
