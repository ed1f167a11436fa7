#pragma once
// Numbered run folders below the work folder. The engine always calculates
// in the folder with the largest number, so a new calculation must get the
// next number.
#include <string>

// Largest number among the folder names of the work folder that read
// completely as a decimal integer (as the engine reads them); 0 when there is
// none or the work folder cannot be listed.
long long largestRunNumber(const std::string &workFolder);

// Work folder + number + separator.
std::string runFolderPath(const std::string &workFolder, long long number);

// The run folder of the next calculation: one above the largest number.
std::string nextRunFolder(const std::string &workFolder);
