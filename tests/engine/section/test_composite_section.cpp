// Uncracked transformed composite section.
#include <gtest/gtest.h>

#include <cmath>

#include "section/composite_section.h"
#include "materials/concrete_material.h"
#include "section/concrete_slab.h"
#include "support/model_fixtures.h"
#include "materials/reinforcement_material.h"
#include "materials/steel_material.h"
#include "section/steel_section.h"

namespace {

TEST(TransformedSection, SlabOnSteelByHand) {
    // Slab 200 x 2000 on a steel section of height 300: A_a 10000, z_sa 150,
    // I_a 1.5e8, E_a / E_c = 20, no bars.
    const double I_c = 2000.0 * 8e6 / 12.0;
    const TransformedSection t =
        transformedSection(10000.0, 200000.0, 200000.0, 300.0, 10000.0, 150.0, 1.5e8, 400000.0,
                           100.0, I_c, 0.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(t.n_a, 20.0);
    EXPECT_DOUBLE_EQ(t.A_f, 600000.0);
    EXPECT_NEAR(t.Z_el_na, (400000.0 * 400.0 + 200000.0 * 150.0) / 600000.0, 1e-9);
    EXPECT_NEAR(t.Z_el_na, 316.67, 0.005);
    const double dc = 400.0 - t.Z_el_na, da = 150.0 - t.Z_el_na;
    const double I_f = I_c + 400000.0 * dc * dc + 20.0 * (1.5e8 + 10000.0 * da * da);
    EXPECT_NEAR(t.I_f, I_f, 1e-6 * I_f);
    EXPECT_NEAR(t.I_f, 1.266667e10, 1e4);

    // Bars count with n_s = E_s / E_c at slab height + h_a.
    const TransformedSection b =
        transformedSection(10000.0, 200000.0, 200000.0, 300.0, 10000.0, 150.0, 1.5e8, 400000.0,
                           100.0, I_c, 1000.0, 150.0, 0.0);
    EXPECT_NEAR(b.A_f, 620000.0, 1e-9);
    EXPECT_NEAR(b.Z_el_na, (400000.0 * 400.0 + 200000.0 * 150.0 + 20000.0 * 450.0) / 620000.0,
                1e-9);
}

struct Models {
    modelfixtures::WriterFolder w;
    DesignInput in = modelfixtures::exampleDesign();
    ConcreteMaterial concrete{in, w.writer};
    ReinforcementMaterial reinforcement{in, w.writer};
    ConcreteSlab slab{in, concrete, reinforcement, w.writer};
    SteelMaterial steelMaterial{in, w.writer};
    SteelSection steel{in, steelMaterial, w.writer};
    CompositeSection composite{concrete, reinforcement, steelMaterial, slab, steel,
                               w.writer, in.M_t, in.V_t};
};

TEST(CompositeSection, TransformedValuesAgreeWithStripSums) {
    Models m;
    const CompositeSection &c = m.composite;
    EXPECT_DOUBLE_EQ(c.h_a, 500.0);
    EXPECT_DOUBLE_EQ(c.M_Ed, 4e8);
    EXPECT_DOUBLE_EQ(c.V_Ed, 3e5);
    EXPECT_DOUBLE_EQ(c.n_a, 210000.0 / m.concrete.E_c);
    EXPECT_DOUBLE_EQ(c.n_s, 200000.0 / m.concrete.E_c);

    // The same section summed part by part from exact strips, slab lifted by h_a.
    StripProps concrete = m.slab.concreteStrip(0.0, m.slab.h_c);
    concrete.z += c.h_a;
    StripProps bars = combine(m.slab.barStrip(BarLayer::Bottom, 0.0, m.slab.h_c),
                              m.slab.barStrip(BarLayer::Top, 0.0, m.slab.h_c));
    bars.z += c.h_a;
    const StripProps steel = m.steel.strip(0.0, m.steel.h);
    const StripProps total = combine(combine(concrete, times(bars, c.n_s)), times(steel, c.n_a));
    EXPECT_NEAR(c.A_f, total.A, 1e-9 * total.A);
    EXPECT_NEAR(c.Z_el_na, total.z, 1e-9 * total.z);
    EXPECT_NEAR(c.I_f, total.I, 1e-9 * total.I);

    const double A_f = c.A_f, Z = c.Z_el_na, I_f = c.I_f;
    m.composite.setActions(2e8, 1.5e5);
    EXPECT_DOUBLE_EQ(c.M_Ed, 2e8);
    EXPECT_DOUBLE_EQ(c.V_Ed, 1.5e5);
    EXPECT_DOUBLE_EQ(c.A_f, A_f);
    EXPECT_DOUBLE_EQ(c.Z_el_na, Z);
    EXPECT_DOUBLE_EQ(c.I_f, I_f);
    EXPECT_DOUBLE_EQ(c.tolM, 5000.0);
    EXPECT_DOUBLE_EQ(c.tolN, 50.0);
    EXPECT_DOUBLE_EQ(c.tolKappa, 1e-13);
}

}  // namespace
