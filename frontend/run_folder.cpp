#include "run_folder.h"

#include <climits>
#include <locale>
#include <sstream>
#include <vector>

#include "platform.h"

namespace {

// Same reading as the engine's: stream extraction that consumes the whole name.
bool readRunNumber(const std::string &name, long long &number) {
    std::istringstream in(name);
    in.imbue(std::locale::classic());
    in >> number;
    return in && in.eof();
}

}  // namespace

long long largestRunNumber(const std::string &workFolder) {
    std::vector<platform::DirEntry> entries;
    if (!platform::listEntries(workFolder, entries)) return 0;
    bool found = false;
    long long largest = 0;
    for (const platform::DirEntry &entry : entries) {
        if (!entry.isFolder || entry.name == "." || entry.name == "..") continue;
        long long number = 0;
        if (!readRunNumber(entry.name, number)) continue;
        if (!found || number > largest) largest = number;
        found = true;
    }
    return largest;
}

std::string runFolderPath(const std::string &workFolder, long long number) {
    return workFolder + std::to_string(number) + platform::separator();
}

std::string nextRunFolder(const std::string &workFolder) {
    const long long largest = largestRunNumber(workFolder);
    return runFolderPath(workFolder, largest < LLONG_MAX ? largest + 1 : largest);
}
