#include "protocol/console_lines.h"

namespace protocol {

bool isMinimumReinforcementLine(const std::string &line) {
    return line.find(minimumReinforcementLine) != std::string::npos;
}

bool isErrorLine(const std::string &line) {
    return line.find(errorMarker) != std::string::npos && !isMinimumReinforcementLine(line);
}

bool isSuccessLine(const std::string &line) { return line.find(successLine) != std::string::npos; }

}  // namespace protocol
