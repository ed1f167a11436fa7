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

bool isProgressLine(const std::string &line) {
    const auto startsWith = [&line](const std::string &start) { return line.compare(0, start.size(), start) == 0; };
    // A line end of CR LF leaves its CR behind; trailing tabs do not count.
    const std::string trimmed = line.substr(0, line.find_last_not_of("\t\r") + 1);
    const auto is = [&trimmed](const char *heading) {
        const std::string text(heading);
        return trimmed == text.substr(0, text.find_last_not_of('\t') + 1);
    };
    if (startsWith(runFolderLine) || is(plasticLimitMomentsLine) || is(serviceabilityLine) ||
        is(minimumReinforcementHeading))
        return true;
    const std::size_t mark = std::string(progressMark).size();
    return startsWith(progressMark) && line.size() > mark && line[mark] >= 'A' && line[mark] <= 'Z';
}

}  // namespace protocol
