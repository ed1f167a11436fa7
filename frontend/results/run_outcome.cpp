#include "results/run_outcome.h"

namespace results {

namespace {

bool failedBy(const RunResults &run, AnalysedState state, Missing reason) {
    return run.state(state).missing == reason;
}

// The failed bending check by what decided it: the engine's section failure,
// the class (3 beyond M_el,Rd, 4 not possible), or M_Ed beyond M_pl,Rd.
QString interactionFailure(const InteractionCheck &check) {
    if (check.sectionFailed || check.classMessage.isEmpty())
        return QStringLiteral("Querschnittsversagen im GZT");
    return check.classMessage;
}

QString withUtilisation(const QString &name, const Utilisation &eta) {
    if (!eta.value) return name;
    return name + " (" + utilisationText(eta) + ")";
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

    auto fail = [&outcome](const QString &name, const Utilisation &eta) {
        outcome.failures_ << name;
        outcome.failureDetails_ << withUtilisation(name, eta);
    };
    const bool ultimateShear = ultimate.shear.verdict == Verdict::Failed;
    if (ultimateShear || serviceabilityShear)
        // η_V belongs to the ultimate state only.
        fail(QStringLiteral("Querkraftversagen"),
             ultimateShear ? ultimate.shear.utilisation : Utilisation());
    if (ultimate.interaction.verdict == Verdict::Failed)
        fail(interactionFailure(ultimate.interaction), ultimate.interaction.utilisation);
    if (serviceabilitySection) fail(QStringLiteral("Querschnittsversagen im GZG"), Utilisation());
    if (minimum.verdict == MinimumReinforcementVerdict::Absent)
        fail(QStringLiteral("Mindestbewehrung nicht vorhanden"), Utilisation());

    if (ultimate.shear.verdict == Verdict::NotDetermined)
        outcome.undetermined_ << QString::fromUtf8("Querkrafttragfähigkeit ") +
                                     notDetermined(ultimate.shear.missing);
    if (ultimate.interaction.verdict == Verdict::NotDetermined)
        outcome.undetermined_ << "Interaktion Biegung und Querkraft " +
                                     notDetermined(ultimate.interaction.missing);
    if (minimum.verdict == MinimumReinforcementVerdict::NotDetermined)
        outcome.undetermined_ << "Mindestbewehrung " + notDetermined(minimum.missing);
    outcome.maximum_ = ultimate.maximumUtilisation();

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

QString RunOutcome::verdictLine() const {
    if (!hasResults_) return "Nachweise: " + notDetermined(Missing::NoCalculation);
    if (!failures_.isEmpty()) return QString::fromUtf8("NICHT ERFÜLLT: ") + failureDetails_.join(", ");
    if (!complete_) return "Nicht alle Nachweise ermittelt: " + undetermined_.join(", ");
    // A zero resistance passed by a zero action has no ratio.
    const QString maximum = maximum_.value ? utilisationNumber(*maximum_.value)
                                           : notDetermined(maximum_.missing);
    return QString::fromUtf8("Alle Nachweise erfüllt (maximale Ausnutzung ") + maximum + ")";
}

}  // namespace results
