// Tension-chord forces: closed-form nodes, the single-bar bound, layers
// without bars, shared zones and the stiffening effect on a hogging state.
#include <gtest/gtest.h>

#include <cmath>

#include "section/concrete_slab.h"
#include "support/section_fixture.h"
#include "section/section_response.h"
#include "analysis/strain_solver.h"
#include "section/tension_stiffening.h"

using namespace sectionfixture;

namespace {

TensionChord chordC30B500() {
    TensionChord c;
    c.f_ct_eff = 2.9;
    c.e_ct_eff = 2.9 / (17.0 / 1.75e-3) * 1000.0;
    c.E_s = 200000.0;
    c.f_sd = 500.0 / 1.15;
    c.e_sd = c.f_sd / c.E_s * 1000.0;
    c.e_ud = 45.0;
    c.E_s2 = 727.2727;
    c.f_ud = c.f_sd + (c.e_ud - c.e_sd) * c.E_s2 / 1000.0;
    return c;
}

}  // namespace

TEST(TensionChord, ConcreteForceAtTheNodes) {
    const TensionChord c = chordC30B500();
    const double A_s = 1000.0, A_c = 50000.0;
    const double fctAc = c.f_ct_eff * A_c;  // 145000 N
    const double shift = 0.4 * fctAc / (c.E_s * A_s) * 1000.0;
    const struct {
        double eps, expected;
        const char *what;
    } cases[] = {
        {0.0, 0.0, "no strain"},
        {-0.3, 0.0, "compression"},
        {c.e_ct_eff / 2.0, fctAc / 2.0, "uncracked, linear"},
        {c.e_ct_eff, fctAc, "cracking"},
        {0.5, fctAc - c.E_s * A_s * (0.5 - c.e_ct_eff) / 1000.0, "crack formation plateau"},
        {c.e_sd - shift, 0.4 * fctAc, "yield node: beta_t f_ct A_c"},
        {10.0, 0.0, "yielded: hardening branch of the bare bar"},
        {c.e_ud, 0.0, "beyond the last node"},
    };
    for (const auto &k : cases)
        EXPECT_NEAR(chordConcreteForce(c, A_s, A_c, k.eps), k.expected, 1e-6 * fctAc) << k.what;
    EXPECT_EQ(chordConcreteForce(c, 0.0, A_c, 0.5), 0.0);
    EXPECT_EQ(chordConcreteForce(c, A_s, 0.0, 0.5), 0.0);
}

// Regression: a single bar (slab narrower than the spacing) got the effective
// area of the whole slab width through a negative count of inner bars; it now
// takes its own zone 2w, bounded by the slab width.
TEST(TensionStiffeningForce, SingleBarTakesItsOwnZoneOnly) {
    DesignInput in = exampleIPE400();
    in.b_e = 1000.0;
    in.d_u = 4.0;
    in.AbstanduntereLage = 2000.0;  // one bar
    in.d_o = 0.0;
    SectionUnderTest t(in);
    CompositeSection &s = t.section();
    ASSERT_EQ(s.slab.bars.n_u, 1.0);
    t.calc.switchTensionStiffeningOn();
    // Uniform tension 0.5 per mille: zone 32 - 30 .. 32 + 30, w = 15 r = 30.
    const TensionStiffeningForce f = tensionStiffeningForce(s.slab, BarLayer::Bottom, 0.5, 0.0);
    const double A_1 = 3.141592653589793 * 4.0;  // one bar of 4 mm
    const double A_c_eff = 60.0 * 60.0 - A_1;
    EXPECT_NEAR(f.z_F, 32.0, 1e-9);
    EXPECT_NEAR(f.F, chordConcreteForce(tensionChordOf(s.slab), A_1, A_c_eff, 0.5), 1e-6);
    EXPECT_GT(f.F, 0.0);
    // A slab narrower than 2w bounds the zone by its width.
    in.b_e = 50.0;
    SectionUnderTest narrow(in);
    narrow.calc.switchTensionStiffeningOn();
    const TensionStiffeningForce g =
        tensionStiffeningForce(narrow.section().slab, BarLayer::Bottom, 0.5, 0.0);
    EXPECT_NEAR(g.F, chordConcreteForce(tensionChordOf(narrow.section().slab), A_1,
                                        50.0 * 60.0 - A_1, 0.5), 1e-6);
}

TEST(TensionStiffeningForce, LayersWithoutBarsOrWithoutTensionTakeNothing) {
    DesignInput in = exampleIPE400();
    in.d_u = 0.0;
    in.d_o = 0.0;
    SectionUnderTest t(in);
    CompositeSection &s = t.section();
    t.calc.switchTensionStiffeningOn();
    for (BarLayer layer : {BarLayer::Bottom, BarLayer::Top}) {
        const TensionStiffeningForce f = tensionStiffeningForce(s.slab, layer, 2.0, -0.01);
        EXPECT_EQ(f.F, 0.0);
    }
    const SectionResult r = evaluateSection(s, -0.01, 300.0);
    EXPECT_TRUE(allFinite({r.N, r.M}));
    // With bars, but the slab compressed: no force.
    SectionUnderTest bars(exampleIPE400());
    bars.calc.switchTensionStiffeningOn();
    EXPECT_EQ(tensionStiffeningForce(bars.section().slab, BarLayer::Top, -0.5, 0.001).F, 0.0);
}

TEST(TensionStiffeningZone, TwoLayersInTensionShareTheirDistance) {
    // Own shares; or the top layer takes what the bottom layer's 15 r leaves.
    const struct {
        double d_o, top;  // top of the top zone: c_nom + r, or only 15 r
    } cases[] = {{12.0, 160.0}, {4.0, 158.0}};
    for (const auto &c : cases) {
        const double d_o = c.d_o;
        DesignInput in = exampleIPE400();
        in.d_o = d_o;
        SectionUnderTest t(in);
        ConcreteSlab &slab = t.section().slab;
        t.calc.switchTensionStiffeningOn();
        const double eps_b = 1.0, kappa = -0.01;  // hogging: both layers in tension
        ASSERT_TRUE(layerInTension(slab, BarLayer::Bottom, eps_b, kappa));
        ASSERT_TRUE(layerInTension(slab, BarLayer::Top, eps_b, kappa));
        const EffectiveZone bottom = effectiveZone(slab, BarLayer::Bottom, true, eps_b, kappa);
        const EffectiveZone top = effectiveZone(slab, BarLayer::Top, true, eps_b, kappa);
        EXPECT_NEAR(bottom.z2, top.z1, 1e-9) << d_o;
        EXPECT_NEAR(bottom.z1, 0.0, 1e-9);  // down to the slab underside (cover + r)
        EXPECT_NEAR(top.z2, c.top, 1e-9);
    }
}

TEST(TensionStiffeningEffect, HoggingCurvatureIsSmallerWithTensionStiffening) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    t.calc.setActions(-3e8, 1e5);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    const DesignState without = solveDesignState(s);
    t.calc.switchTensionStiffeningOn();
    const DesignState with = solveDesignState(s);
    ASSERT_FALSE(without.failed);
    ASSERT_FALSE(with.failed);
    EXPECT_LT(with.point.kappa, 0.0);
    EXPECT_LT(std::fabs(with.point.kappa), 0.95 * std::fabs(without.point.kappa));
    EXPECT_GT(std::fabs(with.point.kappa), 0.3 * std::fabs(without.point.kappa));
}
