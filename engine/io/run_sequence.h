#pragma once
#include <string>

struct DesignInput;

// Finds the run folder with the largest number in the work folder and stores
// its path in the input; false (with the FEHLERMELDUNG line) when there is none.
bool findRunFolder(DesignInput &input, const std::string &workFolder);

// One calculation in the newest run folder of the work folder: result files,
// input, models, both limit states and the console lines; no final wait.
void runCalculation(const std::string &workFolder);

// One complete engine run: run folder, result files, input, models, ultimate
// and serviceability analysis, console protocol. Always returns exit code 0.
int runSequence();
