#pragma once
// Shared part of the engine's fuzz harnesses: a private folder with a work
// folder and the two tables, one in-process engine run on it, and the checks
// every run must pass whatever its input:
//  - the console protocol: exactly one FEHLERMELDUNG line on standard error,
//    or the success line last (after at most the minimum-reinforcement
//    message, the only one a successful run may carry);
//  - no value that is no finite number in any result file (formatNumber
//    aborts on one, and the files are scanned as well);
//  - after success, every state output file holds its header and one row of
//    six numbers, or only the failure line.
// A violated check aborts with a message, so libFuzzer records the input.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzharness {

struct EngineRun {
    std::string out;  // standard output
    std::string err;  // standard error
    std::string runFolder;  // with trailing '/'
};

// The harness's own folder (created once): its work folder, and the tables
// the engine finds first, as it runs with this folder as current directory.
const std::string &harnessFolder();

// The shipped table of that name (data/), as text.
std::string shippedTable(const std::string &name);

// Writes a table into the current directory.
void writeTable(const std::string &name, const std::string &content);

// The example design shipped as data/inputstart.txt.
std::string exampleInput();

// input.txt into run folder "1" of the harness's work folder, one engine run
// in process, then the checks above.
EngineRun runAndCheck(const std::string &input);

// Aborts with the message (the fuzzer keeps the input as a crash).
[[noreturn]] void fail(const std::string &message);

}  // namespace fuzzharness
