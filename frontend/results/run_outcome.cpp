#include "results/run_outcome.h"

#include "results/verdict_texts.h"

namespace results {

RunOutcome RunOutcome::evaluate(const RunResults &run) {
    RunOutcome outcome;
    outcome.hasResults_ = run.calculated();
    const DesignVerdicts &v = run.verdicts();
    outcome.hasVerdicts_ = v.present();
    if (!outcome.hasResults_ || !outcome.hasVerdicts_) return outcome;

    const struct {
        const DesignCheck &check;
        const char *failure;
        const char *name;
        CheckText text;
        bool ultimate;
    } checks[] = {
        {v.shear, "Querkraftversagen", "Querkrafttragfähigkeit", shearText(run), true},
        {v.bending, "Biegung nicht erfüllt", "Biegung", bendingText(run), true},
        {v.bendingShear, "Interaktion Biegung und Querkraft nicht erfüllt",
         "Interaktion Biegung und Querkraft", bendingShearText(run), true},
        {v.minimum, "Mindestbewehrung nicht vorhanden", "Mindestbewehrung", minimumText(run), false},
        {v.shearConnection, "Mindestverdübelungsgrad nicht eingehalten", "Verdübelung", connectionText(run), true},
    };
    for (const auto &c : checks) {
        if (!c.check.present) continue;  // a run before the studs has no such row
        const QString failure = QString::fromUtf8(c.failure);
        if (c.check.result == CheckResult::NotFulfilled) {
            outcome.failures_ << failure;
            outcome.failureDetails_
                << (c.check.eta ? failure + " (Ausnutzung " + etaText(c.check.eta) + ")" : failure);
            outcome.ultimateFailed_ = outcome.ultimateFailed_ || c.ultimate;
        } else if (c.check.result == CheckResult::NotDetermined) {
            outcome.undetermined_ << QString::fromUtf8(c.name) + " " + c.text.verdict;
        }
    }
    outcome.maximum_ = v.overall.eta;
    outcome.passed_ = v.overall.result == CheckResult::Fulfilled;
    return outcome;
}

RunOutcome RunOutcome::read(const std::string &runFolder) {
    return evaluate(RunResults::read(runFolder));
}

QString RunOutcome::text() const {
    if (!hasResults_) return QStringLiteral("keine Ergebnisse");
    if (!hasVerdicts_) return "Nachweise " + verdictsMissingText();
    if (!failures_.isEmpty()) return failures_.join(QStringLiteral(", "));
    if (!passed_) return QStringLiteral("nicht alle Nachweise ermittelt");
    return QString::fromUtf8("alle Nachweise erfüllt");
}

QString RunOutcome::statusText() const { return "Berechnung abgeschlossen: " + text(); }

QString RunOutcome::verdictLine() const {
    if (!hasResults_) return "Nachweise: " + notDetermined(Missing::NoCalculation);
    if (!hasVerdicts_) return "Nachweise: " + verdictsMissingText();
    if (!failures_.isEmpty()) return QString::fromUtf8("NICHT ERFÜLLT: ") + failureDetails_.join(", ");
    if (!passed_) return "Nicht alle Nachweise ermittelt: " + undetermined_.join(", ");
    // Just below 1 the digits that tell it from the limit, as in every check's η.
    const QString maximum = maximum_ ? utilisationValue(*maximum_) : QStringLiteral("nicht ermittelt");
    return QString::fromUtf8("Alle Nachweise erfüllt (maximale Ausnutzung ") + maximum + ")";
}

}  // namespace results
