#pragma once
#include <string>

struct DesignInput;

// Finds the run folder with the largest number in the work folder and stores
// its path in the input; false (with the FEHLERMELDUNG line) when there is none.
bool findRunFolder(DesignInput &input, const std::string &workFolder);

// How a run ended: an error ended it early (one FEHLERMELDUNG line), or it
// completed and wrote every result file (its checks in Nachweise.txt).
enum class RunEnd { Error, Completed };

// The command line of Stalvora2 (see protocol/console_lines.h):
//   Stalvora2              the newest run folder of the work folder; exit code 0
//   Stalvora2 RUNFOLDER    that run folder; exit code 0 (every check erfuellt), 2 (a
//                          check nicht_erfuellt or nicht_ermittelt) or 1 (an error)
//   Stalvora2 --help       the usage
// Every run waits 50 ms before it returns.
int runEngine(int argc, const char *const argv[]);

// One complete engine run in the newest run folder: run folder, result files,
// input, models, ultimate and serviceability analysis, console protocol.
// Always returns exit code 0.
int runSequence();

// The same run in the given work folder, without the closing wait: for
// callers that calculate many designs in one process (tests, fuzzing).
void runInWorkFolder(const std::string &workFolder);

// The run in the given run folder, without the closing wait.
RunEnd runInRunFolder(const std::string &runFolder);
