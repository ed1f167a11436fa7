// Exact sub-zone integration against an independent fine strip sum, rounding
// and the sub-zone state rules.
#include <gtest/gtest.h>

#include <cmath>

#include "section/concrete_slab.h"
#include "support/section_fixture.h"
#include "section/section_response.h"
#include "section/steel_section.h"
#include "section/zone_integration.h"

using namespace sectionfixture;

TEST(RoundTo, HalvesAwayFromZeroAndZeroStaysZero) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {0.125, 2, 0.13}, {-0.125, 2, -0.13}, {2.5, 0, 3.0},       {-2.5, 0, -3.0},
        {0.0, 8, 0.0},    {1.23449, 3, 1.234}, {-1.23451, 3, -1.235}, {7.0, 10, 7.0},
        {1e20, 10, 1e20}, {123456.7, 7, 123456.7},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(roundTo(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
    EXPECT_FALSE(std::signbit(roundTo(0.0, 7)));
}

TEST(ZoneCuts, CutsOnlyInsideAtBothLimitsInAscendingOrder) {
    // eps(z) = 3 - 0.1 z: -1.75 at z = 47.5, 0 at z = 30.
    const StrainPlane plane{3.0, 0.1};
    ZoneCuts c = cutZone({0.0, 100.0, -1.75, 0.0, 8, ZoneMaterial::ConcreteOrBar}, plane);
    ASSERT_EQ(c.count, 4);
    EXPECT_DOUBLE_EQ(c.z[1], 30.0);
    EXPECT_DOUBLE_EQ(c.z[2], 47.5);
    // Ends at a cut carry the limit itself; the outer ends the rounded plane strain.
    EXPECT_EQ(cutStrain(c, 1, plane, 8), 0.0);
    EXPECT_EQ(cutStrain(c, 2, plane, 8), -1.75);
    EXPECT_EQ(cutStrain(c, 3, plane, 8), -7.0);
    // Steel S235: e_y = 1.1190476190476... rounds below itself at 10 places,
    // yet the fibre at the cut has yielded.
    const double e_y = 235.0 / 210000.0 * 1000.0;
    ASSERT_LT(roundTo(e_y, 10), e_y);
    const StrainPlane steelPlane{3.0, 0.01};
    const ZoneCuts sc = cutZone({0.0, 500.0, -e_y, e_y, 10, ZoneMaterial::Steel}, steelPlane);
    ASSERT_EQ(sc.count, 4);
    EXPECT_EQ(cutStrain(sc, 1, steelPlane, 10), e_y);
    EXPECT_EQ(steelStress(cutStrain(sc, 1, steelPlane, 10), 235.0, e_y, 210000.0, false, 235.0).state,
              ZoneState::Yielded);
    // A limit reached exactly at an edge makes no extra sub-zone.
    c = cutZone({30.0, 40.0, -1.75, 0.0, 8, ZoneMaterial::ConcreteOrBar}, plane);
    EXPECT_EQ(c.count, 2);
    // No curvature: one sub-zone; no height: none.
    EXPECT_EQ(cutZone({0.0, 100.0, -1.75, 0.0, 8, ZoneMaterial::ConcreteOrBar}, {1.0, 0.0}).count,
              2);
    EXPECT_EQ(cutZone({5.0, 5.0, -1.75, 0.0, 8, ZoneMaterial::ConcreteOrBar}, plane).count, 0);
    // Equal limits (fully shear-reduced steel, e_y,red = 0) cut once.
    EXPECT_EQ(cutZone({0.0, 100.0, 0.0, 0.0, 10, ZoneMaterial::Steel}, plane).count, 3);
}

TEST(ZoneIntegration, GenericZoneMatchesStripSum) {
    // Elastic-plastic law on a rectangle 300 wide, zone 0..200, plane crossing
    // both limits: linear branch, plateau on both sides.
    auto law = [](double eps) {
        MaterialPoint p;
        p.sigma = std::max(-20.0, std::min(20.0, 10.0 * eps));
        p.state = std::fabs(eps) < 2.0 ? ZoneState::Elastic : ZoneState::Yielded;
        return p;
    };
    auto rect = [](double a, double b) { return rectangleStrip(300.0, a, b); };
    for (const StrainPlane plane : {StrainPlane{5.0, 0.05}, StrainPlane{-1.0, -0.02},
                                    StrainPlane{0.5, 0.001}}) {
        std::vector<SubZone> zones;
        integrateZone(IntegrationZone{0.0, 200.0, -2.0, 2.0, 10, ZoneMaterial::Steel}, plane, law, rect,
                      zones);
        const PartSums exact = sumSubZones(zones);
        const StripSum ref = stripSum(0.0, 200.0, plane, law, rect);
        EXPECT_NEAR(exact.N, ref.N, 1.0) << plane.eps0;
        EXPECT_NEAR(exact.M, ref.M, 200.0) << plane.eps0;
    }
}

namespace {

struct Plane {
    double kappa, z0;
    const char *what;
};

// Planes over the whole section (steel coordinates).
const Plane planes[] = {
    {0.002, 390.0, "elastic sagging, slab compressed"},
    {0.02, 470.0, "sagging, axis in the slab, steel yielded"},
    {0.3, 520.0, "sagging, concrete crushed"},
    {-0.004, 330.0, "hogging, slab cracked, steel elastic"},
    {-0.05, 380.0, "hogging, bars and steel yielded"},
    {-1.0, 250.0, "hogging far beyond rupture"},
};

void expectSlabMatchesStripSum(const ConcreteSlab &slab, double h_a, const Plane &p) {
    const StrainPlane plane{-p.kappa * (h_a - p.z0), p.kappa};
    std::vector<SubZone> concrete, bars;
    slabResponse(slab, plane.eps0, plane.kappa, &concrete, &bars);
    auto law = [&slab](double e) { return slab.concreteLaw(e); };
    auto net = [&slab](double a, double b) { return slab.concreteStrip(a, b); };
    const StripSum c = stripSum(0.0, slab.h_c, plane, law, net);
    const PartSums ce = sumSubZones(concrete);
    // With a tensile branch the stress jumps from f_ctm to 0 where the
    // concrete cracks; the midpoint rule is off by up to one strip there.
    const double f_ct = slab.e_ct * 1e-3 * slab.E_c;
    const double jump = f_ct * slab.b_e * slab.h_c / 20000;
    EXPECT_NEAR(ce.N, c.N, 2.0 + jump + 1e-6 * std::fabs(c.N)) << p.what;
    EXPECT_NEAR(ce.M, c.M, 500.0 + jump * slab.h_c + 1e-6 * std::fabs(c.M)) << p.what;

    auto barLaw = [&slab](double e) { return slab.barLaw(e); };
    StripSum b;
    for (BarLayer layer : {BarLayer::Bottom, BarLayer::Top}) {
        auto geo = [&slab, layer](double a, double z) { return slab.barStrip(layer, a, z); };
        const StripSum s = stripSum(0.0, slab.h_c, plane, barLaw, geo);
        b.N += s.N;
        b.M += s.M;
    }
    const PartSums be = sumSubZones(bars);
    EXPECT_NEAR(be.N, b.N, 2.0 + 1e-6 * std::fabs(b.N)) << p.what;
    EXPECT_NEAR(be.M, b.M, 500.0 + 1e-6 * std::fabs(b.M)) << p.what;
}

void expectSteelMatchesStripSum(const SteelSection &steel, const Plane &p) {
    const StrainPlane plane{p.kappa * p.z0, p.kappa};
    const PartSums exact = steelResponse(steel, plane.eps0, plane.kappa);
    StripSum ref;
    for (const SteelZone &z : steel.zones()) {
        auto law = [&steel, &z](double e) { return steel.law(e, z.reduced); };
        auto geo = [&steel, &z](double a, double b) { return steel.strip(a, b, z.width); };
        const StripSum s = stripSum(z.z1, z.z2, plane, law, geo, 4000);
        ref.N += s.N;
        ref.M += s.M;
    }
    EXPECT_NEAR(exact.N, ref.N, 2.0 + 1e-6 * std::fabs(ref.N)) << p.what;
    EXPECT_NEAR(exact.M, ref.M, 500.0 + 1e-6 * std::fabs(ref.M)) << p.what;
}

}  // namespace

TEST(ZoneIntegration, SlabAndRolledSteelMatchStripSumInEveryPlane) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    for (const Plane &p : planes) {
        expectSlabMatchesStripSum(s.slab, s.h_a, p);
        expectSteelMatchesStripSum(s.steel, p);
    }
}

TEST(ZoneIntegration, SheetedSlabWithTensionBranchAndReducedSteelMatchStripSum) {
    DesignInput in = modelfixtures::exampleDesign();  // welded 500 x 200 x 20 / 10
    in.h_profilblech = 50;
    in.b_p = 120;
    in.h_c = 200;
    SectionUnderTest t(in);
    CompositeSection &s = t.section();
    s.steel.shearCheck(0.9 * s.steel.V_pl_Rd);  // web reduced to 0.36 f_yd
    ASSERT_LT(s.steel.fyd_red, 0.5 * s.steel.f_yd);
    t.calc.switchTensionStiffeningOn();  // concrete law with its tensile branch
    ASSERT_GT(s.slab.e_ct, 0.0);
    const Plane sheeted[] = {{0.01, 640.0, "sagging, axis in the rib"},
                             {-0.0005, 520.0, "hogging, slab partly in tension"},
                             {0.004, 400.0, "sagging, web on the reduced plateau"},
                             {-0.02, 300.0, "hogging, everything yielded"}};
    for (const Plane &p : sheeted) {
        expectSlabMatchesStripSum(s.slab, s.h_a, p);
        expectSteelMatchesStripSum(s.steel, p);
    }
}

TEST(SubZoneStates, CrackedConcreteBelowTheAxisCarriesNothingAndStaysElastic) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    const double z0 = 500.0;  // 100 mm above the slab underside
    const double kappa = 0.01;
    SectionZones zones;
    evaluateSection(s, kappa, z0, &zones);
    int below = 0, above = 0;
    for (const SubZone &z : zones.concrete) {
        if (z.z2 <= z0 - s.h_a + 1e-9) {
            ++below;
            EXPECT_EQ(z.s1, 0.0);
            EXPECT_EQ(z.s2, 0.0);
            EXPECT_EQ(z.N, 0.0);
            EXPECT_EQ(z.state, ZoneState::Elastic);
        } else {
            ++above;
            EXPECT_LE(z.s1, 0.0);
            EXPECT_LT(z.s2, 0.0);
        }
    }
    EXPECT_EQ(below, 1);
    EXPECT_GE(above, 1);
    // With the axis in the steel the whole slab is compressed.
    evaluateSection(s, kappa, 350.0, &zones);
    for (const SubZone &z : zones.concrete) {
        EXPECT_LT(z.s1, 0.0);
        EXPECT_LT(z.s2, 0.0);
    }
}

TEST(SubZoneStates, ReducedWebStartsItsPlateauEarlier) {
    SectionUnderTest t(modelfixtures::exampleDesign());  // welded, web 20..480
    SteelSection &steel = t.section().steel;
    steel.shearCheck(0.8 * steel.V_pl_Rd);  // rho = 0.36
    ASSERT_NEAR(steel.fyd_red, 0.64 * steel.f_yd, 1e-9);
    const double kappa = 0.02, z0 = 250.0;  // eps = 0.02 (250 - z)
    std::vector<SubZone> zones;
    steelResponse(steel, kappa * z0, kappa, &zones);
    // Web: cut where |eps| = e_y,red, plateau at fyd_red.
    const double webCut = z0 - steel.e_y_red / kappa;
    const double flangeCut = z0 - steel.e_y / kappa;
    bool webCutFound = false;
    for (const SubZone &z : zones) {
        const bool web = z.z1 >= 20.0 && z.z2 <= 480.0;
        if (web && std::fabs(z.z1 - webCut) < 1e-9) webCutFound = true;
        if (web && z.z2 <= webCut + 1e-9) {
            EXPECT_NEAR(z.s1, steel.fyd_red, 1e-9);
            EXPECT_NEAR(z.s2, steel.fyd_red, 1e-9);
        }
        if (!web) {
            EXPECT_NEAR(std::fabs(z.s1), steel.f_yd, 1e-9);  // flanges fully yielded
            EXPECT_EQ(z.state, ZoneState::Yielded);
        }
    }
    EXPECT_TRUE(webCutFound);
    EXPECT_GT(webCut, flangeCut);
}
