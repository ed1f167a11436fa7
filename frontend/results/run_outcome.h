#pragma once
// The outcome of a finished run in one line: "alle Nachweise erfüllt", or the
// checks that failed. Decided from the run folder's files alone, so that the
// status bar, the check panel and the batch mode tell the same.
#include <QString>
#include <QStringList>
#include <string>

#include "results/run_results.h"

namespace results {

class RunOutcome {
public:
    // From the verdicts of the run (design_checks.h).
    static RunOutcome evaluate(const RunResults &run);
    static RunOutcome read(const std::string &runFolder);

    bool hasResults() const { return hasResults_; }
    // Failed checks, in the order of the report: "Querkraftversagen",
    // "Querschnittsversagen im GZT", "Querschnittsversagen im GZG",
    // "Mindestbewehrung nicht vorhanden".
    const QStringList &failures() const { return failures_; }
    bool ultimateFailed() const { return ultimateFailed_; }
    bool passed() const { return hasResults_ && failures_.isEmpty() && complete_; }

    // "alle Nachweise erfüllt", the failures joined by ", ", or why there is
    // no verdict.
    QString text() const;
    // The status-bar line of a finished run: "Berechnung abgeschlossen: " + text().
    QString statusText() const;

private:
    bool hasResults_ = false;
    bool complete_ = false;  // every check has a verdict
    bool ultimateFailed_ = false;
    QStringList failures_;
};

}  // namespace results
