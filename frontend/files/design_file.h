#pragma once
// The design file: the design model written in the input-file format, and
// read as a whole before anything in the form changes. The lines of the
// project head (protocol::input::HeadField) are read where they stand; a file
// without them has an empty head. Every keyword line is
// present (the steel plates only for a welded section, the optional studs of
// *Verbundmittel: only for a design with partial connection) and each value fits
// the place it goes to: a number ("-" for a field that was empty when saved,
// not for the actions and the minimum-reinforcement factors), an entry the
// form offers, ON or OFF. A file that does not fit is reported by its first
// faulty line. Standard C++ only; texts are UTF-8.
#include <string>
#include <vector>

#include "files/design.h"

namespace designfile {

// The entries the form's selectors offer; a file may only name these.
struct Choices {
    std::vector<std::string> concreteClasses;
    std::vector<std::string> ductilityClasses;
    std::vector<std::string> profileTypes;
    std::vector<std::string> profileNames;  // rolled profiles only
};

struct ReadResult {
    bool ok = false;
    design::Design design;  // the last keyword line of each kind, when ok
    int faultLine = 0;      // 1-based line of the first fault; 0 for the whole file
    std::string lineText;   // that line, tabs shown as blanks, at most 80 bytes
    std::string reason;     // what does not fit, in German
};

// Checks a whole file text. Lines may end with LF or CR LF.
ReadResult parse(const std::string &text, const Choices &choices);

// Reads and checks the file; a file that cannot be read is a fault of the whole file.
ReadResult read(const std::string &path, const Choices &choices);

// The design of an input text as far as it reads, without any check: a
// value that is missing or does not read stays empty.
design::Design parseLeniently(const std::string &text);
// The same for a run folder's input file (for the report head); false when
// there is no such file.
bool readRunInput(const std::string &runFolder, design::Design &design);

// Whether two files hold the same design: both read leniently and compared
// as the writer below writes them, so that a value is the same whatever its
// spelling ("2e+08" or "200000000", CR LF or LF). False when a file cannot
// be read. Paths in UTF-8.
bool sameDesign(const std::string &fileA, const std::string &fileB);

// The file text: the lines of the project head (only the fields filled
// in), then caption lines and keyword lines, values separated by tabs.
// Numbers as design::fieldText writes them; an empty number is written as
// "-" (as 0 for the actions and the minimum-reinforcement factors, which the
// form always writes as numbers).
std::string text(const design::Design &design);

// The one message for a file that was refused, naming the file and the first
// line that does not fit.
std::string faultMessage(const ReadResult &result, const std::string &fileName);

// The name a design is saved under: ".txt" is appended when the file name
// has no suffix, so that the "*.txt" open dialog lists the file.
std::string withDesignSuffix(const std::string &path);

}  // namespace designfile
