#include "analysis/limit_moments.h"

#include <cmath>

#include "analysis/strain_solver.h"
#include "analysis/verification.h"
#include "io/result_writer.h"

namespace {

const double elasticStep = 0.02;  // per mille per mm
const double plasticStep = 10.0;
const double plasticProbe = 9999.0;
const int maxBisections = 300;
// Every section leaves its linear range far below 10 per mille per mm; a march
// that has not got there within these steps (absurd partial factors) brackets
// with the plastic probe curvature instead of taking half a million steps.
const int elasticMarchSteps = 500;

// Marches never need to pass the curvature of the plastic probe.
int marchBound(double step) { return static_cast<int>(std::ceil(plasticProbe / step)) + 1; }

PointAtCurvature pointsOf(const CompositeSection &section) {
    return [&section](double kappa, double zStart) {
        return pointWithZeroN(section, kappa, zStart);
    };
}

int staysElastic(const LimitPoint &p) { return p.state == "ver" || p.state == "nel" ? -1 : 1; }
int holds(const LimitPoint &p) { return p.state == "ver" ? -1 : 1; }

LimitSearch searchOf(const CompositeSection &section, double step) {
    LimitSearch s;
    s.step = step;
    s.maxSteps = marchBound(std::fabs(step));
    s.tolM = section.tolM;
    s.tolKappa = section.tolKappa;
    return s;
}

}  // namespace

LimitPoint marchAndBisect(const PointAtCurvature &pointAt, const LimitCriterion &criterion,
                          const LimitPoint &start, const LimitSearch &search) {
    LimitPoint a = start;
    const int sa = criterion(a);
    LimitPoint b;
    bool bracketed = false;
    for (int i = 0; i < search.maxSteps; ++i) {
        b = pointAt(a.kappa + search.step, a.z0);
        if (criterion(b) != sa) {
            bracketed = true;
            break;
        }
        a = b;
    }
    if (!bracketed && search.farKappa != 0.0) {
        b = pointAt(search.farKappa, a.z0);
        if (criterion(b) == sa) return b;
        bracketed = true;
    }
    if (!bracketed) return a;
    // Ends only on a midpoint that kept the start's criterion value, once the
    // moment or the curvature bracket is small enough.
    int last = 0;
    for (int i = 0; i < maxBisections; ++i) {
        const bool momentOpen = std::fabs(a.M - b.M) > search.tolM;
        const bool kappaOpen = std::fabs(a.kappa - b.kappa) > search.tolKappa;
        const bool goOn = last == 0 ? momentOpen && kappaOpen
                                    : (last != sa || momentOpen) && (last != sa || kappaOpen);
        if (!goOn) break;
        const LimitPoint m = pointAt((a.kappa + b.kappa) / 2.0, a.z0);
        last = criterion(m);
        if (last != sa) b = m;
        else a = m;
    }
    return a;
}

LimitPoint elasticLimit(const CompositeSection &section, int direction) {
    const PointAtCurvature pointAt = pointsOf(section);
    LimitSearch search = searchOf(section, direction * elasticStep);
    search.maxSteps = elasticMarchSteps;
    search.farKappa = direction * plasticProbe;
    return marchAndBisect(pointAt, staysElastic, pointAt(0.0, section.Z_el_na), search);
}

LimitPoint plasticLimit(const CompositeSection &section, int direction) {
    const PointAtCurvature pointAt = pointsOf(section);
    // Without any strain limit the section never fails: the fully plastic state.
    const LimitPoint probe = pointAt(direction * plasticProbe, section.Z_el_na);
    if (probe.state != "ver") return probe;
    return marchAndBisect(pointAt, holds, pointAt(0.0, section.Z_el_na),
                          searchOf(section, direction * plasticStep));
}

void computeElasticLimits(CompositeSection &section) {
    section.elasticLimit[1] = elasticLimit(section, +1);
    section.elasticLimit[0] = elasticLimit(section, -1);
}

void computePlasticLimits(CompositeSection &section, int flag) {
    section.plasticLimit[1] = plasticLimit(section, +1);
    if (flag == 1) section.plasticLimit[0] = plasticLimit(section, -1);
}

bool writeLimitMomentBlock(const CompositeSection &section) {
    const struct {
        const LimitPoint &point;
        const char *M;
        const char *kappa;
    } rows[] = {{section.elasticLimit[0], "M_min_el", "kappa_min_el"},
                {section.elasticLimit[1], "M_max_el", "kappa_max_el"},
                {section.plasticLimit[0], "M_min_pl", "kappa_min_pl"},
                {section.plasticLimit[1], "M_max_pl", "kappa_max_pl"}};
    for (const auto &row : rows)
        if (!limitFound(row.M, row.point, section.tolN)) return false;
    const ResultWriter &w = section.writer;
    w.writeHeading("*Grenzmomente");
    w.writeValue("V_ed", section.V_Ed);
    for (const auto &row : rows) {
        w.writeValue(row.M, row.point.M);
        w.writeValue(row.kappa, row.point.kappa);
        w.writeValue("Zna", row.point.z0);
    }
    return true;
}
