#pragma once
// Numbers as the engineer reads them on screen, in the report and in the PDF:
// a given count of significant digits, the decimal point whatever the user's
// locale, no exponent for the sizes of this tool, and a space before the
// unit. Four significant digits for resistances, actions and stresses, three
// for ratios, strains and utilisations. Result files keep full precision;
// these texts are for reading only.
#include <QString>

namespace results {

// "408.6" (4 digits of 408.56), "2683", "0.000133"; trailing zeros dropped,
// no negative zero. An exponent only outside 1e-4 ... 1e6 ("1.246e+07").
// A value that is no finite number reads "nicht ermittelt".
QString significant(double value, int digits);

// The number with its unit after a space: "160 mm", "408.6 N/mm²".
QString withUnit(double value, int digits, const QString &unit);

// Stresses with four significant digits: "-355 N/mm²".
QString stressText(double sigma);
// Strains in per mille with three significant digits: "2.04 ‰".
QString strainText(double epsilon);

}  // namespace results
