#include "analysis/moment_curvature.h"

#include <algorithm>
#include <cmath>

#include "analysis/strain_solver.h"

namespace {

const int linearRows = 12;      // from kappa = 0 up to the elastic limit
const int geometricRows = 52;   // from the elastic limit on to the end
const double plateauShare = 0.995;
const double probeCurvature = 9999.0;  // of the plastic limit without strain limits
const int maxDoublings = 60;
const double longestAxisShift = 50.0;  // mm, of an extrapolated start height

bool finitePoint(const LimitPoint &p) {
    return std::isfinite(p.kappa) && std::isfinite(p.z0) && std::isfinite(p.M) &&
           std::isfinite(p.N);
}

// A point of zero axial force within the tolerance, on the side `direction`.
bool onBranch(const LimitPoint &p, int direction, const CompositeSection &section) {
    return finitePoint(p) && p.kappa * direction > 0.0 && std::fabs(p.N) <= section.tolN;
}

// Points of one branch in the order of growing curvature; each axis search
// starts where the axis of the last two points extrapolates to.
class BranchWalk {
public:
    BranchWalk(const CompositeSection &section, const LimitPoint &origin)
        : section_(section), last_(origin), beforeLast_(origin) {}

    LimitPoint pointAt(double kappa) {
        double zStart = last_.z0;
        if (last_.kappa != beforeLast_.kappa) {
            const double slope = (last_.z0 - beforeLast_.z0) / (last_.kappa - beforeLast_.kappa);
            const double shift = slope * (kappa - last_.kappa);
            if (std::isfinite(shift))
                zStart += std::clamp(shift, -longestAxisShift, longestAxisShift);
        }
        return pointWithZeroN(section_, kappa, zStart);
    }
    // A point of the branch, computed or given, becomes the last one.
    void passed(const LimitPoint &p) {
        beforeLast_ = last_;
        last_ = p;
    }

private:
    const CompositeSection &section_;
    LimitPoint last_, beforeLast_;
};

// Where the fully plastic moment of the probe is approached: the curvature at
// which the moment first reaches 99.5 % of it, bracketed by doubling the
// curvature from the elastic limit (or from `origin`) and refined on the moment.
LimitPoint plateauEnd(const CompositeSection &section, int direction, const LimitPoint &plastic,
                      const LimitPoint &origin, const LimitPoint *elastic) {
    const double target = plateauShare * plastic.M;
    LimitPoint a = elastic ? *elastic : origin;
    if ((a.M - target) * direction >= 0.0) return a;
    BranchWalk walk(section, a);
    double kappa = elastic ? 2.0 * elastic->kappa : direction * 1e-3;
    LimitPoint b = plastic;
    for (int i = 0; i < maxDoublings && std::fabs(kappa) < probeCurvature; ++i, kappa *= 2.0) {
        const LimitPoint p = walk.pointAt(kappa);
        if (!onBranch(p, direction, section)) break;
        if ((p.M - target) * direction >= 0.0) {
            b = p;
            break;
        }
        a = p;
        walk.passed(p);
    }
    return curvatureForMoment(section, target, a, b);
}

// One branch beyond kappa = 0, in the order of growing curvature.
std::vector<LimitPoint> branch(const CompositeSection &section, int direction,
                               const LimitPoint &origin) {
    std::vector<LimitPoint> points;
    const int side = direction > 0 ? 1 : 0;
    const LimitPoint &plastic = section.plasticLimit[side];
    const LimitPoint &elasticLimit = section.elasticLimit[side];
    const bool elasticInside = onBranch(elasticLimit, direction, section) &&
                               std::fabs(elasticLimit.kappa) < std::fabs(plastic.kappa);
    const LimitPoint *elastic = elasticInside ? &elasticLimit : nullptr;
    const bool probe = plastic.state != ZoneState::Failed && std::fabs(plastic.kappa) >= probeCurvature;
    const LimitPoint end =
        probe ? plateauEnd(section, direction, plastic, origin, elastic) : plastic;
    if (!onBranch(end, direction, section)) return points;
    const double endKappa = std::fabs(end.kappa);
    const bool kneeInside = elastic && std::fabs(elastic->kappa) < endKappa;
    const double knee = kneeInside ? std::fabs(elastic->kappa) : endKappa / 50.0;
    std::vector<double> curvatures = branchCurvatures(knee, endKappa, linearRows, geometricRows);
    // The design state of this side joins the curvatures as a row of its own.
    const LimitPoint &design = section.design;
    const bool designInside = design.state != ZoneState::Failed && onBranch(design, direction, section) &&
                              std::fabs(design.kappa) < endKappa;
    if (designInside) {
        const double k = std::fabs(design.kappa);
        if (std::find(curvatures.begin(), curvatures.end(), k) == curvatures.end())
            curvatures.insert(std::upper_bound(curvatures.begin(), curvatures.end(), k), k);
    }
    BranchWalk walk(section, origin);
    for (const double k : curvatures) {
        LimitPoint p;
        if (k == endKappa) p = end;
        else if (kneeInside && k == knee) p = *elastic;
        else if (designInside && k == std::fabs(design.kappa)) p = design;
        else p = walk.pointAt(direction * k);
        if (!onBranch(p, direction, section)) continue;
        points.push_back(p);
        walk.passed(p);
    }
    return points;
}

CurvatureRow rowOf(const LimitPoint &p) {
    CurvatureRow row;
    row.kappa = p.kappa;
    row.Z_na = p.z0;
    row.sum_M = p.M;
    row.sum_N = p.N;
    row.zustand = p.state;
    return row;
}

}  // namespace

namespace {

// x^n by repeated multiplication.
double power(double x, int n) {
    double p = 1.0;
    for (int i = 0; i < n; ++i) p *= x;
    return p;
}

// The n-th root of q > 1 by bisection with the four basic operations only,
// which IEEE arithmetic rounds alike on every system; the C libraries' pow
// differ in the last bit, and so would the curvature grid of Linux and
// Windows. Ends when no double lies between the bounds (at most 2100 halvings).
double nthRoot(double q, int n) {
    double lo = 1.0, hi = q;
    for (int i = 0; i < 2100; ++i) {
        const double mid = lo + (hi - lo) / 2.0;
        if (!(mid > lo && mid < hi)) break;
        (power(mid, n) < q ? lo : hi) = mid;
    }
    return hi;
}

}  // namespace

std::vector<double> branchCurvatures(double knee, double end, int linear, int geometric) {
    std::vector<double> k;
    if (!(knee > 0.0) || !(end > knee) || !std::isfinite(end) || linear < 1 || geometric < 1)
        return k;
    k.reserve(linear + geometric);
    for (int i = 1; i < linear; ++i) k.push_back(knee * i / linear);
    k.push_back(knee);
    const double ratio = nthRoot(end / knee, geometric);
    for (int i = 1; i < geometric; ++i) k.push_back(knee * power(ratio, i));
    k.push_back(end);
    return k;
}

std::vector<CurvatureRow> momentCurvatureRows(const CompositeSection &section) {
    const LimitPoint origin = pointWithZeroN(section, 0.0, section.Z_el_na);
    const std::vector<LimitPoint> hogging = branch(section, -1, origin);
    const std::vector<LimitPoint> sagging = branch(section, +1, origin);
    std::vector<CurvatureRow> rows;
    rows.reserve(hogging.size() + 1 + sagging.size());
    auto add = [&rows](const LimitPoint &p) {
        // Strictly ascending: a curvature that does not follow on is left out.
        if (rows.empty() || p.kappa > rows.back().kappa) rows.push_back(rowOf(p));
    };
    for (auto p = hogging.rbegin(); p != hogging.rend(); ++p) add(*p);
    add(origin);
    for (const LimitPoint &p : sagging) add(p);
    return rows;
}

void writeMomentCurvature(const CompositeSection &section) {
    section.writer.writeCurvatureRows(momentCurvatureRows(section));
}
