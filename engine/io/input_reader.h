#pragma once
struct DesignInput;

// Reads the run folder's input.txt into DesignInput, then the profile and
// material tables, and validates everything. On failure exactly one
// FEHLERMELDUNG line has been written to standard error.
bool readInput(DesignInput &input);

// The two echo lines of the steel geometry (shared with the profile table reader).
void echoSteelGeometryLines(const DesignInput &input);
