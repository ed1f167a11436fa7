#pragma once
#include <string>

struct DesignInput;

// Finds the run folder with the largest number in the work folder and stores
// its path in the input; false (with the FEHLERMELDUNG line) when there is none.
bool findRunFolder(DesignInput &input, const std::string &workFolder);

// One complete engine run: run folder, result files, input, models, ultimate
// and serviceability analysis, console protocol. Always returns exit code 0.
int runSequence();

// The same run in the given work folder, without the closing wait: for
// callers that calculate many designs in one process (tests, fuzzing).
void runInWorkFolder(const std::string &workFolder);
