#pragma once
// The engine's console and exit code as the front end relies on them. The
// engine writes progress and echo lines on standard output, and its errors
// and its success line on standard error, each line flushed at once; the
// front end searches only the complete lines of standard error. Engine text
// is Windows-1252 bytes.
#include <string>

namespace protocol {

// Every line of an error that ends the run holds this marker (the engine's
// messages begin with it).
inline constexpr char errorMarker[] = "FEHLERMELDUNG:";

// The last line of a run that got past the input: every result file is written.
inline constexpr char successLine[] = "Berechnung wurde erfolgreich abgeschlossen";

// Missing minimum reinforcement: written with the error marker, yet the run
// goes on and ends with the success line. The line is told by its phrase,
// in the engine's own spelling.
inline constexpr char minimumReinforcementPhrase[] = "Mindestbewehurng nicht vorhanden";
extern const std::string minimumReinforcementLine;  // marker, phrase and the reason

// Which of the lines above a line of standard error is.
bool isMinimumReinforcementLine(const std::string &line);
// An error line that ends the run: the marker, and not the minimum-reinforcement line.
bool isErrorLine(const std::string &line);
bool isSuccessLine(const std::string &line);

// Standard output carries progress lines, which the front end's console
// shows, and echo lines, one per input or derived value ("_f_cd :-17
// [N/mm^2]", ">>k1.08"), a record for checking a run by hand. Progress lines
// are the run folder line, the stage headings below and every line that
// begins with the progress mark followed by a capital letter.
inline constexpr char runFolderLine[] = "Aktuelles Verzeichnis: ";  // followed by the run folder
inline constexpr char progressMark[] = ">>";
inline constexpr char plasticLimitMomentsLine[] = " Plastische Grenzmomente bestimmen\t";
inline constexpr char serviceabilityLine[] = "Gebrauchstauglichkeit :\t";
inline constexpr char minimumReinforcementHeading[] = "Mindestbewehrung :\t";
bool isProgressLine(const std::string &line);

// Command line of the engine: without an argument it calculates the newest
// run folder and always ends with exit code 0; with a run folder it
// calculates that folder and tells the outcome by its exit code.
inline constexpr char helpOption[] = "--help";
enum ExitCode {
    exitCompleted = 0,    // the run completed and every check is met
    exitError = 1,        // input or engine error: no complete result
    exitCheckNotMet = 2,  // the run completed, a check is not met or could not be decided
};

}  // namespace protocol
