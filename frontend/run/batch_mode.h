#pragma once
// Headless calculation of a design file without a window: "Norvel --batch
// FILE" reads FILE into the design model (as "Öffnen" reads it into the
// form), calculates it as the button "Berechnung starten" does (a new run
// folder with its input file, the engine on that folder) and prints the
// design report on standard output; "Norvel --batch FILE --pdf OUT.pdf"
// writes the report as the PDF document of "Protokoll als PDF exportieren…"
// instead. No display is needed. Exit code from the engine's verdicts
// (Nachweise.txt): 0 when every check is fulfilled, 2 when a check is not
// fulfilled or not determined; 1 for an input or engine error, which goes to
// standard error.

// Runs the batch calculation; returns the program's exit code.
int runBatchMode(int argc, char *argv[]);
