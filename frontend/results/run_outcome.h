#pragma once
// The outcome of a finished run in one line: "alle Nachweise erfüllt", or the
// checks that failed. Decided from the run folder's files alone, so that the
// status bar, the check panel and the batch mode tell the same.
#include <QString>
#include <QStringList>
#include <string>

#include "results/design_checks.h"
#include "results/run_results.h"

namespace results {

class RunOutcome {
public:
    // From the verdicts of the run (design_checks.h).
    static RunOutcome evaluate(const RunResults &run);
    static RunOutcome read(const std::string &runFolder);

    bool hasResults() const { return hasResults_; }
    // Failed checks, in the order of the report: "Querkraftversagen";
    // "Querschnittsversagen im GZT", or the bending check's class text
    // ("Querschnittsklasse 3: nur elastische Bemessung zulässig",
    // "Querschnittsklasse 4: … Nachweis nicht möglich"); "Querschnittsversagen
    // im GZG"; "Mindestbewehrung nicht vorhanden".
    const QStringList &failures() const { return failures_; }
    // The largest utilisation of the ultimate checks (η_V, η_M).
    const Utilisation &maximumUtilisation() const { return maximum_; }
    bool ultimateFailed() const { return ultimateFailed_; }
    bool passed() const { return hasResults_ && failures_.isEmpty() && complete_; }

    // "alle Nachweise erfüllt", the failures joined by ", ", or why there is
    // no verdict.
    QString text() const;
    // The status-bar line of a finished run: "Berechnung abgeschlossen: " + text().
    QString statusText() const;
    // The one-line result that opens the design report: "Alle Nachweise
    // erfüllt (maximale Ausnutzung 0.61)"; "NICHT ERFÜLLT: " and each failed
    // check with its utilisation where one was computed; or the checks that
    // were not determined.
    QString verdictLine() const;

private:
    bool hasResults_ = false;
    bool complete_ = false;  // every check has a verdict
    bool ultimateFailed_ = false;
    QStringList failures_;
    QStringList failureDetails_;  // failures_, each with its utilisation when known
    QStringList undetermined_;    // checks without a verdict, with the reason
    Utilisation maximum_;
};

}  // namespace results
