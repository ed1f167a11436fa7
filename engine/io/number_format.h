#pragma once
#include <string>

// Formats a number as a standard output stream does by default (%g with six
// significant digits, "." as decimal point), independent of the user's locale.
// A non-finite value is written as 0 so that every reader can parse the files.
std::string formatNumber(double value);
