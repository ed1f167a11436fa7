#pragma once
// Run folders of the work folder. The front end creates one numbered folder
// per calculation and writes the input file into it; the engine, started
// without an argument, calculates the folder with the largest number. Both
// choose that folder by the one rule below.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace protocol {

// The design input of a run, in the run folder.
inline constexpr char inputFile[] = "input.txt";

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
bool newestRunFolder(const std::vector<platform::DirEntry> &entries, RunFolder &newest);

// The same for the entries of a work folder; false also when it cannot be listed.
bool newestRunFolder(const std::string &workFolder, RunFolder &newest);

// Largest run number of the work folder; 0 when there is none or the work
// folder cannot be listed.
long long largestRunNumber(const std::string &workFolder);

// Work folder + number + separator.
std::string runFolderPath(const std::string &workFolder, long long number);

// The run folder of the next calculation: one above the largest number.
std::string nextRunFolder(const std::string &workFolder);

// The run folder the engine calculates in without an argument (the largest
// number), by its name as it stands on disk, with a trailing separator; the
// folder of number 0 when there is none.
std::string latestRunFolder(const std::string &workFolder);

}  // namespace protocol
