#include "analysis/limit_moments.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/strain_solver.h"
#include "analysis/verification.h"
#include "io/result_writer.h"
#include "section/concrete_slab.h"
#include "section/steel_section.h"

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

int staysElastic(const LimitPoint &p) {
    return p.state == ZoneState::Failed || p.state == ZoneState::Yielded ? -1 : 1;
}
int holds(const LimitPoint &p) { return p.state == ZoneState::Failed ? -1 : 1; }

LimitSearch searchOf(const CompositeSection &section, double step) {
    LimitSearch s;
    s.step = step;
    s.maxSteps = marchBound(std::fabs(step));
    s.tolM = section.tolM;
    s.tolKappa = section.tolKappa;
    return s;
}

}  // namespace

namespace {

// Predictions and step doublings before the plain march takes over.
const int maxPredictions = 12;
const int maxHintSteps = 60;

// Curvature step after which the moment of p changes by about half the
// moment tolerance, judged by the secant stiffness of p; at most |step|.
double hintStep(const LimitPoint &p, const LimitSearch &search) {
    const double step = std::fabs(search.step);
    const double d = 0.5 * search.tolM * std::fabs(p.kappa / p.M);
    return std::isfinite(d) && d > 0.0 ? std::min(d, step) : step;
}

// Whether a curvature lies inside the searched range: beyond the start in
// the direction of the march, within its reach and before the far curvature.
bool inRange(double kappa, const LimitPoint &start, const LimitSearch &search) {
    const double reach = std::fabs(search.step) * search.maxSteps;
    return std::isfinite(kappa) && (kappa - start.kappa) * search.step > 0.0 &&
           std::fabs(kappa - start.kappa) < reach &&
           (search.farKappa == 0.0 || std::fabs(kappa) < std::fabs(search.farKappa));
}

// Bracket around the evaluated point h: a with the start's criterion value
// sa, b without. It never reaches back beyond `start`.
bool bracketAround(const LimitPoint &h, const PointAtCurvature &pointAt,
                   const LimitCriterion &criterion, const LimitPoint &start, int sa,
                   const LimitSearch &search, LimitPoint &a, LimitPoint &b) {
    const double direction = search.step > 0.0 ? 1.0 : -1.0;
    double d = hintStep(h, search);
    if (criterion(h) == sa) {
        a = h;
        for (int i = 0; i < maxHintSteps; ++i, d *= 2.0) {
            b = pointAt(a.kappa + direction * d, a.z0);
            if (criterion(b) != sa) return true;
            a = b;
        }
        return false;
    }
    b = h;
    for (int i = 0; i < maxHintSteps; ++i, d *= 2.0) {
        const double kappa = b.kappa - direction * d;
        if ((kappa - start.kappa) * direction <= 0.0) {
            a = start;
            return true;
        }
        const LimitPoint p = pointAt(kappa, b.z0);
        if (criterion(p) == sa) {
            a = p;
            return true;
        }
        b = p;
    }
    return false;
}

// Follows the predictor to the curvature where its prediction reproduces
// itself, then brackets around the point reached.
bool bracketByPrediction(const PointAtCurvature &pointAt, const LimitCriterion &criterion,
                         const LimitPoint &start, int sa, const LimitSearch &search,
                         LimitPoint &a, LimitPoint &b) {
    LimitPoint p = start;
    double kappa = search.predict(start);
    double previousKappa = 0.0, previousGap = 0.0;
    bool reached = false;
    for (int i = 0; i < maxPredictions && inRange(kappa, start, search); ++i) {
        const LimitPoint q = pointAt(kappa, p.z0);
        const double gap = search.predict(q) - kappa;
        if (!std::isfinite(gap)) break;
        reached = true;
        // Settled once the remaining gap moves the moment by less than a
        // quarter of the tolerance (slope of the last two points, else secant).
        const double slope = i > 0 ? std::fabs((q.M - p.M) / (q.kappa - p.kappa))
                                   : std::fabs(q.M / q.kappa);
        p = q;
        if (!(std::fabs(gap) * slope > 0.25 * search.tolM)) break;
        // Secant step on the gap; a plain prediction where it is no better.
        double next = kappa + gap;
        if (i > 0 && gap != previousGap) {
            const double secant = kappa - gap * (kappa - previousKappa) / (gap - previousGap);
            if (std::isfinite(secant) && secant * kappa > 0.0 &&
                std::fabs(secant) < 2.0 * std::fabs(kappa))
                next = secant;
        }
        previousKappa = kappa;
        previousGap = gap;
        kappa = next;
    }
    return reached && bracketAround(p, pointAt, criterion, start, sa, search, a, b);
}

}  // namespace

LimitPoint marchAndBisect(const PointAtCurvature &pointAt, const LimitCriterion &criterion,
                          const LimitPoint &start, const LimitSearch &search) {
    LimitPoint a = start;
    const int sa = criterion(a);
    LimitPoint b;
    bool bracketed = search.predict &&
                     bracketByPrediction(pointAt, criterion, start, sa, search, a, b);
    if (!bracketed) a = start;
    for (int i = 0; !bracketed && i < search.maxSteps; ++i) {
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

double firstLimitCurvature(const CompositeSection &section, double z0, int direction,
                           LimitKind kind) {
    const bool elastic = kind == LimitKind::Elastic;
    const double inf = std::numeric_limits<double>::infinity();
    double smallest = inf;
    // A fibre at height z has the strain kappa (z0 - z); it reaches the limit
    // of the sign of that strain at |limit / (z0 - z)|.
    auto fibre = [&](double z, double tension, double compression) {
        const double d = z0 - z;
        const double limit = direction * d > 0.0 ? tension : compression;
        if (d == 0.0 || !std::isfinite(limit) || limit == 0.0) return;
        smallest = std::min(smallest, std::fabs(limit / d));
    };
    const ConcreteSlab &slab = section.slab;
    const double h_a = section.h_a;
    for (const auto &[z1, z2] : slab.concreteZoneTable()) {
        if (!(slab.concreteStrip(z1, z2).A > 0.0)) continue;
        const double e = elastic ? slab.e_c3 : slab.e_cu3;
        fibre(z1 + h_a, inf, e);
        fibre(z2 + h_a, inf, e);
    }
    const ReinforcementLayers &bars = slab.bars;
    const double e_s = elastic ? bars.e_sd : bars.e_ud;
    for (const BarLayer layer : {BarLayer::Bottom, BarLayer::Top}) {
        const bool bottom = layer == BarLayer::Bottom;
        const double n = bottom ? bars.n_u : bars.n_o;
        const double r = bottom ? bars.r_u : bars.r_o;
        const double z = (bottom ? bars.z_su : bars.z_so) + h_a;
        if (!(n > 0.0) || !(r > 0.0)) continue;
        fibre(z - r, e_s, -e_s);
        fibre(z + r, e_s, -e_s);
    }
    // Steel states follow e_y in every zone; the shear area only caps its
    // stress at fyd_red. Zones without area (missing flanges) count not.
    if (elastic) {
        const SteelSection &steel = section.steel;
        for (const SteelZone &zone : steel.zoneTable()) {
            if (!(steel.strip(zone.z1, zone.z2, zone.width).A > 0.0)) continue;
            fibre(zone.z1, steel.e_y, -steel.e_y);
            fibre(zone.z2, steel.e_y, -steel.e_y);
        }
    }
    return smallest < inf ? direction * smallest : std::numeric_limits<double>::quiet_NaN();
}

LimitPoint elasticLimit(const CompositeSection &section, int direction) {
    const PointAtCurvature pointAt = pointsOf(section);
    LimitSearch search = searchOf(section, direction * elasticStep);
    search.maxSteps = elasticMarchSteps;
    search.farKappa = direction * plasticProbe;
    search.predict = [&section, direction](const LimitPoint &p) {
        return firstLimitCurvature(section, p.z0, direction, LimitKind::Elastic);
    };
    return marchAndBisect(pointAt, staysElastic, pointAt(0.0, section.Z_el_na), search);
}

LimitPoint plasticLimit(const CompositeSection &section, int direction) {
    const PointAtCurvature pointAt = pointsOf(section);
    // Without any strain limit the section never fails: the fully plastic
    // state. Its axis search starts at the previous plastic limit's axis.
    const LimitPoint &previous = section.plasticLimit[direction > 0 ? 1 : 0];
    const bool nearby = previous.kappa * direction > 0.0 && std::isfinite(previous.z0);
    const LimitPoint probe =
        pointAt(direction * plasticProbe, nearby ? previous.z0 : section.Z_el_na);
    if (probe.state != ZoneState::Failed) return probe;
    LimitSearch search = searchOf(section, direction * plasticStep);
    search.predict = [&section, direction](const LimitPoint &p) {
        return firstLimitCurvature(section, p.z0, direction, LimitKind::Plastic);
    };
    return marchAndBisect(pointAt, holds, pointAt(0.0, section.Z_el_na), search);
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
    namespace key = protocol::key;
    const struct {
        const LimitPoint &point;
        const char *M;
        const char *kappa;
    } rows[] = {{section.elasticLimit[0], key::M_min_el, key::kappa_min_el},
                {section.elasticLimit[1], key::M_max_el, key::kappa_max_el},
                {section.plasticLimit[0], key::M_min_pl, key::kappa_min_pl},
                {section.plasticLimit[1], key::M_max_pl, key::kappa_max_pl}};
    for (const auto &row : rows)
        if (!limitFound(row.M, row.point, section.tolN)) return false;
    const ResultWriter &w = section.writer;
    w.writeHeading(protocol::block::limitMoments);
    w.writeValue(key::V_ed, section.V_Ed);
    for (const auto &row : rows) {
        w.writeValue(row.M, row.point.M);
        w.writeValue(row.kappa, row.point.kappa);
        w.writeValue(key::Zna, row.point.z0);
    }
    return true;
}
