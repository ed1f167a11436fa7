#pragma once
// Operating-system layer shared by the engine and the front end: the work
// folder, listing and creating folders, the short wait at the end of a run
// and the lookup of shipped data files. The run folders within the work
// folder are the contract's (protocol/run_folders.h).
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

// True when the path names an existing folder.
bool isFolder(const std::string &path);

// Creates one folder level; an existing folder is no error.
bool createFolder(const std::string &path);

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
