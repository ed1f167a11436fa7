// Fuzz harness: the rolled-profile table. The input is a whole IProfile.txt;
// the example design calculates the profile named first in it (the first
// word of the first line that is no comment), so that the fuzzer controls
// the values the engine takes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "engine_harness.h"

namespace {

std::string firstProfileName(const std::string &table) {
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name;
        if (words >> name && name != "//") return name;
    }
    return "IPE400";
}

// The example with its "*Baustahl-Typ:" line naming the profile.
std::string designFor(const std::string &name) {
    std::istringstream lines(fuzzharness::exampleInput());
    std::string input, line;
    while (std::getline(lines, line)) {
        if (line.rfind("*Baustahl-Typ:", 0) == 0) line = "*Baustahl-Typ:\tWalzprofil\t" + name;
        input += line + "\n";
    }
    return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string table(reinterpret_cast<const char *>(data), size);
    fuzzharness::writeTable("IProfile.txt", table);
    fuzzharness::runAndCheck(designFor(firstProfileName(table)));
    return 0;
}
