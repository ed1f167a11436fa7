#pragma once
// One calculation of a design without a window: the next run folder of the
// work folder, its input file written from the design model, the engine
// started on that folder and waited for, and what its console reported.
// The batch mode uses it; anything that calculates designs one after
// another (a search over profiles) can too.
#include <QString>
#include <QStringList>
#include <string>

#include "files/design.h"

struct DesignRun {
    std::string runFolder;  // with trailing separator; empty when none was made
    // What the user must read, in the order it arose: why the run was not
    // started, the engine's error lines (one message per chunk of them) and
    // its warnings.
    QStringList messages;
    bool succeeded = false;  // the engine wrote its success line
    int exitCode = -1;       // the engine's exit code; -1 when it did not run to its end
};

// Every number the run needs must be present; else nothing is written and
// the message lists the missing fields. `workFolder` ends with a separator.
DesignRun runDesign(const design::Design &design, const std::string &workFolder);
