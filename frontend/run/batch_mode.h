#pragma once
// Headless calculation of a design file without a window: "Norvel --batch
// FILE" reads FILE into the design model (as "Öffnen" reads it into the
// form), calculates it as the button "Berechnung starten" does (a new run
// folder with its input file, the engine on that folder) and prints the
// design report on standard output; "Norvel --batch FILE --pdf OUT.pdf"
// writes the report as the PDF document of "Protokoll als PDF exportieren…"
// instead. Errors go to standard error, and the exit code is 1. No display
// is needed.

// True when the command line asks for a batch run.
bool isBatchCommandLine(int argc, char *argv[]);

// Runs the batch calculation; returns the program's exit code.
int runBatchMode(int argc, char *argv[]);
