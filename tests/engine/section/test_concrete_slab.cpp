// Slab and bar section values against hand calculations; net concrete strips.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/concrete_material.h"
#include "section/concrete_slab.h"
#include "support/model_fixtures.h"
#include "materials/reinforcement_material.h"

namespace {

const double pi = std::acos(-1.0);

struct Slab {
    modelfixtures::WriterFolder w;
    DesignInput in;
    ConcreteMaterial concrete;
    ReinforcementMaterial reinforcement;
    ConcreteSlab slab;
    explicit Slab(const DesignInput &design)
        : in(design), concrete(in, w.writer), reinforcement(in, w.writer),
          slab(in, concrete, reinforcement, w.writer) {}
};

DesignInput withBars(double d_u, double s_u, double d_o, double s_o) {
    DesignInput in = modelfixtures::exampleDesign();
    in.d_u = d_u;
    in.AbstanduntereLage = s_u;
    in.d_o = d_o;
    in.AbstandobereLage = s_o;
    return in;
}

TEST(ConcreteSlab, BarCounts) {
    struct Case {
        double b_e, d, s, n;
    };
    const Case cases[] = {
        {1000, 10, 150, 7},   // floor(6.67) + 1
        {1000, 10, 100, 11},  // floor(10) + 1
        {2000, 12, 150, 14},
        {1000, 0, 150, 0},    // no diameter, no bars
        {1000, 10, 0, 0},     // no spacing, no bars (and no division by it)
    };
    for (const Case &c : cases) {
        DesignInput in = withBars(c.d, c.s, c.d, c.s);
        in.b_e = c.b_e;
        Slab s(in);
        EXPECT_DOUBLE_EQ(s.slab.bars.n_u, c.n) << c.b_e << "/" << c.s << " d " << c.d;
        EXPECT_DOUBLE_EQ(s.slab.bars.n_o, c.n) << c.b_e << "/" << c.s << " d " << c.d;
        EXPECT_NEAR(s.slab.bars.A_s, 2.0 * c.n * pi * c.d * c.d / 4.0, 1e-9);
        EXPECT_TRUE(std::isfinite(s.slab.bars.z_ss));
        EXPECT_TRUE(std::isfinite(s.slab.z_sc));
        EXPECT_TRUE(std::isfinite(s.slab.I_c));
    }
}

TEST(ConcreteSlab, ExampleBarsByHand) {
    Slab s(modelfixtures::exampleDesign());  // 160 x 2000, d 10 / 12 at 150, covers 30
    const ReinforcementLayers &b = s.slab.bars;
    const double A_su = 14 * pi * 25.0, A_so = 14 * pi * 36.0;
    EXPECT_NEAR(b.A_s, A_su + A_so, 1e-9);
    EXPECT_DOUBLE_EQ(b.z_su, 35.0);
    EXPECT_DOUBLE_EQ(b.z_so, 124.0);
    const double z_ss = (A_su * 35.0 + A_so * 124.0) / (A_su + A_so);
    EXPECT_NEAR(b.z_ss, z_ss, 1e-9);
    const double I_s = A_su * std::pow(35.0 - z_ss, 2) + A_so * std::pow(124.0 - z_ss, 2) +
                       14 * pi * (625.0 + 1296.0) / 4.0;
    EXPECT_NEAR(b.I_s, I_s, 1e-6);
    // Gross rectangle less the bars.
    const double A_c = 320000.0 - b.A_s;
    EXPECT_NEAR(s.slab.A_c, A_c, 1e-9);
    const double z_sc = (320000.0 * 80.0 - b.A_s * z_ss) / A_c;
    EXPECT_NEAR(s.slab.z_sc, z_sc, 1e-9);
    const double I_c = 2000.0 * std::pow(160.0, 3) / 12.0 + 320000.0 * std::pow(80.0 - z_sc, 2) -
                       I_s - b.A_s * std::pow(z_ss - z_sc, 2);
    EXPECT_NEAR(s.slab.I_c, I_c, 1e-3);
}

TEST(ConcreteSlab, WithoutBars) {
    Slab s(withBars(0, 150, 0, 150));
    EXPECT_DOUBLE_EQ(s.slab.bars.A_s, 0.0);
    EXPECT_DOUBLE_EQ(s.slab.bars.z_ss, 0.0);
    EXPECT_DOUBLE_EQ(s.slab.bars.I_s, 0.0);
    EXPECT_DOUBLE_EQ(s.slab.z_sc, 80.0);
    EXPECT_NEAR(s.slab.I_c, 2000.0 * std::pow(160.0, 3) / 12.0, 1e-3);
    EXPECT_DOUBLE_EQ(s.slab.barStrip(BarLayer::Top, 0, 160).A, 0.0);

    // One layer only: the other contributes nothing.
    Slab top(withBars(0, 150, 12, 150));
    EXPECT_DOUBLE_EQ(top.slab.bars.A_su, 0.0);
    EXPECT_DOUBLE_EQ(top.slab.bars.z_ss, 124.0);
    EXPECT_NEAR(top.slab.bars.I_s, 14 * pi * 1296.0 / 4.0, 1e-9);
}

TEST(ConcreteSlab, SheetingByHand) {
    DesignInput in = withBars(0, 150, 0, 150);
    in.h_profilblech = 60;
    in.b_p = 150;
    Slab s(in);
    // Rib 150 x 60 (centroid 30) under the solid 2000 x 100 (centroid 110).
    const double A = 9000.0 + 200000.0;
    const double z = (9000.0 * 30.0 + 200000.0 * 110.0) / A;
    const double I = 150.0 * 216000.0 / 12.0 + 2000.0 * 1e6 / 12.0 +
                     9000.0 * (30.0 - z) * (30.0 - z) + 200000.0 * (110.0 - z) * (110.0 - z);
    EXPECT_DOUBLE_EQ(s.slab.A_c, A);
    EXPECT_NEAR(s.slab.z_sc, z, 1e-9);
    EXPECT_NEAR(s.slab.I_c, I, 1e-3);
    ASSERT_EQ(s.slab.concreteZones().size(), 2u);
    EXPECT_DOUBLE_EQ(s.slab.concreteZones()[0].second, 60.0);

    // With bars the bottom layer sits above the rib: c_nom_u + h_p + r_u.
    in.d_u = 10;
    Slab barred(in);
    EXPECT_DOUBLE_EQ(barred.slab.bars.z_su, 95.0);
}

TEST(ConcreteSlab, NetConcreteStripsMatchTheSlabValues) {
    DesignInput in = modelfixtures::exampleDesign();
    in.h_profilblech = 50;
    in.b_p = 120;
    in.h_c = 200;
    const DesignInput cases[] = {modelfixtures::exampleDesign(), in};
    for (const DesignInput &design : cases) {
        Slab s(design);
        const StripProps whole = s.slab.concreteStrip(0.0, s.slab.h_c);
        EXPECT_NEAR(whole.A, s.slab.A_c, 1e-9 * s.slab.A_c);
        EXPECT_NEAR(whole.z, s.slab.z_sc, 1e-9);
        EXPECT_NEAR(whole.I, s.slab.I_c, 1e-9 * s.slab.I_c);
        // Strips cut through the bars add up to the same whole.
        const ReinforcementLayers &b = s.slab.bars;
        const double cuts[] = {0.0, b.z_su - 2.0, b.z_su + 1.0, b.z_so, b.z_so + 5.9, s.slab.h_c};
        StripProps sum;
        for (int i = 0; i + 1 < 6; ++i) sum = combine(sum, s.slab.concreteStrip(cuts[i], cuts[i + 1]));
        EXPECT_NEAR(sum.A, s.slab.A_c, 1e-9 * s.slab.A_c);
        EXPECT_NEAR(sum.I, s.slab.I_c, 1e-9 * s.slab.I_c);
        // Bars of a layer: n circles.
        const StripProps bottom = s.slab.barStrip(BarLayer::Bottom, 0.0, s.slab.h_c);
        EXPECT_NEAR(bottom.A, b.A_su, 1e-9);
        EXPECT_NEAR(bottom.z, b.z_su, 1e-9);
        EXPECT_NEAR(bottom.I, b.n_u * pi * std::pow(b.r_u, 4) / 4.0, 1e-9);
    }
}

TEST(ConcreteSlab, Blocks) {
    Slab s(withBars(0, 150, 0, 150));
    s.slab.writeGeometryBlocks();
    s.slab.writeValuesBlocks();
    EXPECT_EQ(s.w.output(),
              "\n*Geometrie Betonquerschnitt\nh_c\t160\nb_e\t2000\nh_profilblech\t0\nb_p\t0\n"
              "\n*Geometrie Bewehrungsstahl\nc_nom_u\t30\nc_nom_o\t30\nd_u\t0\nd_o\t0\n"
              "AbstandobereLage\t150\nAbstanduntereLage\t150\n"
              "\n*Querschnittswerte Beton\nA_c\t320000\nz_sc\t80\nI_c\t6.82667e+08\n"
              "\n*Querschnittswerte Bewehrungsstahl\nA_s\t0\nz_ss\t0\nI_s\t0\n");
}

}  // namespace
