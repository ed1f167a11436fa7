#include "protocol/console_lines.h"

namespace protocol {

const std::string minimumReinforcementLine =
    std::string(errorMarker) + " " + minimumReinforcementPhrase +
    ": Spannungsermittlung unter Beruecksichtigung von Tension Stiffening ergibt keine eindeutige Loesung";

bool isMinimumReinforcementLine(const std::string &line) {
    return line.find(errorMarker) != std::string::npos &&
           line.find(minimumReinforcementPhrase) != std::string::npos;
}

bool isErrorLine(const std::string &line) {
    return line.find(errorMarker) != std::string::npos && !isMinimumReinforcementLine(line);
}

bool isSuccessLine(const std::string &line) { return line.find(successLine) != std::string::npos; }

}  // namespace protocol
