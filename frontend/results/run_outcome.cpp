#include "results/run_outcome.h"

#include "results/design_checks.h"

namespace results {

namespace {

bool failedBy(const RunResults &run, AnalysedState state, Missing reason) {
    return run.state(state).missing == reason;
}

}  // namespace

RunOutcome RunOutcome::evaluate(const RunResults &run) {
    RunOutcome outcome;
    outcome.hasResults_ = run.calculated();
    if (!outcome.hasResults_) return outcome;

    const UltimateChecks ultimate = checkUltimateLimitState(run);
    const MinimumReinforcementCheck minimum = checkMinimumReinforcement(run);
    const AnalysedState serviceability[] = {AnalysedState::ServiceabilityWithoutTs,
                                            AnalysedState::ServiceabilityWithTs};
    bool serviceabilityShear = false, serviceabilitySection = false;
    for (AnalysedState state : serviceability) {
        serviceabilityShear = serviceabilityShear || failedBy(run, state, Missing::ShearFailure);
        serviceabilitySection = serviceabilitySection || failedBy(run, state, Missing::SectionFailure);
    }

    if (ultimate.shear.verdict == Verdict::Failed || serviceabilityShear)
        outcome.failures_ << QStringLiteral("Querkraftversagen");
    if (ultimate.interaction.verdict == Verdict::Failed)
        outcome.failures_ << QStringLiteral("Querschnittsversagen im GZT");
    if (serviceabilitySection) outcome.failures_ << QStringLiteral("Querschnittsversagen im GZG");
    if (minimum.verdict == MinimumReinforcementVerdict::Absent)
        outcome.failures_ << QStringLiteral("Mindestbewehrung nicht vorhanden");

    outcome.ultimateFailed_ = ultimate.failed();
    outcome.complete_ = ultimate.shear.verdict != Verdict::NotDetermined &&
                        ultimate.interaction.verdict != Verdict::NotDetermined &&
                        minimum.verdict != MinimumReinforcementVerdict::NotDetermined;
    return outcome;
}

RunOutcome RunOutcome::read(const std::string &runFolder) {
    return evaluate(RunResults::read(runFolder));
}

QString RunOutcome::text() const {
    if (!hasResults_) return QStringLiteral("keine Ergebnisse");
    if (!failures_.isEmpty()) return failures_.join(QStringLiteral(", "));
    if (!complete_) return QStringLiteral("nicht alle Nachweise ermittelt");
    return QString::fromUtf8("alle Nachweise erfüllt");
}

QString RunOutcome::statusText() const { return "Berechnung abgeschlossen: " + text(); }

}  // namespace results
