// Cross-section classification against hand calculations: the limits of
// EN 1993-1-1 Table 5.2, the rigid-plastic neutral axis, the stress ratio of
// the cracked elastic section, and the classification file of a run.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/classification.h"
#include "analysis/limit_moments.h"
#include "section/concrete_slab.h"
#include "section/steel_section.h"
#include "support/section_fixture.h"

using namespace sectionfixture;

namespace {

const double pi = 3.141592653589793;
const double eps355 = std::sqrt(235.0 / 355.0);  // 0.813617
const double eps460 = std::sqrt(235.0 / 460.0);  // 0.714749

// Rectangle of width b between heights lo and hi, as a plastic material.
PlasticMaterial rectangle(double b, double lo, double hi, double f, bool tension) {
    return {[=](double z1, double z2) {
                const double a = std::max(z1, lo), c = std::min(z2, hi);
                return c > a ? b * (c - a) : 0.0;
            },
            f, tension};
}

DesignInput weldedHogging(double f_yk, double b_f1, double t_f1, double t_w) {
    DesignInput in = modelfixtures::exampleDesign();  // welded 500, slab 160 x 2000, bars 10/12 at 150
    in.f_yk = f_yk;
    in.b_f1 = b_f1;
    in.t_f1 = t_f1;
    in.t_w = t_w;
    return in;
}

}  // namespace

TEST(Classification, EpsilonOfTheSteelGrade) {
    EXPECT_DOUBLE_EQ(classificationEpsilon(235.0), 1.0);
    EXPECT_NEAR(classificationEpsilon(355.0), 0.81362, 1e-5);
    EXPECT_NEAR(classificationEpsilon(460.0), 0.71475, 1e-5);
}

TEST(Classification, LimitsOfTable52) {
    // eps = 1 throughout; the values are the formulas evaluated by hand.
    const struct {
        double c_t, alpha, psi;
        int expected;
        const char *what;
    } cases[] = {
        {200.0, 0.0, 1.0, 1, "no compression in c: class 1 whatever c/t"},
        // alpha = 1: 396/12 = 33, 456/12 = 38; psi = 1: 42/(0.67+0.33) = 42.
        {33.0, 1.0, 1.0, 1, "at the class 1 limit"},
        {33.01, 1.0, 1.0, 2, "just beyond the class 1 limit"},
        {38.0, 1.0, 1.0, 2, "at the class 2 limit"},
        {38.01, 1.0, 1.0, 3, "just beyond the class 2 limit"},
        {42.0, 1.0, 1.0, 3, "at the class 3 limit"},
        {42.01, 1.0, 1.0, 4, "just beyond the class 3 limit"},
        // alpha = 0.25 (<= 0.5): 36/0.25 = 144, 41.5/0.25 = 166.
        {144.0, 0.25, -3.0, 1, "alpha <= 0.5, class 1 limit 36/alpha"},
        {165.9, 0.25, -3.0, 2, "alpha <= 0.5, class 2 limit 41.5/alpha"},
        // alpha = 0.6 (> 0.5): 396/(7.8-1) = 58.235, 456/6.8 = 67.059.
        {58.2, 0.6, 1.0, 1, "alpha > 0.5 uses 396/(13 alpha - 1)"},
        {58.3, 0.6, 1.0, 2, "alpha > 0.5, beyond 58.235"},
        {67.0, 0.6, -0.5, 2, "alpha > 0.5, within 67.059"},
        {67.1, 0.6, -0.5, 3, "alpha > 0.5, beyond 67.059; psi = -0.5: 83.17"},
        // psi = 0: 42/0.67 = 62.687 lies below the class 2 limit: straight to 4.
        {67.1, 0.6, 0.0, 4, "psi = 0: 67.1 > 62.69"},
        // psi = -1 belongs to the second formula: 62 (1+1) sqrt(1) = 124,
        // while 42/(0.67-0.33) = 123.53 would give class 4.
        {123.8, 0.9, -1.0, 3, "psi = -1: 62 eps (1 - psi) sqrt(-psi)"},
        {124.1, 0.9, -1.0, 4, "psi = -1, beyond 124"},
        // psi = -0.5: 42/(0.67-0.165) = 83.168.
        {83.1, 0.9, -0.5, 3, "psi = -0.5 within 83.17"},
        {83.2, 0.9, -0.5, 4, "psi = -0.5 beyond 83.17"},
        // psi = -2: 62 * 3 * sqrt(2) = 263.04.
        {263.0, 0.9, -2.0, 3, "psi = -2 within 263.04"},
        {263.1, 0.9, -2.0, 4, "psi = -2 beyond 263.04"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(webClass(c.c_t, 1.0, c.alpha, c.psi), c.expected) << c.what;
    // eps scales every limit: with eps = 0.8136 and alpha = 1 the class 1
    // limit is 33 * 0.8136 = 26.85.
    EXPECT_EQ(webClass(26.8, eps355, 1.0, 1.0), 1);
    EXPECT_EQ(webClass(26.9, eps355, 1.0, 1.0), 2);

    // Outstand flange with eps = 0.8136: 7.3225, 8.1362, 11.3906.
    const ClassLimits f = outstandFlangeLimits(eps355);
    EXPECT_NEAR(f.class1, 7.3225, 1e-4);
    EXPECT_NEAR(f.class2, 8.1362, 1e-4);
    EXPECT_NEAR(f.class3, 11.3906, 1e-4);
    const struct {
        double c_t;
        int expected;
    } flanges[] = {{7.32, 1}, {7.33, 2}, {8.13, 2}, {8.14, 3}, {11.39, 3}, {11.40, 4}};
    for (const auto &c : flanges) EXPECT_EQ(classOf(c.c_t, f), c.expected) << c.c_t;
}

TEST(Classification, CompressedShareOfTheWeb) {
    // Web from z_a = 20 to z_b = 480 (c = 460).
    const struct {
        double z_pl;
        int direction;
        double alpha;
    } cases[] = {
        {500.0, +1, 0.0},           // sagging, axis above the web: web in tension
        {10.0, +1, 1.0},            // sagging, axis below the web
        {250.0, +1, 230.0 / 460.0}, // sagging, compressed above 250
        {250.0, -1, 230.0 / 460.0}, // hogging, compressed below 250
        {400.0, -1, 380.0 / 460.0},
        {10.0, -1, 0.0},            // hogging, axis below the web
        {600.0, -1, 1.0},           // hogging, axis in the slab
    };
    for (const auto &c : cases)
        EXPECT_NEAR(compressedShare(c.z_pl, 20.0, 480.0, c.direction), c.alpha, 1e-12)
            << c.z_pl << " " << c.direction;
    EXPECT_EQ(compressedShare(100.0, 50.0, 50.0, -1), 0.0);  // c = 0
}

TEST(Classification, StressRatioOfTheWebEnds) {
    // eps(z) = kappa (z0 - z); web ends z_a = 20, z_b = 480.
    const struct {
        double kappa, z0, psi;
        const char *what;
    } cases[] = {
        // Hogging, axis at 300: bottom end -0.01*280 = -2.8 (compressed),
        // top end -0.01*(-180) = +1.8 -> psi = 1.8 / -2.8 = -0.642857.
        {-0.01, 300.0, -180.0 / 280.0, "hogging, axis inside the web"},
        // Hogging, axis at 600 (in the slab): -5.8 and -1.2 -> psi = 1.2/5.8.
        {-0.01, 600.0, 120.0 / 580.0, "hogging, whole web compressed"},
        // Sagging, axis at 100: top end compressed 0.01*(100-480) = -3.8,
        // bottom end +0.8 -> psi = 0.8 / -3.8.
        {0.01, 100.0, -80.0 / 380.0, "sagging, axis low in the web"},
        // Sagging, axis above the web: both ends in tension.
        {0.01, 500.0, 1.0, "no compressed end"},
        {0.0, 300.0, 1.0, "no curvature"},
        // Axis at 100 while hogging: bottom end -0.8, top +3.8 -> psi = -4.75.
        {-0.01, 100.0, -380.0 / 80.0, "tension end larger than the compressed end"},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(stressRatio(c.kappa, c.z0, 20.0, 480.0), c.psi, 1e-12) << c.what;
}

TEST(Classification, PlasticNeutralAxisOfStressBlocks) {
    // Steel 10 x 100 (0..100, f = 100) under concrete 100 x 50 (100..150, f = 10).
    const std::vector<PlasticMaterial> m = {rectangle(10.0, 0.0, 100.0, 100.0, true),
                                            rectangle(100.0, 100.0, 150.0, 10.0, false)};
    // Sagging: 50000 + 1000 (100 - z) = 1000 z -> z = 75.
    EXPECT_NEAR(plasticNeutralAxis(m, +1, 0.0, 150.0), 75.0, 1e-7);
    // Hogging: the concrete above is in tension and carries nothing:
    // 1000 z = 1000 (100 - z) -> z = 50.
    EXPECT_NEAR(plasticNeutralAxis(m, -1, 0.0, 150.0), 50.0, 1e-7);

    // Hogging with a strong bar above (f A = 300000 over 140..142): the axis
    // moves into the bar; all steel (100000), the concrete below the axis and
    // the bar below it are compressed:
    // 100000 + 1000 (z - 100) + 150000 (z - 140) = 150000 (142 - z)
    // -> 301000 z = 150000 * 142 + 150000 * 140 -> z = 140.53.
    std::vector<PlasticMaterial> heavy = m;
    heavy.push_back(rectangle(1.0, 140.0, 142.0, 150000.0, true));
    const double z = (150000.0 * 142.0 + 150000.0 * 140.0) / 301000.0;
    EXPECT_NEAR(plasticNeutralAxis(heavy, -1, 0.0, 150.0), z, 1e-7);
}

TEST(Classification, PlasticAxisMatchesTheEngineWithoutStrainLimits) {
    // Without strain limits the plastic limit is evaluated at kappa = +-9999,
    // where every material is at its plateau: its axis of zero force is the
    // rigid-plastic axis, found there by the zone integration of the engine.
    struct Case {
        const char *what;
        DesignInput in;
    };
    std::vector<Case> cases;
    cases.push_back({"IPE 400, example slab", exampleIPE400()});
    DesignInput ribs = exampleIPE400();
    ribs.h_profilblech = 60.0;  // sheeting ribs 60 high, concrete 150 wide
    ribs.b_p = 150.0;
    ribs.c_nom_u = 20.0;
    ribs.h_c = 200.0;
    cases.push_back({"profiled sheeting", ribs});
    DesignInput thin = modelfixtures::rolledDesign(600, 220, 12.0, 19.0, 24.0);
    thin.h_c = 100.0;  // weak slab: the sagging axis lies in the web
    thin.b_e = 500.0;
    thin.c_nom_o = 20.0;
    thin.c_nom_u = 20.0;
    cases.push_back({"IPE 600 under a narrow slab", thin});
    cases.push_back({"welded", modelfixtures::exampleDesign()});
    for (Case &c : cases) {
        c.in.set_e_cu3 = "OFF";
        c.in.set_verfestigung_s = "OFF";
        SectionUnderTest t(c.in);
        CompositeSection &s = t.section();
        const double top = s.h_a + s.slab.h_c;
        for (int direction : {+1, -1}) {
            const double z_pl = plasticNeutralAxis(plasticMaterialsOf(s), direction, 0.0, top);
            const LimitPoint probe = plasticLimit(s, direction);
            ASSERT_EQ(probe.kappa, direction * 9999.0) << c.what;
            EXPECT_NEAR(z_pl, probe.z0, 0.05) << c.what << " direction " << direction;
        }
    }
}

TEST(Classification, RolledProfileInSaggingIsClass1) {
    SectionUnderTest t(exampleIPE400());
    const SectionClassification k = classifySection(t.section(), +1);
    // Hand: steel A_a = 2*180*13.5 + 373*8.6 + (4-pi)*21^2 = 8446.4 mm^2,
    // A_a f_yd = 2.998 MN; the slab carries 160*2000*17 = 5.44 MN, so the
    // axis lies in the slab and the web is in tension: alpha = 0, class 1.
    EXPECT_GT(k.z_pl, 400.0);
    EXPECT_EQ(k.alpha, 0.0);
    EXPECT_EQ(k.klasse_steg, 1);
    // Top flange c/t = (180 - 8.6 - 42) / 2 / 13.5 = 4.79259, class 1.
    EXPECT_NEAR(k.c_t_flansch, 64.7 / 13.5, 1e-9);
    EXPECT_EQ(k.klasse_flansch, 1);
    // Web c/t = (400 - 27 - 42) / 8.6 = 38.4884.
    EXPECT_NEAR(k.c_t_steg, 331.0 / 8.6, 1e-9);
    // Elastic sagging limit: the slab (2000 x 160, n = E_a/E_c = 21.6) puts
    // the elastic axis at about 378 mm, above z_b = 365.5: no web end compressed.
    EXPECT_EQ(k.psi, 1.0);
    EXPECT_NEAR(k.eps, eps355, 1e-12);
    EXPECT_EQ(k.klasse, 1);
}

TEST(Classification, SaggingTopFlangeIsHeldByTheSlab) {
    // A wide thin top flange, (400 - 10) / 2 / 10 = 19.5, would be class 4 as
    // a free outstand; sagging it is class 1, and its c/t is still reported.
    DesignInput in = modelfixtures::exampleDesign();
    in.b_f2 = 400.0;
    in.t_f2 = 10.0;
    SectionUnderTest t(in);
    const SectionClassification k = classifySection(t.section(), +1);
    EXPECT_NEAR(k.c_t_flansch, 19.5, 1e-12);
    EXPECT_EQ(k.klasse_flansch, 1);
}

TEST(Classification, IPE400HoggingWithHeavyBarsIsClass3ByPsi) {
    DesignInput in = exampleIPE400();
    in.d_o = 20.0;  // 21 bars 20 at 100 on top, 21 bars 16 at 100 below
    in.d_u = 16.0;
    in.AbstandobereLage = 100.0;
    in.AbstanduntereLage = 100.0;
    SectionUnderTest t(in);
    const SectionClassification k = classifySection(t.section(), -1);
    // Plastic: bars 21 pi (10^2 + 8^2) = 10819.6 mm^2 at 434.78 = 4.704 MN
    // exceed the whole steel, 8446.4 * 355 = 2.998 MN: the axis lies in the
    // slab, the web is compressed over all of c: alpha = 1.
    EXPECT_GT(k.z_pl, 400.0);
    EXPECT_EQ(k.alpha, 1.0);
    // c/t = 331 / 8.6 = 38.488 > 456 eps / 12 = 30.917: not class 2.
    EXPECT_NEAR(k.c_t_steg, 38.4884, 1e-4);
    // Elastic hogging limit, cracked slab: steel 8446.4 mm^2 at 200, bars
    // n = 200/210 times 6597.3 at 520 and 4222.3 at 438:
    // z_el = (8446.4*200 + 0.95238*(6597.3*520 + 4222.3*438)) / (8446.4 + 0.95238*10819.6)
    //      = 358.27 mm. Steel yields first (1.69 / 358.3 < 2.17 / 171.7).
    // psi = (358.27 - 365.5) / (358.27 - 34.5) = -0.02233.
    EXPECT_NEAR(k.psi, -0.02233, 2e-4);
    // Class 3 limit 42 eps / (0.67 + 0.33 psi) = 51.57 >= 38.49.
    EXPECT_EQ(k.klasse_steg, 3);
    // Bottom flange c/t = 4.79 <= 9 eps = 7.32.
    EXPECT_EQ(k.klasse_flansch, 1);
    EXPECT_EQ(k.klasse, 3);
}

TEST(Classification, WeldedHoggingWebPartlyCompressed) {
    // Welded 500 x 200 x 20 / 10, example slab and bars (A_s = 14 pi (5^2 + 6^2)
    // = 2682.9 mm^2, f_sd = 434.78: 1.1665 MN).
    SectionUnderTest t(modelfixtures::exampleDesign());
    const SectionClassification k = classifySection(t.section(), -1);
    // 3550 (z - 20) = 3550 (480 - z) + 1166486 -> z_pl = (1775000 + 1166486) / 7100.
    const double A_s = 14.0 * pi * (25.0 + 36.0);
    const double z_pl = (1775000.0 + A_s * 500.0 / 1.15) / 7100.0;  // 414.29
    EXPECT_NEAR(k.z_pl, z_pl, 1e-6);
    EXPECT_NEAR(k.alpha, (z_pl - 20.0) / 460.0, 1e-8);  // 0.8572
    // Elastic: (12600*250 + n (1099.6*535 + 1583.4*624)) / (12600 + n 2682.9) = 306.90.
    const double n = 200000.0 / 210000.0;
    const double A_su = 14.0 * pi * 25.0, A_so = 14.0 * pi * 36.0;
    const double z_el = (12600.0 * 250.0 + n * (A_su * 535.0 + A_so * 624.0)) /
                        (12600.0 + n * (A_su + A_so));
    EXPECT_NEAR(k.psi, (z_el - 480.0) / (z_el - 20.0), 2e-4);  // -0.6034
    // c/t = 46 > 456 eps / (13 alpha - 1) = 36.58; <= 42 eps / (0.67 + 0.33 psi) = 72.6.
    EXPECT_EQ(k.c_t_steg, 46.0);
    EXPECT_EQ(k.klasse_steg, 3);
    EXPECT_EQ(k.klasse, 3);
}

TEST(Classification, SlenderWeldedBottomFlangeDecidesAndEpsilonMatters) {
    // Welded, bottom flange b_f1 x t_f1, web 20 thick so that the web stays
    // class 1 in every grade: c/t_w = 467/20 = 23.35 <= 396 eps/12 (23.59 for S460).
    const struct {
        double f_yk, b_f1, t_f1;
        double c_t;
        int flange;
        const char *what;
    } cases[] = {
        // c = (300 - 20) / 2 = 140; c/t = 140 / 13 = 10.769.
        {235.0, 300.0, 13.0, 140.0 / 13.0, 3, "S235: 10 < 10.77 <= 14"},
        {355.0, 300.0, 13.0, 140.0 / 13.0, 3, "S355: 8.14 < 10.77 <= 11.39"},
        {460.0, 300.0, 13.0, 140.0 / 13.0, 4, "S460: 10.77 > 14 * 0.7147 = 10.006"},
        {355.0, 300.0, 10.0, 14.0, 4, "S355: 14 > 11.39"},
        // On each side of 9 eps with eps = 1 (t_w = 20, t_f1 = 20): c = 180 at b_f1 = 380.
        {235.0, 379.9, 20.0, 179.95 / 20.0, 1, "S235: 8.9975 <= 9"},
        {235.0, 380.1, 20.0, 180.05 / 20.0, 2, "S235: 9.0025 > 9"},
    };
    for (const auto &c : cases) {
        SectionUnderTest t(weldedHogging(c.f_yk, c.b_f1, c.t_f1, 20.0));
        const SectionClassification k = classifySection(t.section(), -1);
        EXPECT_NEAR(k.c_t_flansch, c.c_t, 1e-12) << c.what;
        EXPECT_EQ(k.klasse_flansch, c.flange) << c.what;
        EXPECT_EQ(k.klasse_steg, 1) << c.what;
        EXPECT_EQ(k.klasse, c.flange) << c.what;
    }
}

TEST(Classification, LeavesTheShearReducedStateOfTheLimitMoments) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    s.steel.shearCheck(0.9 * s.steel.V_pl_Rd);  // rho = 0.64: f_yd reduced to 127.8
    const double fyd_red = s.steel.fyd_red, e_y_red = s.steel.e_y_red;
    ASSERT_NEAR(fyd_red, 0.36 * 355.0, 1e-9);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    const LimitPoint before[] = {s.elasticLimit[0], s.elasticLimit[1], s.plasticLimit[0],
                                 s.plasticLimit[1]};

    writeSectionClassification(s);
    EXPECT_EQ(s.steel.fyd_red, fyd_red);
    EXPECT_EQ(s.steel.e_y_red, e_y_red);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    const LimitPoint after[] = {s.elasticLimit[0], s.elasticLimit[1], s.plasticLimit[0],
                                s.plasticLimit[1]};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i].M, before[i].M) << i;
        EXPECT_EQ(after[i].kappa, before[i].kappa) << i;
        EXPECT_EQ(after[i].z0, before[i].z0) << i;
    }

    // The classification itself does not depend on the shear reduction, and
    // tension stiffening switched on stays on.
    t.calc.switchTensionStiffeningOn();
    const double e_ct = s.slab.e_ct;
    ASSERT_GT(e_ct, 0.0);
    const SectionClassification reduced = classifySection(s, -1);
    EXPECT_TRUE(s.slab.tensionStiffening);
    EXPECT_EQ(s.slab.e_ct, e_ct);
    SectionUnderTest fresh(exampleIPE400());
    const SectionClassification unreduced = classifySection(fresh.section(), -1);
    EXPECT_EQ(reduced.alpha, unreduced.alpha);
    EXPECT_EQ(reduced.psi, unreduced.psi);
    EXPECT_EQ(reduced.klasse, unreduced.klasse);
}
