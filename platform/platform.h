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
// Names are in the narrow encoding the file functions open (Windows: ANSI).
bool listEntries(const std::string &folder, std::vector<DirEntry> &entries);

// Creates one folder level; an existing folder is no error.
bool createFolder(const std::string &path);

// Number of a run folder: true when the whole name reads as a decimal integer
// by stream extraction ("7" counts; "7a", "a7" and "abc" do not).
bool parseRunNumber(const std::string &name, long long &number);

// A run folder of the work folder: an entry of size 0 (folders report 0)
// whose name does not begin with "." and reads as a run number.
struct RunFolder {
    std::string name;  // as it stands on disk: "007" stays "007"
    long long number = 0;
};

// The run folder with the largest number among the entries. Of names with
// the same number ("7" and "007") the shortest, then the first in byte order
// wins. False when no entry is a run folder.
bool newestRunFolder(const std::vector<DirEntry> &entries, RunFolder &newest);

// The same for the entries of a work folder; false also when it cannot be listed.
bool newestRunFolder(const std::string &workFolder, RunFolder &newest);

// File name of the engine program: "Stalvora2.exe" on Windows, else "Stalvora2".
const std::string &engineProgramName();

// Standard output and standard error end their lines with "\n" alone, as on
// Linux: Windows would write "\r\n" in text mode. Call before any output.
void useBinaryConsole();

// A path of this layer (workFolder, findDataFile, listEntries: the narrow
// encoding the C library opens, ANSI on Windows) as UTF-8, the encoding of
// QString::fromStdString. Linux paths are returned as they are.
std::string pathToUtf8(const std::string &path);

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
