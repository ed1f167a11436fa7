#include "io/number_format.h"

#include <cmath>
#include <locale>
#include <sstream>

std::string formatNumber(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << (std::isfinite(value) ? value : 0.0);
    return out.str();
}
