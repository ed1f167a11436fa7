#pragma once
// A design file read as a whole before anything in the form changes: every
// keyword line of the input-file format is present and each of its values
// fits the place it goes to (a number, an entry the selector offers, ON or
// OFF). A file that does not fit is reported by its first faulty line.
#include <QString>
#include <QStringList>

#include "files/input_file.h"

namespace designfile {

// The entries the form's selectors offer; a file may only name these.
struct Choices {
    QStringList concreteClasses;
    QStringList ductilityClasses;
    QStringList profileTypes;
    QStringList profileNames;  // rolled profiles only
};

struct ReadResult {
    bool ok = false;
    inputfile::Values values;  // the last keyword line of each section, when ok
    int faultLine = 0;         // 1-based line of the first fault; 0 for the whole file
    QString lineText;          // that line, tabs shown as blanks
    QString reason;            // what does not fit, in German
};

// Checks a whole file text. Lines may end with LF or CR LF.
ReadResult parse(const QString &text, const Choices &choices);

// Reads and checks the file; a file that cannot be read is a fault of the whole file.
ReadResult read(const QString &path, const Choices &choices);

// The one message for a file that was refused, naming the file and the first
// line that does not fit.
QString faultMessage(const ReadResult &result, const QString &path);

// The name a design is saved under: ".txt" is appended when the file name
// has no suffix, so that the "*.txt" open dialog lists the file.
QString withDesignSuffix(const QString &path);

}  // namespace designfile
