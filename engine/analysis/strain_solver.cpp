#include "analysis/strain_solver.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "section/concrete_slab.h"
#include "section/steel_section.h"

namespace {

// Bracket refinements shrink their bracket at least as fast as bisection
// does; these counts lie far beyond any tolerance.
const int maxAxisBisections = 150;
const int maxMomentBisections = 300;
const int maxBracketSteps = 100000;
const double bracketStep = 50.0;  // mm, the longest step of the bracket search
const double shortestStep = 1e-6;  // mm

bool opposite(double a, double b) { return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0); }

// Illinois variant of false position on a bracket [a, b] whose function
// values have opposite signs: the next abscissa divides the bracket in the
// ratio of the end values; an end kept twice in a row (b counting as the
// newest point at the start) has its value halved, so that the kept end
// cannot stall the iteration; where the bracket has not halved within two
// steps the midpoint is taken instead, so the bracket shrinks at least as
// fast as by bisection.
class FalsePosition {
public:
    FalsePosition(double xa, double fa, double xb, double fb)
        : xa_(xa), xb_(xb), fa_(fa), fb_(fb) {
        before_[0] = before_[1] = 2.0 * std::fabs(xb - xa);
    }
    double next() {
        const double width = std::fabs(xb_ - xa_);
        double x = (xa_ * fb_ - xb_ * fa_) / (fb_ - fa_);
        if (!((x - xa_) * (x - xb_) < 0.0) || width > 0.5 * before_[0]) x = 0.5 * (xa_ + xb_);
        before_[0] = before_[1];
        before_[1] = width;
        return x;
    }
    // The value f at x replaces the end of the same sign (true: end a; a zero
    // value counts as a's sign).
    bool take(double x, double f) {
        const bool replacesA = !opposite(f, fa_);
        if (replacesA) {
            xa_ = x;
            fa_ = f;
            if (kept_ == 'b') fb_ /= 2.0;
            kept_ = 'b';
        } else {
            xb_ = x;
            fb_ = f;
            if (kept_ == 'a') fa_ /= 2.0;
            kept_ = 'a';
        }
        return replacesA;
    }

private:
    double xa_, xb_, fa_, fb_;
    double before_[2];
    char kept_ = 'a';  // b counts as the newest point, a as kept before it
};

LimitPoint toPoint(double kappa, double z0, const SectionResult &r) {
    LimitPoint p;
    p.kappa = kappa;
    p.z0 = z0;
    p.M = r.M;
    p.N = r.N;
    p.state = r.state;
    return p;
}

// Candidate curvature at which the fibre at height z reaches the strain limit e
// when the plane rotates about Z. A zero limit (concrete without tensile
// strength) is reached at once, but only in the direction that puts the
// fibre into tension; a fibre on the compressed side never reaches it.
double tensionCandidate(double e, double Z, double z, int direction) {
    const double d = Z - z;  // strain = kappa * d
    if (d == 0.0) return std::numeric_limits<double>::quiet_NaN();
    if (e != 0.0) return e / d;
    return direction * d > 0.0 ? 0.0 : std::numeric_limits<double>::quiet_NaN();
}

struct Extremes {
    double positive = std::numeric_limits<double>::infinity();
    double negative = -std::numeric_limits<double>::infinity();
    void positiveCandidate(double c) {
        if (std::isfinite(c) && c >= 0.0) positive = std::min(positive, c);
    }
    void negativeCandidate(double c) {
        if (std::isfinite(c) && c <= 0.0) negative = std::max(negative, c);
    }
};

}  // namespace

NeutralAxisSearch neutralAxisSearchOf(const CompositeSection &section) {
    NeutralAxisSearch s;
    s.Z_el_na = section.Z_el_na;
    s.tolN = section.tolN;
    // Beyond the section all fibres share one strain sign, so N keeps its
    // sign there; one section height of margin on each side is ample.
    const double H = section.h_a + section.slab.h_c;
    s.zLow = -H;
    s.zHigh = 2.0 * H;
    s.stiffness = section.slab.E_c * section.A_f / 1000.0;
    return s;
}

ZeroAxialForce neutralAxisForZeroN(const SectionEvaluator &evaluate, double kappa, double zStart,
                                   const NeutralAxisSearch &search) {
    ZeroAxialForce result;
    if (kappa == 0.0) {
        result.z0 = search.Z_el_na;
        result.response = evaluate(kappa, result.z0);
        return result;
    }
    // A start outside the search range (a transformed section that overflowed
    // with absurd moduli) begins at the nearer end: the root lies in between.
    double za = zStart;
    if (!(za >= search.zLow)) za = search.zLow;  // also a start that is no number
    if (za > search.zHigh) za = search.zHigh;
    SectionResult ra = evaluate(kappa, za);
    if (std::fabs(ra.N) <= search.tolN) {
        result.z0 = za;
        result.response = ra;
        return result;
    }
    // Bracket: a compressive N needs less compression zone, i.e. a neutral
    // axis further towards the compressed face, and vice versa.
    const bool upward = (kappa > 0.0 && ra.N < 0.0) || (kappa < 0.0 && ra.N > 0.0);
    const double direction = upward ? 1.0 : -1.0;
    // First step: twice the distance the stiffest section would need.
    double step = bracketStep;
    if (search.stiffness > 0.0) {
        const double stiffest = std::fabs(ra.N) / (std::fabs(kappa) * search.stiffness);
        if (std::isfinite(stiffest)) step = std::clamp(2.0 * stiffest, shortestStep, bracketStep);
    }
    double zb = za;
    SectionResult rb = ra;
    bool bracketed = false;
    for (int i = 0; i < maxBracketSteps; ++i) {
        if ((upward && zb > search.zHigh) || (!upward && zb < search.zLow)) break;
        za = zb;
        ra = rb;
        zb = za + direction * step;
        rb = evaluate(kappa, zb);
        if (std::fabs(rb.N) <= search.tolN || opposite(ra.N, rb.N)) {
            bracketed = true;
            break;
        }
        // Same sign: aim a fifth beyond the root the secant predicts. Where the
        // step has not halved |N| the secant is not trusted below twice the
        // step, so that steps either halve |N| or double: neither can stall.
        const double toRoot = -rb.N * (zb - za) / (rb.N - ra.N) * direction;
        const bool halved = std::fabs(rb.N) <= 0.5 * std::fabs(ra.N);
        double next = std::isfinite(toRoot) && toRoot > 0.0 ? 1.2 * toRoot : 2.0 * step;
        if (!halved) next = std::max(next, 2.0 * step);
        step = std::clamp(next, shortestStep, bracketStep);
    }
    if (!bracketed) {
        result.z0 = zb;
        result.response = rb;
        result.response.state = ZoneState::Failed;
        result.found = false;
        return result;
    }
    FalsePosition falsePosition(za, ra.N, zb, rb.N);
    for (int i = 0; i < maxAxisBisections; ++i) {
        if (!(std::fabs(ra.N) > search.tolN && std::fabs(rb.N) > search.tolN)) break;
        const double zm = falsePosition.next();
        if (zm == za || zm == zb) break;  // the bracket cannot shrink any further
        const SectionResult rm = evaluate(kappa, zm);
        if (falsePosition.take(zm, rm.N)) {
            za = zm;
            ra = rm;
        } else {
            zb = zm;
            rb = rm;
        }
    }
    const bool takeA = std::fabs(ra.N) < std::fabs(rb.N);
    result.z0 = takeA ? za : zb;
    result.response = takeA ? ra : rb;
    return result;
}

LimitPoint pointWithZeroN(const CompositeSection &section, double kappa, double zStart) {
    const SectionEvaluator evaluate = [&section](double k, double z) {
        return evaluateSection(section, k, z);
    };
    const ZeroAxialForce axis =
        neutralAxisForZeroN(evaluate, kappa, zStart, neutralAxisSearchOf(section));
    return toPoint(kappa, axis.z0, axis.response);
}

ElasticRangeInput elasticRangeInputOf(const CompositeSection &section) {
    const ConcreteSlab &slab = section.slab;
    const SteelSection &steel = section.steel;
    ElasticRangeInput in;
    in.Z = section.Z_el_na;
    in.h_a = section.h_a;
    in.h_c = slab.h_c;
    in.e_c3 = slab.e_c3;
    in.e_ct = slab.e_ct;
    in.e_sd = slab.bars.e_sd;
    // The shear area yields at e_y,red; where it is the smaller strain it
    // bounds the linear range of the steel (EN 1994-1-1 6.2.2.4).
    in.e_y = std::min(steel.e_y, steel.e_y_red);
    in.z_so = slab.bars.n_o > 0.0 ? slab.bars.z_so : 0.0;
    in.r_o = slab.bars.n_o > 0.0 ? slab.bars.r_o : 0.0;
    in.z_su = slab.bars.n_u > 0.0 ? slab.bars.z_su : 0.0;
    in.r_u = slab.bars.n_u > 0.0 ? slab.bars.r_u : 0.0;
    return in;
}

ElasticRangeCurvatures elasticRangeCurvatures(const ElasticRangeInput &in) {
    const double Z = in.Z;
    const double top = in.h_a + in.h_c;
    Extremes x;
    // Slab top: crushing limit e_c3 when sagging, tension limit when hogging.
    x.positiveCandidate(-in.e_c3 / (top - Z));
    x.negativeCandidate(tensionCandidate(in.e_ct, Z, top, -1));
    // Slab underside: tension limit when sagging, e_c3 when hogging.
    x.positiveCandidate(tensionCandidate(in.e_ct, Z, in.h_a, +1));
    x.negativeCandidate(-in.e_c3 / (in.h_a - Z));
    // Bar layers: yield at the bar edge farther from the axis (layers with bars only).
    if (in.r_o > 0.0) {
        x.positiveCandidate(in.e_sd / std::fabs(in.z_so + in.r_o + in.h_a - Z));
        x.negativeCandidate(-std::fabs(in.e_sd / (in.z_so - in.r_o + in.h_a - Z)));
    }
    if (in.r_u > 0.0) {
        x.positiveCandidate(in.e_sd / std::fabs(in.z_su + in.r_u + in.h_a - Z));
        x.negativeCandidate(-std::fabs(in.e_sd / (in.z_su - in.r_u + in.h_a - Z)));
    }
    // Steel top and underside.
    x.positiveCandidate(std::fabs(in.e_y / (in.h_a - Z)));
    x.negativeCandidate(-std::fabs(in.e_y / (in.h_a - Z)));
    x.positiveCandidate(std::fabs(in.e_y / Z));
    x.negativeCandidate(-std::fabs(in.e_y / Z));
    ElasticRangeCurvatures k;
    k.positive = std::isfinite(x.positive) ? x.positive : 0.0;
    k.negative = std::isfinite(x.negative) ? x.negative : 0.0;
    return k;
}

void computeUncrackedElasticRange(CompositeSection &section) {
    const ElasticRangeCurvatures k = elasticRangeCurvatures(elasticRangeInputOf(section));
    const double Z = section.Z_el_na;
    section.elasticRange[0] = toPoint(k.negative, Z, evaluateSection(section, k.negative, Z));
    section.elasticRange[1] = toPoint(k.positive, Z, evaluateSection(section, k.positive, Z));
}

LimitPoint curvatureForMoment(const CompositeSection &section, double M_Ed, LimitPoint a,
                              LimitPoint b) {
    FalsePosition falsePosition(a.kappa, a.M - M_Ed, b.kappa, b.M - M_Ed);
    for (int i = 0; i < maxMomentBisections; ++i) {
        if (!(std::fabs(a.M - M_Ed) > section.tolM)) break;
        if (std::fabs(b.M - M_Ed) <= section.tolM ||
            std::fabs(a.kappa - b.kappa) <= section.tolKappa)
            break;
        const double kappa = falsePosition.next();
        if (kappa == a.kappa || kappa == b.kappa) break;
        const double t = (kappa - a.kappa) / (b.kappa - a.kappa);
        double zStart = a.z0 + t * (b.z0 - a.z0);
        if (!std::isfinite(zStart)) zStart = a.z0;
        const LimitPoint m = pointWithZeroN(section, kappa, zStart);
        if (falsePosition.take(kappa, m.M - M_Ed)) a = m;
        else b = m;
    }
    return std::fabs(b.M - M_Ed) <= std::fabs(a.M - M_Ed) ? b : a;
}

DesignState solveDesignState(const CompositeSection &section) {
    const double M_Ed = section.M_Ed;
    const LimitPoint &eNeg = section.elasticRange[0], &ePos = section.elasticRange[1];
    const LimitPoint &pNeg = section.plasticLimit[0], &pPos = section.plasticLimit[1];
    const double EI_f = section.slab.E_c * section.I_f;
    DesignState d;
    if (eNeg.M <= M_Ed && M_Ed <= ePos.M && EI_f > 0.0) {
        const double kappa = M_Ed / EI_f * 1000.0;
        d.point = toPoint(kappa, section.Z_el_na, evaluateSection(section, kappa, section.Z_el_na));
    } else if (ePos.M < M_Ed && M_Ed <= pPos.M) {
        d.point = curvatureForMoment(section, M_Ed, ePos, pPos);
        d.bisected = true;
    } else if (pNeg.M <= M_Ed && M_Ed < eNeg.M) {
        d.point = curvatureForMoment(section, M_Ed, eNeg, pNeg);
        d.bisected = true;
    } else {
        d.failed = true;
    }
    if (!d.failed && d.point.state == ZoneState::Failed) d.failed = true;
    if (d.failed) {
        d.point = LimitPoint();
        d.point.state = ZoneState::Failed;
        return d;
    }
    d.EI_i = d.point.kappa == 0.0 ? EI_f : d.point.M / (d.point.kappa / 1000.0);
    return d;
}
