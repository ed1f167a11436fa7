#include "files/run_folder.h"

#include <climits>
#include <vector>

#include "platform/platform.h"

long long largestRunNumber(const std::string &workFolder) {
    std::vector<platform::DirEntry> entries;
    if (!platform::listEntries(workFolder, entries)) return 0;
    bool found = false;
    long long largest = 0;
    for (const platform::DirEntry &entry : entries) {
        if (!entry.isFolder || entry.name == "." || entry.name == "..") continue;
        long long number = 0;
        if (!platform::parseRunNumber(entry.name, number)) continue;
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
