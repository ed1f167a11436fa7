#include "protocol/run_folders.h"

#include <climits>
#include <locale>
#include <sstream>

namespace protocol {

bool parseRunNumber(const std::string &name, long long &number) {
    std::istringstream in(name);
    in.imbue(std::locale::classic());
    in >> number;
    return in && in.eof();
}

bool newestRunFolder(const std::vector<platform::DirEntry> &entries, RunFolder &newest) {
    bool found = false;
    for (const platform::DirEntry &e : entries) {
        if (e.size != 0 || e.name.empty() || e.name[0] == '.') continue;
        long long number = 0;
        if (!parseRunNumber(e.name, number)) continue;
        const bool better =
            !found || number > newest.number ||
            (number == newest.number &&
             (e.name.size() < newest.name.size() ||
              (e.name.size() == newest.name.size() && e.name < newest.name)));
        if (better) newest = {e.name, number};
        found = true;
    }
    return found;
}

bool newestRunFolder(const std::string &workFolder, RunFolder &newest) {
    std::vector<platform::DirEntry> entries;
    return platform::listEntries(workFolder, entries) && newestRunFolder(entries, newest);
}

long long largestRunNumber(const std::string &workFolder) {
    RunFolder newest;
    return newestRunFolder(workFolder, newest) ? newest.number : 0;
}

std::string runFolderPath(const std::string &workFolder, long long number) {
    return workFolder + std::to_string(number) + platform::separator();
}

std::string nextRunFolder(const std::string &workFolder) {
    const long long largest = largestRunNumber(workFolder);
    return runFolderPath(workFolder, largest < LLONG_MAX ? largest + 1 : largest);
}

std::string latestRunFolder(const std::string &workFolder) {
    RunFolder newest;
    if (!newestRunFolder(workFolder, newest)) return runFolderPath(workFolder, 0);
    return workFolder + newest.name + platform::separator();
}

}  // namespace protocol
