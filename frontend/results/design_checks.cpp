#include "results/design_checks.h"

#include <algorithm>
#include <cmath>

#include "files/units.h"
#include "protocol/result_files.h"

namespace key = protocol::key;

namespace results {

Utilisation Utilisation::of(double action, double resistance) {
    Utilisation eta;
    const double ratio = std::fabs(action) / std::fabs(resistance);
    // A zero resistance gives no ratio; nothing non-finite is shown.
    if (std::fabs(resistance) > 0.0 && std::isfinite(ratio)) {
        eta.value = ratio;
        eta.missing = Missing::None;
    } else if (resistance == 0.0) {
        // The engine computed a resistance of 0 (e.g. a web of no height):
        // the check fails for any action, but there is no ratio to show.
        eta.zeroResistance = true;
    }
    return eta;
}

Utilisation Utilisation::notComputed(Missing why) {
    Utilisation eta;
    eta.missing = why == Missing::None ? Missing::NoCalculation : why;
    return eta;
}

QString utilisationNumber(double eta) {
    // Beyond 1000 the fixed notation would print every digit of an absurd
    // action (1e300 kNm gives a 298-digit ratio); three significant digits say it.
    if (!(eta < 1000.0)) return QString::number(eta, 'g', 3);
    return QString::number(eta, 'f', 2);
}

QString utilisationText(const Utilisation &eta) {
    if (eta.value) return QString::fromUtf8("Ausnutzung η = ") + utilisationNumber(*eta.value);
    if (eta.zeroResistance) return QString::fromUtf8("Ausnutzung η: nicht ermittelt (Widerstand 0)");
    return QString::fromUtf8("Ausnutzung η: ") + notDetermined(eta.missing);
}

WebSlenderness webSlenderness(const RunResults &run) {
    WebSlenderness web;
    const std::optional<double> h = run.output().find(key::h), tf1 = run.output().find(key::t_f1),
                                tf2 = run.output().find(key::t_f2), tw = run.output().find(key::t_w),
                                fyk = run.output().find(key::f_yk);
    if (!h || !tf1 || !tf2 || !tw || !fyk || !(*tw > 0.0) || !(*fyk > 0.0)) return web;
    web.ratio = (*h - *tf1 - *tf2) / *tw;
    web.limit = 72.0 * std::sqrt(235.0 / *fyk);
    web.known = std::isfinite(web.ratio) && std::isfinite(web.limit);
    return web;
}

QString webSlendernessText(const WebSlenderness &web) {
    if (!web.known) return QString();
    return QString::fromUtf8("h_w/t_w = %1 %2 72ε = %3")
        .arg(QString::number(web.ratio, 'g', 6), web.bucklingGoverns() ? QString(">") : QString::fromUtf8("≤"),
             QString::number(web.limit, 'g', 6));
}

BendingBasis bendingBasis(const SectionClassRow &row) {
    if (!row.present) return BendingBasis::Unclassified;
    if (row.klasse >= 4) return BendingBasis::NotPossible;
    return row.klasse == 3 ? BendingBasis::Elastic : BendingBasis::Plastic;
}

namespace {

ShearCheck shearCheck(const RunResults &run) {
    ShearCheck check;
    check.web = webSlenderness(run);
    const std::optional<double> vEd = run.shearForce(AnalysedState::Ultimate);
    const std::optional<double> vPl = run.output().find(key::V_pl_Rd);
    if (vEd) check.vEd = std::fabs(*vEd);
    if (!vEd || !vPl) return check;
    check.vPl = units::kilonewtons(std::fabs(*vPl));
    check.missing = Missing::None;
    // Equal values fail: the resistance must exceed the action.
    check.verdict = check.vPl > check.vEd ? Verdict::Passed : Verdict::Failed;
    check.utilisation = Utilisation::of(check.vEd, check.vPl);
    if (check.verdict == Verdict::Passed && check.web.bucklingGoverns()) {
        check.verdict = Verdict::NotDetermined;
        check.missing = Missing::ShearBuckling;
        check.utilisation = Utilisation::notComputed(Missing::ShearBuckling);
    }
    return check;
}

MomentRange momentRange(double mEd, double mEl, double mPl, bool sagging) {
    if (sagging) {
        if (mEd <= mEl) return MomentRange::Elastic;
        return mEd <= mPl ? MomentRange::PartlyPlastic : MomentRange::BeyondPlastic;
    }
    if (mEd >= mEl) return MomentRange::Elastic;
    return mEd >= mPl ? MomentRange::PartlyPlastic : MomentRange::BeyondPlastic;
}

InteractionCheck interactionCheck(const RunResults &run, double mEd, bool momentKnown) {
    InteractionCheck check;
    check.sagging = mEd >= 0.0;
    check.sectionFailed = run.state(AnalysedState::Ultimate).missing == Missing::SectionFailure;
    check.sectionClass = run.sectionClasses().forMoment(mEd);
    check.basis = bendingBasis(check.sectionClass);
    const std::optional<double> mEl = run.output().find(check.sagging ? key::M_max_el : key::M_min_el);
    const std::optional<double> mPl = run.output().find(check.sagging ? key::M_max_pl : key::M_min_pl);
    if (mEl && mPl) {
        check.limitsKnown = true;
        check.mEl = units::kilonewtonMetres(*mEl);
        check.mPl = units::kilonewtonMetres(*mPl);
        check.range = momentRange(mEd, check.mEl, check.mPl, check.sagging);
    }
    if (!momentKnown) return check;
    if (check.basis == BendingBasis::NotPossible) {
        // Known from the class alone, even where the limit moments are missing.
        const BendingCheck byClass = bendingCheck(check.sectionClass, mEd, check.mEl, check.mPl);
        check.verdict = Verdict::Failed;
        check.classMessage = byClass.message;
        check.missing = check.limitsKnown ? Missing::None : run.limitMomentsMissing();
        check.utilisation = Utilisation::notComputed(Missing::EffectiveSection);
        return check;
    }
    if (!check.limitsKnown) {
        const Missing missing = run.limitMomentsMissing();
        check.missing = missing == Missing::None ? Missing::NoCalculation : missing;
        // The engine's own verdict: no strain state carries M_Ed.
        if (check.sectionFailed) check.verdict = Verdict::Failed;
        check.utilisation = Utilisation::notComputed(check.missing);
        return check;
    }
    check.missing = Missing::None;
    const BendingCheck byClass = bendingCheck(check.sectionClass, mEd, check.mEl, check.mPl);
    check.resistance = byClass.resistance;
    check.classMessage = byClass.message;
    check.utilisation = Utilisation::of(mEd, check.resistance);
    // A section failure is the engine's verdict even within the limit moments.
    check.verdict = byClass.fulfilled && !check.sectionFailed ? Verdict::Passed : Verdict::Failed;
    return check;
}

// No tensile zone in the slab: the neutral axis lies at or below the slab
// underside under a sagging moment, at or above the slab top under a hogging one.
bool slabFullyCompressed(const RunResults &run, double mEd, double zNa) {
    const std::optional<double> h = run.output().find(key::h);
    const std::optional<double> h_c = run.output().find(key::h_c);
    if (!h) return false;
    if (mEd > 0.0) return zNa <= *h;
    if (mEd < 0.0) return h_c && zNa >= *h + *h_c;
    return false;
}

}  // namespace

bool UltimateChecks::failed() const {
    return shear.verdict == Verdict::Failed || interaction.verdict == Verdict::Failed;
}

Utilisation UltimateChecks::maximumUtilisation() const {
    if (!shear.utilisation.value) return shear.utilisation;
    if (!interaction.utilisation.value) return interaction.utilisation;
    Utilisation larger = shear.utilisation;
    larger.value = std::max(*shear.utilisation.value, *interaction.utilisation.value);
    return larger;
}

UltimateChecks checkUltimateLimitState(const RunResults &run) {
    UltimateChecks checks;
    const std::optional<double> mEd = run.moment(AnalysedState::Ultimate);
    const std::optional<double> vEd = run.shearForce(AnalysedState::Ultimate);
    checks.actionsKnown = mEd && vEd;
    if (mEd) checks.mEd = *mEd;
    if (vEd) checks.vEd = *vEd;
    checks.shear = shearCheck(run);
    checks.interaction = interactionCheck(run, checks.mEd, mEd.has_value());
    return checks;
}

MinimumReinforcementCheck checkMinimumReinforcement(const RunResults &run) {
    MinimumReinforcementCheck check;
    const StateResult &state = run.state(AnalysedState::ServiceabilityWithoutTs);
    if (!state.computed()) {
        check.missing = state.missing;
        return check;
    }
    const std::optional<double> mEd = run.moment(AnalysedState::ServiceabilityWithoutTs);
    const std::optional<double> required = run.output().find(key::A_s_min);
    const std::optional<double> provided = run.output().find(key::A_svor);
    if (mEd && *mEd == 0.0 && !required) {
        check.verdict = MinimumReinforcementVerdict::NoMoment;
        check.missing = Missing::None;
        return check;
    }
    if (!mEd || !required || !provided) return check;
    check.required = *required;
    check.provided = *provided;
    check.missing = Missing::None;
    const double zNa = state.row->at(3);
    if (check.required == 0.0 && check.provided == 0.0 && slabFullyCompressed(run, *mEd, zNa))
        check.verdict = MinimumReinforcementVerdict::FullyCompressed;
    else
        check.verdict = check.provided >= check.required ? MinimumReinforcementVerdict::Present
                                                         : MinimumReinforcementVerdict::Absent;
    return check;
}

}  // namespace results
