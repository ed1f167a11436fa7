#pragma once
// The outcome of a finished run in one line: "alle Nachweise erfüllt", or the
// checks that failed. Read from the engine's verdicts (Nachweise.txt), so
// that the status bar, the check panel, the report and the batch mode tell
// the same.
#include <QString>
#include <QStringList>
#include <string>

#include "results/run_results.h"

namespace results {

class RunOutcome {
public:
    static RunOutcome evaluate(const RunResults &run);
    static RunOutcome read(const std::string &runFolder);

    bool hasResults() const { return hasResults_; }
    // Failed checks, in the order of the file: "Querkraftversagen",
    // "Biegung nicht erfüllt", "Interaktion Biegung und Querkraft nicht
    // erfüllt", "Mindestbewehrung nicht vorhanden", "Mindestverdübelungsgrad
    // nicht eingehalten".
    const QStringList &failures() const { return failures_; }
    // Checks without a verdict, each with its reason: "Biegung nicht ermittelt (…)".
    const QStringList &undetermined() const { return undetermined_; }
    // The largest utilisation of the checks ("gesamt"); missing when none has one.
    const std::optional<double> &maximumUtilisation() const { return maximum_; }
    // A check of the ultimate limit state (shear, bending, their interaction) failed.
    bool ultimateFailed() const { return ultimateFailed_; }
    // Every check fulfilled (the engine's "gesamt" row).
    bool passed() const { return passed_; }

    // "alle Nachweise erfüllt", the failures joined by ", ", or why there is
    // no verdict.
    QString text() const;
    // The status-bar line of a finished run: "Berechnung abgeschlossen: " + text().
    QString statusText() const;
    // The one-line result that opens the design report: "Alle Nachweise
    // erfüllt (maximale Ausnutzung 0.61)"; "NICHT ERFÜLLT: " and each failed
    // check with its utilisation where it has one; or the checks that were
    // not determined.
    QString verdictLine() const;

private:
    bool hasResults_ = false;
    bool hasVerdicts_ = false;
    bool passed_ = false;
    bool ultimateFailed_ = false;
    QStringList failures_;
    QStringList failureDetails_;  // failures_, each with its utilisation when known
    QStringList undetermined_;    // checks without a verdict, with the reason
    std::optional<double> maximum_;
};

}  // namespace results
