// Neutral axis for N = 0, uncracked elastic range and design state.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "section/concrete_slab.h"
#include "support/section_fixture.h"
#include "section/section_response.h"
#include "section/steel_section.h"
#include "analysis/strain_solver.h"

using namespace sectionfixture;

namespace {

NeutralAxisSearch searchBetween(double zLow, double zHigh) {
    NeutralAxisSearch s;
    s.Z_el_na = 200.0;
    s.tolN = 50.0;
    s.zLow = zLow;
    s.zHigh = zHigh;
    return s;
}

}  // namespace

TEST(NeutralAxis, BracketsAndBisectsToTheToleranceInBothDirections) {
    // Sagging: N < 0 below the root, so the search moves up; hogging the mirror.
    for (const double kappa : {0.01, -0.01}) {
        int calls = 0;
        const SectionEvaluator linear = [&calls](double k, double z) {
            ++calls;
            SectionResult r;
            r.N = (k > 0 ? 1000.0 : -1000.0) * (z - 123.4);
            return r;
        };
        const ZeroAxialForce a =
            neutralAxisForZeroN(linear, kappa, 0.0, searchBetween(-600, 1200));
        EXPECT_TRUE(a.found);
        EXPECT_NEAR(a.z0, 123.4, 0.05);
        EXPECT_LE(std::fabs(a.response.N), 50.0);
        EXPECT_LT(calls, 40);
        // Started above the root the search moves down.
        const ZeroAxialForce b =
            neutralAxisForZeroN(linear, kappa, 480.0, searchBetween(-600, 1200));
        EXPECT_NEAR(b.z0, 123.4, 0.05);
    }
}

TEST(NeutralAxis, ZeroCurvatureGivesTheElasticAxisWithoutSearching) {
    int calls = 0;
    const SectionEvaluator count = [&calls](double, double) {
        ++calls;
        return SectionResult();
    };
    const ZeroAxialForce a = neutralAxisForZeroN(count, 0.0, 999.0, searchBetween(-600, 1200));
    EXPECT_DOUBLE_EQ(a.z0, 200.0);
    EXPECT_EQ(calls, 1);  // only the evaluation at the result
}

// Regression: an axial force that never changes sign used to send the bracket
// search on an endless walk; now it stops beyond the section and reports failure.
TEST(NeutralAxis, WithoutARootTheSearchEndsAndReportsFailure) {
    int calls = 0;
    const SectionEvaluator alwaysCompressed = [&calls](double, double) {
        ++calls;
        SectionResult r;
        r.N = -1.0e6;
        return r;
    };
    const ZeroAxialForce a =
        neutralAxisForZeroN(alwaysCompressed, 0.01, 300.0, searchBetween(-560, 1120));
    EXPECT_FALSE(a.found);
    EXPECT_EQ(a.response.state, ZoneState::Failed);
    EXPECT_LT(calls, 30);  // (1120 - 300) / 50 steps and one beyond
}

// Regression: a start height that is no number or infinite (the transformed
// section of absurd moduli overflows) walked 100000 bracket steps per call.
TEST(NeutralAxis, AStartOutsideTheSectionBeginsAtTheNearerEndOfTheRange) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double zStart : {inf, -inf, std::nan(""), 5000.0, -5000.0}) {
        int calls = 0;
        const SectionEvaluator linear = [&calls](double, double z) {
            ++calls;
            SectionResult r;
            r.N = 1000.0 * (z - 123.4);
            return r;
        };
        const ZeroAxialForce a =
            neutralAxisForZeroN(linear, 0.01, zStart, searchBetween(-600, 1200));
        EXPECT_TRUE(a.found) << zStart;
        EXPECT_NEAR(a.z0, 123.4, 0.05) << zStart;
        EXPECT_LT(calls, 80) << zStart;  // (1200 + 600) / 50 steps at most, then bisection
    }
}

// An axial force that jumps across the root (huge forces of absurd moduli)
// never meets the tolerance; the bisection stops once the bracket is as small
// as the heights can resolve instead of evaluating all 150 midpoints.
TEST(NeutralAxis, BisectionStopsWhenTheBracketCannotShrink) {
    int calls = 0;
    const SectionEvaluator jump = [&calls](double, double z) {
        ++calls;
        SectionResult r;
        r.N = z < 123.4 ? -1.0e12 : 1.0e12;
        return r;
    };
    const ZeroAxialForce a = neutralAxisForZeroN(jump, 0.01, 0.0, searchBetween(-600, 1200));
    EXPECT_TRUE(a.found);
    EXPECT_NEAR(a.z0, 123.4, 1e-12);
    EXPECT_LT(calls, 70);  // a few bracket steps, about 50 halvings of 50 mm to the last digit
}

TEST(NeutralAxis, RealSectionStatesHaveZeroAxialForce) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    const double curvatures[] = {0.001, 0.01, 0.05, 9999.0, -0.002, -0.03, -9999.0};
    for (const bool ts : {false, true}) {
        if (ts) t.calc.switchTensionStiffeningOn();
        for (const double kappa : curvatures) {
            const LimitPoint p = pointWithZeroN(s, kappa, s.Z_el_na);
            EXPECT_LE(std::fabs(p.N), 50.0) << kappa << (ts ? " with TS" : "");
            EXPECT_GT(p.z0, 0.0);
            EXPECT_LT(p.z0, s.h_a + s.slab.h_c);
            const SectionResult again = evaluateSection(s, kappa, p.z0);
            EXPECT_DOUBLE_EQ(again.N, p.N);
            EXPECT_DOUBLE_EQ(again.M, p.M);
        }
    }
}

TEST(SectionEvaluation, ZeroCurvatureIsStressFree) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    const LimitPoint p = pointWithZeroN(s, 0.0, 123.0);
    EXPECT_DOUBLE_EQ(p.z0, s.Z_el_na);
    EXPECT_EQ(p.N, 0.0);
    EXPECT_EQ(p.M, 0.0);
    EXPECT_EQ(p.state, ZoneState::Elastic);
}

TEST(ElasticRange, CandidatesByHand) {
    ElasticRangeInput in;
    in.Z = 300.0;
    in.h_a = 400.0;
    in.h_c = 160.0;
    in.e_c3 = -1.75;
    in.e_ct = 0.0;
    in.e_sd = 2.174;
    in.e_y = 1.69;
    in.z_so = 124.0;
    in.r_o = 6.0;
    in.z_su = 35.0;
    in.r_u = 5.0;
    // Sagging: the steel underside yields first (1.69 / 300); the slab is
    // compressed, so the missing tensile strength does not limit this side.
    ElasticRangeCurvatures k = elasticRangeCurvatures(in);
    EXPECT_NEAR(k.positive, 1.69 / 300.0, 1e-15);
    // Hogging: the slab top goes into tension at once.
    EXPECT_EQ(k.negative, 0.0);
    // Axis in the slab: sagging puts the slab underside into tension at once.
    in.Z = 450.0;
    k = elasticRangeCurvatures(in);
    EXPECT_EQ(k.positive, 0.0);
    // With tensile strength the hogging range reaches e_ct at the slab top.
    in.Z = 300.0;
    in.e_ct = 0.1;
    k = elasticRangeCurvatures(in);
    EXPECT_NEAR(k.negative, 0.1 / (300.0 - 560.0), 1e-15);
    // Layers without bars add no candidate: top bars otherwise limit sagging.
    in.e_y = 5.0;
    EXPECT_NEAR(elasticRangeCurvatures(in).positive, 1.75 / 260.0, 1e-15);
    in.e_sd = 1.0;
    EXPECT_NEAR(elasticRangeCurvatures(in).positive, 1.0 / 230.0, 1e-15);
    in.r_o = 0.0;
    in.r_u = 0.0;
    EXPECT_NEAR(elasticRangeCurvatures(in).positive, 1.75 / 260.0, 1e-15);
}

namespace {

void prepareLimitState(SectionUnderTest &t, double M_Ed, double V_Ed) {
    t.calc.setActions(M_Ed, V_Ed);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
}

void expectEquilibrium(const CompositeSection &s, const DesignState &d, const char *what) {
    ASSERT_FALSE(d.failed) << what;
    const SectionResult back = evaluateSection(s, d.point.kappa, d.point.z0);
    EXPECT_LE(std::fabs(back.N), 50.0) << what;
    EXPECT_LE(std::fabs(back.M - s.M_Ed), 5000.0) << what;
    EXPECT_NEAR(back.M, d.point.M, 1e-6) << what;
    EXPECT_TRUE(std::isfinite(d.EI_i)) << what;
    if (d.point.kappa != 0.0) {
        EXPECT_NEAR(d.EI_i, d.point.M / (d.point.kappa / 1000.0), 1.0);
    }
}

}  // namespace

TEST(DesignState, SolvedStatesReproduceTheirMomentWithZeroAxialForce) {
    const struct {
        double M_Ed;
        const char *what;
    } cases[] = {{2e8, "sagging, uncracked range"}, {8e8, "sagging, beyond the elastic limit"},
                 {9.5e8, "sagging, close to the plastic limit"}, {-1e8, "hogging, cracked"},
                 {-6e8, "hogging, yielded"}};
    for (const bool ts : {false, true}) {
        for (const auto &c : cases) {
            SectionUnderTest t(exampleIPE400());
            CompositeSection &s = t.section();
            prepareLimitState(t, c.M_Ed, 1e5);
            if (ts) t.calc.switchTensionStiffeningOn();
            const DesignState d = solveDesignState(s);
            expectEquilibrium(s, d, c.what);
        }
    }
}

// Regression: EI_i = M / (kappa / 1000) was undefined for a zero design moment.
TEST(DesignState, ZeroMomentGivesZeroCurvatureAndTheUncrackedStiffness) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    prepareLimitState(t, 0.0, 0.0);
    const DesignState d = solveDesignState(s);
    ASSERT_FALSE(d.failed);
    EXPECT_EQ(d.point.kappa, 0.0);
    EXPECT_DOUBLE_EQ(d.point.z0, s.Z_el_na);
    EXPECT_EQ(d.point.state, ZoneState::Elastic);
    EXPECT_TRUE(std::isfinite(d.EI_i));
    EXPECT_DOUBLE_EQ(d.EI_i, s.slab.E_c * s.I_f);
}

TEST(DesignState, BeyondThePlasticLimitTheSectionFails) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    prepareLimitState(t, 0.0, 0.0);
    for (const double M : {s.plasticLimit[1].M + 1e5, s.plasticLimit[0].M - 1e5, 1e15, -1e15}) {
        s.M_Ed = M;
        const DesignState d = solveDesignState(s);
        EXPECT_TRUE(d.failed) << M;
        EXPECT_EQ(d.point.state, ZoneState::Failed);
        EXPECT_EQ(d.point.kappa, 0.0);
        EXPECT_EQ(d.point.M, 0.0);
    }
}

// Regression: under high shear the shear area yields at e_y,red. The
// uncracked range, which is evaluated without N iteration, used e_y and
// gave states out of equilibrium; it now ends where the reduced zones yield.
TEST(DesignState, ShearReducedWebLimitsTheUncrackedRange) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    computeUncrackedElasticRange(s);
    const double fullRange = s.elasticRange[1].M;
    s.steel.shearCheck(0.9 * s.steel.V_pl_Rd);
    ASSERT_LT(s.steel.e_y_red, 0.5 * s.steel.e_y);
    prepareLimitState(t, 0.8 * fullRange, 0.9 * s.steel.V_pl_Rd);
    EXPECT_LT(s.elasticRange[1].M, 0.5 * fullRange);
    expectEquilibrium(s, solveDesignState(s), "web on its reduced plateau");
}
