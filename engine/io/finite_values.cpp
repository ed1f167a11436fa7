#include "io/finite_values.h"

#include <cmath>
#include <string>

#include "io/console.h"

bool allFinite(std::initializer_list<NamedValue> values) {
    for (const auto &[name, value] : values) {
        if (std::isfinite(value)) continue;
        errorLine(std::string("FEHLERMELDUNG: ") + name + " ergibt keinen endlichen Wert");
        return false;
    }
    return true;
}
