#pragma once
// The command line of Norvel: without an option the window; "--batch" the
// calculation without a window (run/batch_mode.h); "--help" (or "-h") the
// usage and "--version" the program and its version, both on standard
// output with exit code 0, without a window and without a display. Any
// other option beginning with "--" is refused with the usage on standard
// error (exit code 1). Qt's own options ("-platform offscreen") go to Qt.
#include <string>

namespace commandline {

enum class Request { Window, Batch, Help, Version, Unknown };

Request requestOf(int argc, char *argv[]);

// The usage text: the window, the batch mode with its exit codes, the options.
std::string usageText();
// "Norvel 1.0".
std::string versionText();

// Answers Help, Version and Unknown on the console; returns the exit code.
int answer(Request request, int argc, char *argv[]);

}  // namespace commandline
