#include "analysis/design_verdicts.h"

#include <algorithm>
#include <cmath>

#include "protocol/verdict_files.h"

namespace {

namespace N = protocol::verdict;

// The rules the rows rest on.
using N::effectiveWeb;
using N::elasticClass3;
using N::interactionRule;
using N::noServiceMoment;
using N::notCoveredClass4;
using N::noUtilisation;
using N::plasticClass1;
using N::plasticClass2;
using N::plasticShear;
using N::serviceShearFailure;
using N::serviceStateFailure;
using N::shearBuckling;
using N::slabWithoutTension;
using N::tensileZoneBottom;
using N::tensileZoneTop;

// erfuellt up to eta = 1; a check without a finite utilisation under an
// action (no resistance) is not fulfilled.
const char *byUtilisation(const std::optional<double> &eta) {
    return eta && *eta <= 1.0 ? N::fulfilled : N::notFulfilled;
}

VerdictRow row(const char *nachweis, std::optional<double> E_d, std::optional<double> R_d,
               std::optional<double> eta, const char *ergebnis, const char *grundlage) {
    return {nachweis, E_d, R_d, eta, ergebnis, grundlage};
}

VerdictRow shearRow(const DesignCheckInput &in) {
    const double E = std::fabs(in.V_Ed);
    const std::optional<double> eta = utilisation(E, in.V_pl_Rd);
    const char *rule = in.slenderWeb ? shearBuckling : plasticShear;
    // V_b,Rd of a slender web is not larger than V_pl,Rd: beyond V_pl,Rd the
    // check fails all the same.
    if (in.shearFailure) return row(N::shear, E, in.V_pl_Rd, eta, N::notFulfilled, rule);
    if (in.slenderWeb) return row(N::shear, E, in.V_pl_Rd, std::nullopt, N::notDetermined, rule);
    return row(N::shear, E, in.V_pl_Rd, eta, N::fulfilled, rule);
}

struct Bending {
    VerdictRow row;
    bool elasticRoute = false;  // the Class 3 elastic route was taken
};

// EN 1994-1-1 6.2.1.3(3): partial connection rests on plastic theory, so on
// ductile studs and a Class 1 or 2 section; a Class 3 section is not covered.
VerdictRow partialBendingRow(const DesignCheckInput &in) {
    const double M = in.M_Ed;
    const int klasse = std::max(in.klasse, in.klasse_eta);
    if (klasse >= 3)
        return row(N::bending, M, std::nullopt, std::nullopt, N::notDetermined,
                   klasse == 3 ? N::partialNotCoveredClass3 : notCoveredClass4);
    const char *rule = klasse == 2 ? N::partialClass2 : N::partialClass1;
    if (in.shearFailure || !in.M_Rd_eta)
        return row(N::bending, M, std::nullopt, std::nullopt, N::notDetermined, rule);
    const std::optional<double> eta = utilisation(M, *in.M_Rd_eta);
    const char *ergebnis = in.designStateFailed ? N::notFulfilled : byUtilisation(eta);
    return row(N::bending, M, *in.M_Rd_eta, eta, ergebnis, rule);
}

Bending bendingRow(const DesignCheckInput &in, Class3Utilisation &class3) {
    const double M = in.M_Ed;
    const char *plastic = in.klasse == 2 ? plasticClass2 : plasticClass1;
    if (in.klasse >= 4)
        return {row(N::bending, M, std::nullopt, std::nullopt, N::notDetermined, notCoveredClass4)};
    if (partialConnection(in)) return {partialBendingRow(in)};
    const bool elastic = in.klasse == 3;
    if (in.shearFailure || (elastic ? !in.M_el_Rd : !in.M_pl_Rd_V))
        return {row(N::bending, M, std::nullopt, std::nullopt, N::notDetermined,
                    elastic ? elasticClass3 : plastic)};
    if (!elastic) {
        const std::optional<double> eta = utilisation(M, *in.M_pl_Rd_V);
        // No strain state carries M_Ed: the engine's own verdict, also where
        // the utilisation lies within the solver's tolerance of 1.
        const char *ergebnis = in.designStateFailed ? N::notFulfilled : byUtilisation(eta);
        return {row(N::bending, M, *in.M_pl_Rd_V, eta, ergebnis, plastic)};
    }
    class3.applies = true;
    class3.eta_el = utilisation(M, *in.M_el_Rd);
    if (in.M_pl_eff_Rd) class3.eta_eff = utilisation(M, *in.M_pl_eff_Rd);
    // The route with the smaller utilisation; the elastic one where they tie.
    class3.effectiveChosen =
        class3.eta_eff && (!class3.eta_el || *class3.eta_eff < *class3.eta_el);
    if (class3.effectiveChosen)
        return {row(N::bending, M, *in.M_pl_eff_Rd, class3.eta_eff, byUtilisation(class3.eta_eff),
                    effectiveWeb)};
    return {row(N::bending, M, *in.M_el_Rd, class3.eta_el, byUtilisation(class3.eta_el),
                elasticClass3),
            true};
}

VerdictRow bendingShearRow(const DesignCheckInput &in, const Bending &bending,
                           Class3Utilisation &class3) {
    const VerdictRow notGoverning =
        row(N::bendingShear, std::nullopt, std::nullopt, std::nullopt, N::notGoverning,
            interactionRule);
    if (class3.applies) {
        class3.eta3 = utilisation(std::fabs(in.V_Ed), in.V_pl_Rd);
        if (in.M_pl_Rd) class3.eta1 = utilisation(in.M_Ed, *in.M_pl_Rd);
    }
    if (!bending.elasticRoute || !(std::fabs(in.V_Ed) > 0.5 * in.V_pl_Rd)) return notGoverning;
    const std::optional<double> flangeShare =
        in.M_f_Rd && in.M_pl_Rd ? utilisation(*in.M_f_Rd, *in.M_pl_Rd) : std::nullopt;
    if (!class3.eta1 || !class3.eta3 || !flangeShare)
        return row(N::bendingShear, std::nullopt, 1.0, std::nullopt, N::notFulfilled,
                   interactionRule);
    const double E = bendingShearInteraction(*class3.eta1, *class3.eta3, *flangeShare);
    return row(N::bendingShear, E, 1.0, E, byUtilisation(E), interactionRule);
}

VerdictRow minimumRow(const DesignCheckInput &in) {
    const std::optional<double> none;
    switch (in.minimum) {
    case MinimumCheck::Made: {
        // The engine's rule: enough where A_s,min <= A_s provided.
        const std::optional<double> eta = utilisation(in.A_s_min, in.A_s_vor);
        return row(N::minimumReinforcement, in.A_s_min, in.A_s_vor, eta,
                   in.A_s_min <= in.A_s_vor ? N::fulfilled : N::notFulfilled,
                   in.topInTension ? tensileZoneTop : tensileZoneBottom);
    }
    case MinimumCheck::NoMoment:
        return row(N::minimumReinforcement, none, none, none, N::notGoverning, noServiceMoment);
    case MinimumCheck::NoTensileZone:
        return row(N::minimumReinforcement, none, none, none, N::notGoverning, slabWithoutTension);
    case MinimumCheck::ShearFailure:
        return row(N::minimumReinforcement, none, none, none, N::notDetermined, serviceShearFailure);
    case MinimumCheck::StateFailure: break;
    }
    return row(N::minimumReinforcement, none, none, none, N::notDetermined, serviceStateFailure);
}

VerdictRow connectionRow(const DesignCheckInput &in) {
    const std::optional<double> none;
    if (!in.connectors)
        return row(N::shearConnection, none, none, none, N::notGoverning, N::fullConnectionAssumed);
    if (in.M_Ed < 0.0)
        return row(N::shearConnection, none, none, none, N::notGoverning, N::hoggingFullConnection);
    // Without a slab force there is no degree of connection.
    if (!in.eta || !in.eta_min)
        return row(N::shearConnection, in.eta_min, none, none, N::notDetermined, N::minimumDegree);
    // No studs or no stud resistance (eta = 0): eta_min / eta has no finite value.
    const std::optional<double> eta = utilisation(*in.eta_min, *in.eta);
    return row(N::shearConnection, in.eta_min, in.eta, eta,
               *in.eta >= *in.eta_min ? N::fulfilled : N::notFulfilled, N::minimumDegree);
}

VerdictRow overallRow(const std::vector<VerdictRow> &rows) {
    std::optional<double> largest;
    std::string governing = noUtilisation;
    bool failed = false, undetermined = false;
    for (const VerdictRow &r : rows) {
        failed = failed || r.ergebnis == N::notFulfilled;
        undetermined = undetermined || r.ergebnis == N::notDetermined;
        if (r.eta && (!largest || *r.eta > *largest)) {
            largest = r.eta;
            governing = r.nachweis;
        }
    }
    VerdictRow overall = row(N::overall, largest, 1.0, largest,
                             failed ? N::notFulfilled : undetermined ? N::notDetermined : N::fulfilled,
                             "");
    overall.grundlage = governing;
    return overall;
}

}  // namespace

std::optional<double> utilisation(double E, double R) {
    if (E == 0.0) return 0.0;
    const double q = E / R;
    if (R != 0.0 && q > 0.0 && std::isfinite(q)) return q;
    return std::nullopt;
}

bool partialConnection(const DesignCheckInput &in) {
    return in.connectors && in.M_Ed >= 0.0 && in.eta && *in.eta < 1.0;
}

double bendingShearInteraction(double eta1, double eta3, double flangeShare) {
    if (eta1 < flangeShare) return eta3;
    const double d = 2.0 * eta3 - 1.0;
    return eta1 + (1.0 - flangeShare) * d * d;
}

DesignChecks decideDesignChecks(const DesignCheckInput &in) {
    DesignChecks checks;
    const Bending bending = bendingRow(in, checks.class3);
    checks.rows.push_back(shearRow(in));
    checks.rows.push_back(bending.row);
    checks.rows.push_back(bendingShearRow(in, bending, checks.class3));
    checks.rows.push_back(minimumRow(in));
    checks.rows.push_back(connectionRow(in));
    checks.rows.push_back(overallRow(checks.rows));
    return checks;
}
