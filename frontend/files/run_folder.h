#pragma once
// Numbered run folders below the work folder. The engine always calculates
// in the folder with the largest number, so a new calculation must get the
// next number. Both programs choose that folder by one rule
// (platform::newestRunFolder).
#include <string>

// Largest run number of the work folder; 0 when there is none or the work
// folder cannot be listed.
long long largestRunNumber(const std::string &workFolder);

// Work folder + number + separator.
std::string runFolderPath(const std::string &workFolder, long long number);

// The run folder of the next calculation: one above the largest number.
std::string nextRunFolder(const std::string &workFolder);

// The run folder the engine calculates in (the largest number), by its name
// as it stands on disk ("007" stays "007"), with a trailing separator; the
// folder of number 0 when there is none.
std::string latestRunFolder(const std::string &workFolder);
