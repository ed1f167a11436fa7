#pragma once
// The design checks as the engine decided them: "Nachweise.txt" (one row per
// check with its action E_d, resistance R_d, utilisation eta, result word and
// the rule it rests on) and, for a Class 3 section, the values of its two
// routes in "Klasse3_Nachweis.txt". The front end decides nothing: panels,
// report, status bar, plots and the batch mode show these rows. A run folder
// without the file (an older run, or a run the engine stopped) has no verdicts.
#include <QString>
#include <optional>
#include <string>

#include "protocol/verdict_files.h"
#include "results/result_reader.h"

namespace results {

// The file names, the words of the file (rows, results, and the rules
// ("grundlage") the texts tell apart) and the keys of the Class 3 file are
// the protocol's.
using protocol::class3File;
using protocol::verdictFile;
namespace verdict = protocol::verdict;
namespace class3 = protocol::class3;

using CheckResult = protocol::verdict::Result;

// One row: numbers as written (N, Nmm, mm², or the dimensionless
// utilisation), each missing where the file says "-".
struct DesignCheck {
    bool present = false;
    std::optional<double> E_d, R_d, eta;
    CheckResult result = CheckResult::NotDetermined;
    std::string basis;  // "grundlage"
};

struct DesignVerdicts {
    DesignCheck shear, bending, bendingShear, minimum, overall;
    // The degree of shear connection; runs before the studs had no such row.
    DesignCheck shearConnection;
    // Every row of the file was read (the degree of connection is not needed).
    bool present() const;

    // A row counts when it names a check, holds a number or "-" in each of
    // E_d, R_d and eta (a number must be finite), a known result word and a
    // rule; the last row of a check wins.
    static DesignVerdicts readFile(const std::string &path);
    static DesignVerdicts read(const std::string &runFolder);
};

// "0.412": three significant digits, a decimal point whatever the locale;
// from a million on with an exponent ("1.22e+06").
QString utilisationNumber(double eta);

}  // namespace results
