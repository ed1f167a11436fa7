#include "files/run_folder.h"

#include <climits>

#include "platform/platform.h"

long long largestRunNumber(const std::string &workFolder) {
    platform::RunFolder newest;
    return platform::newestRunFolder(workFolder, newest) ? newest.number : 0;
}

std::string runFolderPath(const std::string &workFolder, long long number) {
    return workFolder + std::to_string(number) + platform::separator();
}

std::string nextRunFolder(const std::string &workFolder) {
    const long long largest = largestRunNumber(workFolder);
    return runFolderPath(workFolder, largest < LLONG_MAX ? largest + 1 : largest);
}

std::string latestRunFolder(const std::string &workFolder) {
    platform::RunFolder newest;
    if (!platform::newestRunFolder(workFolder, newest)) return runFolderPath(workFolder, 0);
    return workFolder + newest.name + platform::separator();
}
