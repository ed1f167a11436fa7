#include "io/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    // to_chars in the general format with precision 6 is printf's %.6g in the
    // "C" locale, which is what a default output stream writes; it consults
    // no locale at all and allocates nothing beyond the result.
    char text[32];
    const auto r = std::to_chars(text, text + sizeof text, std::isfinite(value) ? value : 0.0,
                                 std::chars_format::general, 6);
    return std::string(text, r.ptr);
}
