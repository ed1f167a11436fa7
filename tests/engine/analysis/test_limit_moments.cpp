// Elastic and plastic limit moments against hand calculations: rigid-plastic
// stress blocks, the transformed uncracked and cracked sections.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "section/concrete_slab.h"
#include "analysis/limit_moments.h"
#include "support/section_fixture.h"
#include "section/section_response.h"
#include "section/steel_section.h"
#include "analysis/strain_solver.h"

using namespace sectionfixture;

namespace {

const double pi = 3.141592653589793;
// Moment bracket of the bisection plus |N| <= 50 N acting at up to the
// section height (660 mm) from the steel underside, where M is taken.
const double momentTolerance = 5000.0 + 50.0 * 660.0;

// Rigid-plastic stress blocks of a welded section with its slab: concrete
// carries f_cd in compression only, steel f_yd and bars f_sd either way.
// Heights above the steel underside.
struct PlasticBlocks {
    struct Rect {
        double b, z1, z2, f;
        bool compressionOnly;
    };
    struct Bars {
        double n, r, zc;
    };
    std::vector<Rect> rects;
    std::vector<Bars> bars;
    double f_sd = 0.0, f_c = 0.0;  // bar strength, concrete strength (positive)
    double slabBottom = 0.0, slabTop = 0.0;

    // Force and moment (M = -sum sigma A z) for the axis zn; sagging compresses above.
    void sums(double zn, bool sagging, double &N, double &M) const {
        N = M = 0.0;
        auto add = [&](double sigma, double A, double z) {
            N += sigma * A;
            M -= sigma * A * z;
        };
        for (const Rect &r : rects) {
            const double lo = std::min(std::max(zn, r.z1), r.z2);  // split height
            const double Aabove = r.b * (r.z2 - lo), Abelow = r.b * (lo - r.z1);
            const double zAbove = (lo + r.z2) / 2.0, zBelow = (r.z1 + lo) / 2.0;
            const double above = sagging ? -r.f : (r.compressionOnly ? 0.0 : r.f);
            const double below = sagging ? (r.compressionOnly ? 0.0 : r.f) : -r.f;
            add(above, Aabove, zAbove);
            add(below, Abelow, zBelow);
        }
        for (const Bars &b : bars) {
            // Circle part above the chord at distance d from the centre.
            const double d = std::min(std::max(zn - b.zc, -b.r), b.r);
            const double Aabove = b.r * b.r * std::acos(d / b.r) - d * std::sqrt(b.r * b.r - d * d);
            const double Sabove = Aabove > 0.0
                                      ? Aabove * b.zc + 2.0 / 3.0 * std::pow(b.r * b.r - d * d, 1.5)
                                      : 0.0;
            const double Aall = pi * b.r * b.r;
            const double Abelow = Aall - Aabove, Sbelow = Aall * b.zc - Sabove;
            // In the compressed concrete the bar replaces concrete.
            const double comp = -f_sd + f_c;
            const double above = sagging ? comp : f_sd;
            const double below = sagging ? f_sd : comp;
            N += b.n * (above * Aabove + below * Abelow);
            M -= b.n * (above * Sabove + below * Sbelow);
        }
    }

    // Axis of zero force by bisection (N grows as the axis rises when sagging).
    double plasticMoment(bool sagging) const {
        double lo = -1.0, hi = slabTop + 1.0;
        double N = 0.0, M = 0.0;
        for (int i = 0; i < 200; ++i) {
            const double mid = (lo + hi) / 2.0;
            sums(mid, sagging, N, M);
            if ((N < 0.0) == sagging) lo = mid;
            else hi = mid;
        }
        sums((lo + hi) / 2.0, sagging, N, M);
        return M;
    }
};

PlasticBlocks blocksOf(const DesignInput &in, double f_cd, double f_yd, double f_sd) {
    PlasticBlocks p;
    const double h = in.h;
    p.rects = {{in.b_f1, 0.0, in.t_f1, f_yd, false},
               {in.t_w, in.t_f1, h - in.t_f2, f_yd, false},
               {in.b_f2, h - in.t_f2, h, f_yd, false},
               {in.b_e, h, h + in.h_c, f_cd, true}};
    const double n_u = std::floor(in.b_e / in.AbstanduntereLage) + 1.0;
    const double n_o = std::floor(in.b_e / in.AbstandobereLage) + 1.0;
    p.bars = {{n_u, in.d_u / 2.0, h + in.c_nom_u + in.d_u / 2.0},
              {n_o, in.d_o / 2.0, h + in.h_c - in.c_nom_o - in.d_o / 2.0}};
    p.f_sd = f_sd;
    p.f_c = f_cd;
    p.slabBottom = h;
    p.slabTop = h + in.h_c;
    return p;
}

}  // namespace

TEST(PlasticLimit, WithoutStrainLimitsEqualsTheRigidPlasticMoment) {
    const struct {
        double b_e;
        const char *what;
    } cases[] = {{2000.0, "axis in the slab when sagging"}, {600.0, "axis in the steel"}};
    for (const auto &c : cases) {
        DesignInput in = modelfixtures::exampleDesign();  // welded 500 x 200 x 20 / 10
        in.set_e_cu3 = "OFF";
        in.set_verfestigung_s = "OFF";
        in.b_e = c.b_e;
        SectionUnderTest t(in);
        const CompositeSection &s = t.section();
        const PlasticBlocks hand = blocksOf(in, 0.85 * 30.0 / 1.5, 355.0, 500.0 / 1.15);
        for (const int direction : {+1, -1}) {
            const LimitPoint p = plasticLimit(s, direction);
            EXPECT_EQ(p.kappa, direction * 9999.0) << c.what;
            EXPECT_NE(p.state, ZoneState::Failed);
            EXPECT_LE(std::fabs(p.N), 50.0);
            const double M = hand.plasticMoment(direction > 0);
            EXPECT_NEAR(p.M, M, 5e4 + 1e-5 * std::fabs(M)) << c.what << " " << direction;
        }
    }
}

TEST(PlasticLimit, SteelPartOfAWeldedISectionAtFullPlasticity) {
    DesignInput in = modelfixtures::exampleDesign();
    SectionUnderTest t(in);
    const SteelSection &steel = t.section().steel;
    const double h = 500.0, b = 200.0, t_f = 20.0, t_w = 10.0, f_yd = 355.0;
    const double h_w = h - 2.0 * t_f;
    const double M_pl = b * t_f * (h - t_f) * f_yd + t_w * h_w * h_w / 4.0 * f_yd;
    for (const double kappa : {9999.0, -9999.0}) {
        const PartSums a = steelResponse(steel, kappa * h / 2.0, kappa);
        EXPECT_NEAR(a.N, 0.0, 1.0);
        // About the underside, a pure couple equals the moment about mid-height.
        EXPECT_NEAR(a.M, (kappa > 0 ? 1.0 : -1.0) * M_pl, 1e-6 * M_pl);
        EXPECT_EQ(a.state, ZoneState::Yielded);
    }
}

TEST(PlasticLimit, ConcreteCrushingEndsTheSaggingRange) {
    SectionUnderTest t(exampleIPE400());  // e_cu3 = -3.5 on
    CompositeSection &s = t.section();
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    const LimitPoint &pl = s.plasticLimit[1];
    EXPECT_NE(pl.state, ZoneState::Failed);
    const double top = s.h_a + s.slab.h_c;
    const double topStrain = [&](const LimitPoint &p) { return p.kappa * (p.z0 - top); }(pl);
    EXPECT_LE(topStrain, -3.49);
    EXPECT_GE(topStrain, -3.5 - 1e-8);
    // Independent bisection of the curvature at which the top fibre crushes.
    // The axis is searched from the limit's own axis: within the axial-force
    // tolerance of 50 N another start could shift M by 50 N times the lever.
    double ok = pl.kappa / 2.0, failed = 2.0 * pl.kappa;
    ASSERT_EQ(pointWithZeroN(s, failed, pl.z0).state, ZoneState::Failed);
    for (int i = 0; i < 80; ++i) {
        const double mid = (ok + failed) / 2.0;
        (pointWithZeroN(s, mid, pl.z0).state == ZoneState::Failed ? failed : ok) = mid;
    }
    const LimitPoint before = pointWithZeroN(s, ok, pl.z0);
    const LimitPoint after = pointWithZeroN(s, failed, pl.z0);
    EXPECT_EQ(after.state, ZoneState::Failed);
    EXPECT_LE(pl.M, std::max(before.M, after.M) + 5000.0);
    EXPECT_GE(pl.M, std::min(before.M, after.M) - 5000.0);
    // Signs and order of the four limits.
    EXPECT_LT(s.elasticLimit[0].M, 0.0);
    EXPECT_LT(s.plasticLimit[0].M, s.elasticLimit[0].M);
    EXPECT_GT(s.elasticLimit[1].M, 0.0);
    EXPECT_GT(s.plasticLimit[1].M, s.elasticLimit[1].M);
    EXPECT_LT(s.elasticLimit[0].kappa, 0.0);
    EXPECT_GT(s.plasticLimit[1].kappa, 0.0);
}

// S235 and S355: the first yield must be found whatever the last digits of e_y.
const double steelGrades[] = {355.0, 235.0};

TEST(ElasticLimit, SaggingEqualsTheUncrackedTransformedSection) {
  for (const double f_yk : steelGrades) {
    DesignInput in = modelfixtures::exampleDesign();  // welded, slab compressed
    in.d_u = 0.0;
    in.d_o = 0.0;
    in.f_yk = f_yk;
    SectionUnderTest t(in);
    const CompositeSection &s = t.section();
    // Hand: E_c = f_cd / e_c3, slab 160 x 2000 on 500 x 200 x 20 / 10.
    const double E_c = 17.0 / 1.75e-3, n = 210000.0 / E_c;
    const double A_c = 2000.0 * 160.0, z_c = 580.0;
    const double A_a = 2 * 200.0 * 20.0 + 460.0 * 10.0, z_a = 250.0;
    const double I_a = 10.0 * std::pow(460.0, 3) / 12.0 + 2 * (200.0 * std::pow(20.0, 3) / 12.0 +
                                                               4000.0 * 240.0 * 240.0);
    const double Z = (A_c * z_c + n * A_a * z_a) / (A_c + n * A_a);
    const double I_f = 2000.0 * std::pow(160.0, 3) / 12.0 + A_c * (z_c - Z) * (z_c - Z) +
                       n * (I_a + A_a * (z_a - Z) * (z_a - Z));
    ASSERT_LT(Z, 500.0);  // axis in the steel: the slab stays compressed
    const double e_y = f_yk / 210000.0 * 1000.0;
    const double kappa = std::min(e_y / Z, 1.75 / (660.0 - Z));  // steel underside or slab top
    const LimitPoint el = elasticLimit(s, +1);
    EXPECT_EQ(el.state, ZoneState::Elastic);
    EXPECT_NEAR(el.kappa, kappa, 3e-5 * kappa) << f_yk;  // axis within 50 N
    EXPECT_NEAR(el.M, E_c * I_f * kappa / 1000.0, momentTolerance) << f_yk;
  }
}

TEST(ElasticLimit, HoggingEqualsTheCrackedSectionOfSteelAndBars) {
  for (const double f_yk : steelGrades) {
    DesignInput in = modelfixtures::exampleDesign();  // welded, bars 10 / 12 at 150
    in.f_yk = f_yk;
    SectionUnderTest t(in);
    const CompositeSection &s = t.section();
    const double E_a = 210000.0, E_s = 200000.0;
    const double A_a = 12600.0, z_a = 250.0;
    const double I_a = 10.0 * std::pow(460.0, 3) / 12.0 + 2 * (200.0 * std::pow(20.0, 3) / 12.0 +
                                                               4000.0 * 240.0 * 240.0);
    const double n = 14.0;  // 2000 / 150 + 1
    const struct {
        double r, z;
    } layers[] = {{5.0, 535.0}, {6.0, 624.0}};
    double EA = E_a * A_a, ES = E_a * A_a * z_a;
    for (const auto &l : layers) {
        EA += E_s * n * pi * l.r * l.r;
        ES += E_s * n * pi * l.r * l.r * l.z;
    }
    const double Z = ES / EA;
    double EI = E_a * (I_a + A_a * (z_a - Z) * (z_a - Z));
    for (const auto &l : layers)
        EI += E_s * n * pi * (std::pow(l.r, 4) / 4.0 + l.r * l.r * (l.z - Z) * (l.z - Z));
    ASSERT_LT(Z, 500.0);  // the whole slab is cracked
    const double e_y = f_yk / 210000.0 * 1000.0, e_sd = 500.0 / 1.15 / 200000.0 * 1000.0;
    // Steel underside in compression, steel top and the top bars' upper edge in tension.
    const double kappa = -std::min({e_y / Z, e_y / (500.0 - Z), e_sd / (630.0 - Z)});
    const LimitPoint el = elasticLimit(s, -1);
    EXPECT_EQ(el.state, ZoneState::Elastic);
    EXPECT_NEAR(el.kappa, kappa, 3e-5 * std::fabs(kappa)) << f_yk;
    EXPECT_NEAR(el.M, EI * kappa / 1000.0, momentTolerance) << f_yk;
  }
}

TEST(LimitSearch, EndsOnTheLastGoodPointWithinTheMomentTolerance) {
    // Synthetic section: M = 1e9 kappa, fails beyond kappa = 0.0123456.
    const PointAtCurvature pointAt = [](double kappa, double) {
        LimitPoint p;
        p.kappa = kappa;
        p.M = 1e9 * kappa;
        p.state = kappa > 0.0123456 ? ZoneState::Failed : ZoneState::Elastic;
        return p;
    };
    const LimitCriterion holds = [](const LimitPoint &p) { return p.state == ZoneState::Failed ? -1 : 1; };
    LimitSearch search;
    search.step = 10.0;
    search.maxSteps = 1001;
    const LimitPoint a = marchAndBisect(pointAt, holds, pointAt(0.0, 0.0), search);
    EXPECT_EQ(a.state, ZoneState::Elastic);
    EXPECT_LE(a.kappa, 0.0123456);
    EXPECT_LE(1e9 * 0.0123456 - a.M, 5000.0);
    // A criterion that never changes ends after the march bound.
    const LimitCriterion never = [](const LimitPoint &) { return 1; };
    search.maxSteps = 7;
    EXPECT_DOUBLE_EQ(marchAndBisect(pointAt, never, pointAt(0.0, 0.0), search).kappa, 70.0);
}

TEST(LimitMoments, ASlabOfWidthZeroNeitherYieldsNorCrushes) {
    // The bare steel beam: slab width 0 and no bars, concrete strain limit on.
    // Welded 500 x 200 x 20 / 10, S355: I = (200 * 500^3 - 190 * 460^3) / 12,
    // M_el = f_yd I / 250, M_pl = f_yd (b t_f (h - t_f) + t_w h_w^2 / 4).
    DesignInput in = modelfixtures::exampleDesign();
    in.b_e = 0.0;
    in.d_u = in.d_o = 0.0;
    in.AbstanduntereLage = in.AbstandobereLage = 0.0;
    SectionUnderTest t(in);
    const CompositeSection &s = t.section();
    const double I = (200.0 * 500.0 * 500.0 * 500.0 - 190.0 * 460.0 * 460.0 * 460.0) / 12.0;
    const double M_el = 355.0 * I / 250.0;
    const double M_pl = 355.0 * (200.0 * 20.0 * 480.0 + 10.0 * 460.0 * 460.0 / 4.0);
    for (const int direction : {+1, -1}) {
        const LimitPoint el = elasticLimit(s, direction);
        EXPECT_NEAR(el.M, direction * M_el, momentTolerance) << direction;
        EXPECT_NEAR(el.kappa, direction * 355.0 / 210000.0 * 1000.0 / 250.0, 1e-7) << direction;
        const LimitPoint pl = plasticLimit(s, direction);
        EXPECT_NE(pl.state, ZoneState::Failed);
        EXPECT_NEAR(pl.M, direction * M_pl, 5e4) << direction;
    }
}

// Regression: absurd partial factors push the first yield far out; the march
// of 0.02 per mille per mm then took up to half a million N = 0 iterations.
TEST(LimitSearch, AnUnbracketedMarchClosesTheBracketAtTheFarCurvature) {
    // Synthetic section: M = 1e9 kappa, yields beyond kappa = 67.89.
    int calls = 0;
    const PointAtCurvature pointAt = [&calls](double kappa, double) {
        ++calls;
        LimitPoint p;
        p.kappa = kappa;
        p.M = 1e9 * kappa;
        p.state = kappa > 67.89 ? ZoneState::Yielded : ZoneState::Elastic;
        return p;
    };
    const LimitCriterion elastic = [](const LimitPoint &p) { return p.state == ZoneState::Elastic ? 1 : -1; };
    LimitSearch search;
    search.step = 0.02;
    search.maxSteps = 500;
    search.farKappa = 9999.0;
    const LimitPoint a = marchAndBisect(pointAt, elastic, pointAt(0.0, 0.0), search);
    EXPECT_EQ(a.state, ZoneState::Elastic);
    EXPECT_NEAR(a.kappa, 67.89, 1e-5);
    EXPECT_LT(calls, 500 + 2 + 300);
    // Still elastic at the far curvature: that point is the result.
    const LimitCriterion never = [](const LimitPoint &) { return 1; };
    EXPECT_DOUBLE_EQ(marchAndBisect(pointAt, never, pointAt(0.0, 0.0), search).kappa, 9999.0);
}

TEST(LimitMoments, FirstYieldFarOutIsStillFoundExactly) {
    // Bare steel beam of a steel grade with gamma_M = 1e-4 (f_yd = 3.55e6):
    // e_y = f_yd / E_a, first yield at kappa = e_y / 250 (about 67.6), beyond
    // the fine march; M_el = f_yd I / 250 as for the ordinary grade.
    DesignInput in = modelfixtures::exampleDesign();
    in.b_e = 0.0;
    in.d_u = in.d_o = 0.0;
    in.AbstanduntereLage = in.AbstandobereLage = 0.0;
    in.gamma_M = 1e-4;
    SectionUnderTest t(in);
    const double f_yd = 355.0 / 1e-4;
    const double I = (200.0 * 500.0 * 500.0 * 500.0 - 190.0 * 460.0 * 460.0 * 460.0) / 12.0;
    const double kappa = f_yd / 210000.0 * 1000.0 / 250.0;
    for (const int direction : {+1, -1}) {
        const LimitPoint el = elasticLimit(t.section(), direction);
        EXPECT_EQ(el.state, ZoneState::Elastic);
        EXPECT_NEAR(el.kappa, direction * kappa, 1e-6 * kappa) << direction;
        EXPECT_NEAR(el.M, direction * f_yd * I / 250.0, 1e-6 * f_yd * I / 250.0) << direction;
    }
}
