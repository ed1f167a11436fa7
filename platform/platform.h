#pragma once
// Operating-system layer shared by the engine and the front end: the work
// folder, listing and creating folders, the short wait at the end of a run
// and the lookup of shipped data files.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Path separator of this system ("/" on Linux, "\" on Windows).
const std::string &separator();

// Work folder with a trailing separator: $STALVORA_WORK_DIR when set, else
// C:\Temp\Stalvora_temp\ on Windows, else ${XDG_CACHE_HOME:-$HOME/.cache}/Stalvora_temp/.
std::string workFolder();

struct DirEntry {
    std::string name;
    std::uintmax_t size = 0;  // 0 for folders
    bool isFolder = false;
};

// Entries of a folder with their sizes; false when the folder cannot be listed.
bool listEntries(const std::string &folder, std::vector<DirEntry> &entries);

// Creates one folder level; an existing folder is no error.
bool createFolder(const std::string &path);

// Number of a run folder: true when the whole name reads as a decimal integer
// by stream extraction ("7" counts; "7a", "a7" and "abc" do not).
bool parseRunNumber(const std::string &name, long long &number);

// Waits the given number of milliseconds.
void waitMilliseconds(int ms);

// Folder of the running executable, with a trailing separator (empty if unknown).
std::string executableFolder();

// Finds a shipped data file: current directory, then beside the executable,
// then ../share/norvel/ beside the executable (a moved installation), then
// the installed data folder. Returns the bare name when found nowhere,
// so that the caller's open fails as it would without the lookup.
std::string findDataFile(const std::string &name);

}  // namespace platform
