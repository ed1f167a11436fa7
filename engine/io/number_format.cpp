#include "io/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace {
NonFiniteNumbers policy = NonFiniteNumbers::WriteZero;
}

void setNonFiniteNumbers(NonFiniteNumbers p) { policy = p; }
NonFiniteNumbers nonFiniteNumbers() { return policy; }

std::string formatNumber(double value) {
    if (!std::isfinite(value) && policy == NonFiniteNumbers::Abort) {
        std::fprintf(stderr, "formatNumber: a value that is no finite number reached a file\n");
        std::abort();
    }
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << (std::isfinite(value) ? value : 0.0);
    return out.str();
}
