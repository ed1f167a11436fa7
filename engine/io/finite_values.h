#pragma once
// The check that ends a run before a value that is no finite number can be
// written: absurd but permitted inputs (a partial factor of 1e-310) or table
// values make a derived value infinite, and the run must not report success
// with a 0 in its place.
#include <initializer_list>
#include <utility>

// A quantity by its printed symbol and its value.
using NamedValue = std::pair<const char *, double>;

// True when every value is finite. Otherwise writes one line
// "FEHLERMELDUNG: <symbol> ergibt keinen endlichen Wert" for the first value
// that is not, and returns false; the run then ends.
bool allFinite(std::initializer_list<NamedValue> values);
