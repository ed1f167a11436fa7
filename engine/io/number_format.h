#pragma once
#include <string>

// Formats a number as a standard output stream does by default (%g with six
// significant digits, "." as decimal point), independent of the user's locale.
// A non-finite value is written as 0 so that every reader can parse the files.
std::string formatNumber(double value);

// Every stage checks its values before it writes them (io/finite_values.h),
// so a value that is no finite number reaching formatNumber is a programming
// error. The engine then writes 0 as a last resort; tests and the fuzz
// harnesses switch to Abort so that the error cannot pass unseen.
enum class NonFiniteNumbers { WriteZero, Abort };
void setNonFiniteNumbers(NonFiniteNumbers policy);
NonFiniteNumbers nonFiniteNumbers();
