#pragma once
// The profile search without a window:
//   Norvel --profile-search FILE [--series IPE|HEA|HEB|HEM|all] [--csv OUT.csv]
// reads the design FILE as "Öffnen" does, calculates it with every rolled
// profile of the series (all without --series) and prints the table of the
// search dialog on standard output, lightest profile first; with --csv it
// also writes the table as CSV. No display is needed, and the work folder
// gets no run folder. Exit code 0 when a profile fulfils every check, 2 when
// none does, 1 for an error (standard error).

// Runs the search; returns the program's exit code.
int runProfileSearchMode(int argc, char *argv[]);
