// The fibre-limit prediction that seeds the limit searches, the searches with
// right and wrong predictions, and the false-position neutral-axis search.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/limit_moments.h"
#include "analysis/strain_solver.h"
#include "support/section_fixture.h"

using namespace sectionfixture;

TEST(LimitPrediction, FirstFibreToReachItsLimitByHand) {
    // Welded 500 x 200 x 20 / 10 (S355: e_y = 355 / 210 = 1.690476), slab
    // 160 (h_a = 500 to 660), bars 10 mm at 535 (edges 530, 540) and 12 mm at
    // 624 (edges 618, 630); e_c3 = -1.75, e_cu3 = -3.5, e_sd = 434.78 / 200 =
    // 2.173913, e_ud = 0.9 * 50 = 45.
    SectionUnderTest t(modelfixtures::exampleDesign());
    const CompositeSection &s = t.section();
    const double e_y = 355.0 / 210.0;
    const struct {
        double z0;
        int direction;
        LimitKind kind;
        double expected;
        const char *what;
    } cases[] = {
        // Axis 300, sagging: underside e_y / 300 = 0.005635 before the slab
        // top 1.75 / 360 = 0.004861: the slab top comes first.
        {300.0, +1, LimitKind::Elastic, 1.75 / 360.0, "sagging, slab top crushes first"},
        // Axis 450: underside 1.690 / 450 = 0.003757, slab top 1.75 / 210 = 0.00833.
        {450.0, +1, LimitKind::Elastic, e_y / 450.0, "sagging, steel underside yields"},
        // Hogging about 300: steel top in tension e_y / 200 = 0.008452, bars'
        // top edge 2.1739 / 330 = 0.006588, underside e_y / 300 = 0.005635;
        // the slab underside would be compressed only above the axis: no.
        {300.0, -1, LimitKind::Elastic, -e_y / 300.0, "hogging, steel underside"},
        // Hogging about 560 (axis in the slab): the slab underside at 500 is
        // compressed, 1.75 / 60 = 0.0292; bars in tension 2.1739 / 70 = 0.0311;
        // the steel underside e_y / 560 = 0.003019 comes first.
        {560.0, -1, LimitKind::Elastic, -e_y / 560.0, "hogging, axis in the slab"},
        // Strain limits: sagging about 460 the slab top crushes, 3.5 / 200;
        // hogging about 380 the top bars' upper edge breaks, 45 / 250.
        {460.0, +1, LimitKind::Plastic, 3.5 / 200.0, "sagging, concrete crushing"},
        {380.0, -1, LimitKind::Plastic, -45.0 / 250.0, "hogging, bar rupture"},
    };
    for (const auto &c : cases) {
        EXPECT_NEAR(firstLimitCurvature(s, c.z0, c.direction, c.kind), c.expected,
                    1e-12 + 1e-9 * std::fabs(c.expected))
            << c.what;
    }
    // Without strain limits (their strains are set to 1e10 per mille) nothing
    // fails within the probe curvature of 9999.
    DesignInput in = modelfixtures::exampleDesign();
    in.set_e_cu3 = "OFF";
    in.set_verfestigung_s = "OFF";
    SectionUnderTest u(in);
    for (const int direction : {+1, -1}) {
        const double k = firstLimitCurvature(u.section(), 460.0, direction, LimitKind::Plastic);
        EXPECT_TRUE(!std::isfinite(k) || std::fabs(k) > 9999.0) << k;
    }
}

namespace {

// Synthetic section: M = 1e9 kappa, axis fixed, fails beyond kappa = 0.0123456.
const double failure = 0.0123456;
LimitPoint syntheticPoint(double kappa, double) {
    LimitPoint p;
    p.kappa = kappa;
    p.M = 1e9 * kappa;
    p.state = kappa > failure ? ZoneState::Failed : ZoneState::Elastic;
    return p;
}
int holds(const LimitPoint &p) { return p.state == ZoneState::Failed ? -1 : 1; }

}  // namespace

// The predictor only says where to look: right, wrong or useless predictions
// all end on the same transition within the moment tolerance, and a right
// one needs only a handful of points where the march and bisection need ~30.
TEST(LimitPrediction, ThePredictionSavesPointsButTheCriterionDecides) {
    const struct {
        const char *what;
        LimitPredictor predict;
        int maxCalls;
    } cases[] = {
        {"exact", [](const LimitPoint &) { return failure; }, 6},
        {"five times too small", [](const LimitPoint &) { return failure / 5.0; }, 60},
        {"three times too large", [](const LimitPoint &) { return 3.0 * failure; }, 60},
        {"no number", [](const LimitPoint &) { return std::nan(""); }, 60},
        {"wrong direction", [](const LimitPoint &) { return -failure; }, 60},
        {"none", LimitPredictor(), 60},
    };
    for (const auto &c : cases) {
        int calls = 0;
        const PointAtCurvature pointAt = [&calls](double kappa, double z) {
            ++calls;
            return syntheticPoint(kappa, z);
        };
        LimitSearch search;
        search.step = 10.0;
        search.maxSteps = 1001;
        search.predict = c.predict;
        const LimitPoint a = marchAndBisect(pointAt, holds, syntheticPoint(0.0, 0.0), search);
        EXPECT_EQ(a.state, ZoneState::Elastic) << c.what;
        EXPECT_LE(a.kappa, failure) << c.what;
        EXPECT_LE(1e9 * failure - a.M, 5000.0) << c.what;
        EXPECT_LE(calls, c.maxCalls) << c.what;
    }
}

TEST(LimitPrediction, RealSectionLimitsAgreeWithAFineBisection) {
    // The limits of the example found through the prediction agree with an
    // independent fine bisection of the state change of the same section.
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    for (const int direction : {+1, -1}) {
        const LimitPoint el = elasticLimit(s, direction);
        double ok = 0.0, bad = direction * 0.02;
        for (int i = 0; i < 60; ++i) {
            const double mid = (ok + bad) / 2.0;
            (pointWithZeroN(s, mid, el.z0).state == ZoneState::Elastic ? ok : bad) = mid;
        }
        EXPECT_NEAR(el.kappa, ok, 1e-5 * std::fabs(ok)) << direction;
        EXPECT_EQ(el.state, ZoneState::Elastic);
    }
}

TEST(NeutralAxisSearch, SecantStepsAndFalsePositionNeedFewEvaluations) {
    NeutralAxisSearch search;
    search.Z_el_na = 200.0;
    search.zLow = -600.0;
    search.zHigh = 1200.0;
    // Cubic axial force with its root at 123.4: N = 1000 d + 0.5 d^3, d = z - 123.4;
    // within 30 mm of the root |dN/dz| <= 1000 + 1.5 * 900 = 2350 N/mm, at
    // kappa = 0.01 a stiffness bound of 2.35e5.
    const struct {
        const char *what;
        double start, stiffness;
        int maxCalls;
    } cases[] = {
        {"far start, 50 mm steps", 400.0, 0.0, 12},
        {"near start without a bound: one 50 mm step", 110.0, 0.0, 8},
        {"near start, first step from the stiffness bound", 110.0, 2.35e5, 5},
        {"near start from above", 140.0, 2.35e5, 5},
    };
    for (const auto &c : cases) {
        int calls = 0;
        const SectionEvaluator cubic = [&calls](double, double z) {
            ++calls;
            SectionResult r;
            const double d = z - 123.4;
            r.N = 1000.0 * d + 0.5 * d * d * d;
            return r;
        };
        search.stiffness = c.stiffness;
        const ZeroAxialForce a = neutralAxisForZeroN(cubic, 0.01, c.start, search);
        EXPECT_TRUE(a.found) << c.what;
        EXPECT_LE(std::fabs(a.response.N), 50.0) << c.what;
        EXPECT_NEAR(a.z0, 123.4, 0.05) << c.what;
        EXPECT_LE(calls, c.maxCalls) << c.what;
    }
    // A start within the tolerance is the result: one evaluation.
    int calls = 0;
    const SectionEvaluator nearRoot = [&calls](double, double z) {
        ++calls;
        SectionResult r;
        r.N = 1000.0 * (z - 123.4);
        return r;
    };
    const ZeroAxialForce b = neutralAxisForZeroN(nearRoot, 0.01, 123.42, search);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(b.z0, 123.42);
}
