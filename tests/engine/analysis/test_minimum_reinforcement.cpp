#include <gtest/gtest.h>

#include <cmath>

#include "materials/concrete_material.h"
#include "section/concrete_slab.h"
#include "analysis/minimum_reinforcement.h"
#include "support/model_fixtures.h"
#include "materials/reinforcement_material.h"

namespace {
const double pi = 3.141592653589793;

struct Slab {
    explicit Slab(const DesignInput &in)
        : input(in), concrete(input, run.writer), reinforcement(input, run.writer),
          slab(input, concrete, reinforcement, run.writer) {}
    modelfixtures::WriterFolder run;
    DesignInput input;
    ConcreteMaterial concrete;
    ReinforcementMaterial reinforcement;
    ConcreteSlab slab;
};

DesignInput slabWithoutBars(double h_c, double b_e) {
    DesignInput in = modelfixtures::exampleDesign();
    in.h_c = h_c;
    in.b_e = b_e;
    in.d_u = 0;
    in.d_o = 0;
    return in;
}
}  // namespace

TEST(MinimumReinforcement, HoggingWithTheNeutralAxisBelowTheSlab) {
    // f_ct,eff 2.9, k_c 0.4, k 0.8, sigma_s 320, A_ct = 150 * 2000 = 300000: A_s,min = 870 mm^2.
    testing::internal::CaptureStdout();
    Slab s(slabWithoutBars(150, 2000));
    testing::internal::GetCapturedStdout();
    const MinimumReinforcement r = minimumReinforcement(s.slab, true, -40.0, 0.4, 0.8, 320);
    EXPECT_DOUBLE_EQ(r.A_ct, 300000.0);
    EXPECT_NEAR(r.A_s_min, 870.0, 1e-9);
    EXPECT_EQ(r.A_s_vor, 0.0);
    EXPECT_FALSE(r.enough);
}

TEST(MinimumReinforcement, TensileZoneOfBothSides) {
    // Slab 160 x 2000, bars 10 (bottom, centre 35) and 12 (top, centre 124) at 150: 14 bars each.
    testing::internal::CaptureStdout();
    Slab s(modelfixtures::exampleDesign());
    DesignInput ribbed = modelfixtures::exampleDesign();
    ribbed.h_profilblech = 50;
    ribbed.b_p = 100;
    Slab rib(ribbed);
    testing::internal::GetCapturedStdout();
    const double bottom = 14 * pi * 25, top = 14 * pi * 36;
    const struct {
        const char *name;
        const ConcreteSlab &slab;
        bool topInTension;
        double z_na, A_ct, A_s_vor;
    } cases[] = {
        // hogging, neutral axis in the slab: from z_na to the top, both layers above it
        {"hogging z_na 20", s.slab, true, 20, 2000 * 140 - bottom - top, bottom + top},
        {"hogging z_na 100", s.slab, true, 100, 2000 * 60 - top, top},
        // hogging, neutral axis in the ribs: the ribs never count
        {"hogging in rib", rib.slab, true, 30, 2000 * 110 - bottom - top, bottom + top},
        {"hogging above slab", s.slab, true, 170, 0, 0},
        // sagging: from the underside up to the neutral axis
        {"sagging z_na 60", s.slab, false, 60, 2000 * 60 - bottom, bottom},
        {"sagging in rib", rib.slab, false, 40, 100 * 40, 0},
        {"sagging z_na 100 with ribs", rib.slab, false, 100, 100 * 50 + 2000 * 50 - bottom, bottom},
        {"sagging below slab", s.slab, false, -5, 0, 0},
        {"sagging above slab", s.slab, false, 500, 2000 * 160 - bottom - top, bottom + top},
    };
    for (const auto &c : cases) {
        const MinimumReinforcement r = minimumReinforcement(c.slab, c.topInTension, c.z_na, 0.4, 0.8, 320);
        EXPECT_NEAR(r.A_ct, c.A_ct, 1e-6 * (1 + c.A_ct)) << c.name;
        EXPECT_NEAR(r.A_s_vor, c.A_s_vor, 1e-6 * (1 + c.A_s_vor)) << c.name;
        EXPECT_NEAR(r.A_s_min, 0.4 * 0.8 * 2.9 * c.A_ct / 320, 1e-6 * (1 + c.A_ct)) << c.name;
        EXPECT_EQ(r.enough, r.A_s_min <= r.A_s_vor) << c.name;
    }
}

TEST(MinimumReinforcement, EqualAreasAreEnough) {
    testing::internal::CaptureStdout();
    Slab s(modelfixtures::exampleDesign());
    testing::internal::GetCapturedStdout();
    const MinimumReinforcement probe = minimumReinforcement(s.slab, true, 0, 1, 1, 1);
    // k = k_c = 1 and sigma_s = f_ct,eff * A_ct / A_s,vor make both areas equal.
    const double s_s = s.slab.f_ct_eff * probe.A_ct / probe.A_s_vor;
    const MinimumReinforcement r = minimumReinforcement(s.slab, true, 0, 1, 1, s_s);
    EXPECT_NEAR(r.A_s_min, r.A_s_vor, 1e-9 * r.A_s_vor);
    EXPECT_TRUE(minimumReinforcement(s.slab, true, 0, 1, 1, s_s * 1.0001).enough);
    EXPECT_FALSE(minimumReinforcement(s.slab, true, 0, 1, 1, s_s * 0.9999).enough);
}
