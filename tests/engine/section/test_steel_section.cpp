// Steel section values: catalogue profiles, exact strips of the true shape,
// integration zones, shear area, V_pl_Rd and the shear reduction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/model_fixtures.h"
#include "materials/steel_material.h"
#include "section/steel_section.h"

namespace {

const double pi = std::acos(-1.0);

// Width of the true shape at height z, written out independently.
double shapeWidth(const DesignInput &in, double z) {
    if (z < in.t_f1) return in.b_f1;
    if (z > in.h - in.t_f2) return in.b_f2;
    const double lowCentre = in.t_f1 + in.r, highCentre = in.h - in.t_f2 - in.r;
    double u = 0.0;
    if (z < lowCentre) u = lowCentre - z;
    else if (z > highCentre) u = z - highCentre;
    else return in.t_w;
    return in.t_w + 2.0 * (in.r - std::sqrt(in.r * in.r - u * u));
}

// Midpoint slices, piece by piece between the corners of the shape so that no
// slice straddles a jump in width.
StripProps numericStrip(const DesignInput &in, double z1, double z2) {
    const double corners[] = {0.0, in.t_f1, in.t_f1 + in.r, in.h - in.t_f2 - in.r,
                              in.h - in.t_f2, in.h};
    double A = 0, S = 0, J = 0;
    for (int k = 0; k + 1 < 6; ++k) {
        const double lo = std::max(z1, corners[k]), hi = std::min(z2, corners[k + 1]);
        if (hi <= lo) continue;
        const int n = 100000;
        const double dz = (hi - lo) / n;
        for (int i = 0; i < n; ++i) {
            const double z = lo + (i + 0.5) * dz;
            const double w = shapeWidth(in, z);
            A += w * dz;
            S += w * dz * z;
            J += w * dz * z * z + w * dz * dz * dz / 12.0;
        }
    }
    return {A, S / A, J - S * S / A};
}

struct Section {
    modelfixtures::WriterFolder w;
    DesignInput in;
    SteelMaterial material;
    SteelSection steel;
    explicit Section(const DesignInput &design)
        : in(design), material(in, w.writer), steel(in, material, w.writer) {}
};

TEST(SteelSection, CatalogueRolledProfiles) {
    struct Profile {
        const char *name;
        double h, b, t_w, t_f, r;
        double A_cm2, I_cm4;
    };
    const Profile profiles[] = {
        {"IPE 300", 300, 150, 7.1, 10.7, 15, 53.8, 8356},
        {"HEB 300", 300, 300, 11, 19, 27, 149.1, 25170},
        {"HEA 500", 490, 300, 12, 23, 27, 197.5, 86970},
    };
    for (const Profile &p : profiles) {
        Section s(modelfixtures::rolledDesign(p.h, p.b, p.t_w, p.t_f, p.r));
        EXPECT_NEAR(s.steel.A_a, p.A_cm2 * 100.0, 0.005 * p.A_cm2 * 100.0) << p.name;
        EXPECT_NEAR(s.steel.I_a, p.I_cm4 * 1e4, 0.005 * p.I_cm4 * 1e4) << p.name;
        EXPECT_NEAR(s.steel.z_sa, p.h / 2.0, 1e-9) << p.name;
        // Web, flanges and the four fillets (4 - pi) r^2.
        const double plates = 2.0 * p.b * p.t_f + (p.h - 2.0 * p.t_f) * p.t_w;
        EXPECT_NEAR(s.steel.A_a, plates + (4.0 - pi) * p.r * p.r, 1e-9) << p.name;
        EXPECT_NEAR(s.steel.A_v, s.steel.A_a - 2.0 * p.b * p.t_f + (p.t_w + 2.0 * p.r) * p.t_f,
                    1e-9) << p.name;
    }
}

TEST(SteelSection, StripsAgreeWithFineSliceSum) {
    Section s(modelfixtures::rolledDesign(300, 150, 7.1, 10.7, 15));
    const double strips[][2] = {
        {0.0, 300.0},      // whole section
        {10.7, 25.7},      // lower fillet zone
        {5.0, 40.0},       // flange, fillet and web
        {270.0, 289.3},    // web into the upper fillet
        {280.0, 300.0},    // upper fillet and flange
    };
    for (const auto &z : strips) {
        const StripProps exact = s.steel.strip(z[0], z[1]);
        const StripProps sum = numericStrip(s.in, z[0], z[1]);
        EXPECT_NEAR(exact.A, sum.A, 1e-6 * sum.A) << z[0] << ".." << z[1];
        EXPECT_NEAR(exact.z, sum.z, 1e-5) << z[0] << ".." << z[1];
        EXPECT_NEAR(exact.I, sum.I, 1e-5 * sum.I) << z[0] << ".." << z[1];
    }
    const StripProps whole = s.steel.strip(0.0, 300.0);
    EXPECT_NEAR(whole.A, s.steel.A_a, 1e-9);
    EXPECT_NEAR(whole.z, s.steel.z_sa, 1e-9);
    EXPECT_NEAR(whole.I, s.steel.I_a, 1e-3);
    // A forced width replaces the shape by a rectangle.
    const StripProps forced = s.steel.strip(10.0, 20.0, 50.0);
    EXPECT_DOUBLE_EQ(forced.A, 500.0);
    EXPECT_DOUBLE_EQ(forced.z, 15.0);
}

TEST(SteelSection, ZonesCoverTheSection) {
    const DesignInput designs[] = {
        modelfixtures::rolledDesign(490, 300, 12, 23, 27),
        modelfixtures::exampleDesign(),
    };
    const size_t zoneCounts[] = {7, 3};
    for (int i = 0; i < 2; ++i) {
        Section s(designs[i]);
        const std::vector<SteelZone> zones = s.steel.zones();
        ASSERT_EQ(zones.size(), zoneCounts[i]);
        StripProps sum;
        double reducedArea = 0.0;
        for (const SteelZone &z : zones) {
            const StripProps part = s.steel.strip(z.z1, z.z2, z.width);
            sum = combine(sum, part);
            if (z.reduced) reducedArea += part.A;
        }
        EXPECT_NEAR(sum.A, s.steel.A_a, 1e-9);
        EXPECT_NEAR(sum.z, s.steel.z_sa, 1e-9);
        EXPECT_NEAR(sum.I, s.steel.I_a, 1e-6 * s.steel.I_a);
        // The reduced zones are the shear area.
        EXPECT_NEAR(reducedArea, s.steel.A_v, 1e-9);
    }
}

TEST(SteelSection, WeldedSectionByHand) {
    DesignInput in = modelfixtures::exampleDesign();  // 500 x 200 x 20 / web 10
    Section s(in);
    EXPECT_DOUBLE_EQ(s.steel.A_a, 2.0 * 200 * 20 + 460 * 10);
    EXPECT_DOUBLE_EQ(s.steel.z_sa, 250.0);
    EXPECT_NEAR(s.steel.I_a, (200.0 * std::pow(500.0, 3) - 190.0 * std::pow(460.0, 3)) / 12.0, 1e-3);
    EXPECT_DOUBLE_EQ(s.steel.A_v, 4600.0);
    EXPECT_NEAR(s.steel.V_pl_Rd, 942812.98, 0.01);

    // Unequal flanges: centroid by hand.
    in.b_f1 = 300;
    in.t_f2 = 10;
    Section u(in);
    const double A = 300 * 20 + 200 * 10 + 470 * 10;
    EXPECT_NEAR(u.steel.z_sa, (6000 * 10 + 2000 * 495 + 4700 * 255) / A, 1e-9);
}

TEST(SteelSection, ShearCheckReducesTheYieldStrength) {
    Section s(modelfixtures::exampleDesign());
    SteelSection &st = s.steel;
    const double V = st.V_pl_Rd;
    struct Case {
        const char *name;
        double ratio;
        ShearState state;
        double fyd_red;
    };
    const ShearState holds = ShearState::Holds, fails = ShearState::Fails;
    const Case cases[] = {
        {"below half", 0.3, holds, 355.0},
        {"half", 0.5, holds, 355.0},
        {"three quarters", 0.75, holds, 0.75 * 355.0},  // rho = 0.25
        {"three quarters, negative", -0.75, holds, 0.75 * 355.0},
        {"full resistance", 1.0, holds, 0.0},
        {"just above resistance keeps the last reduction", 1.0 + 1e-9, fails, 0.0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(st.shearCheck(c.ratio * V), c.state == fails) << c.name;
        EXPECT_EQ(st.querkraftZustand, c.state) << c.name;
        EXPECT_NEAR(st.fyd_red, c.fyd_red, 1e-9) << c.name;
        EXPECT_NEAR(st.e_y_red, c.fyd_red / 210.0, 1e-12) << c.name;
    }
    st.shearCheck(0.75 * V);
    // Only the shear-area zones feel the reduction.
    EXPECT_NEAR(st.law(10.0, true).sigma, 266.25, 1e-9);
    EXPECT_NEAR(st.law(10.0, false).sigma, 355.0, 1e-9);
}

TEST(SteelSection, Blocks) {
    Section s(modelfixtures::exampleDesign());
    s.steel.writeGeometryBlock();
    s.steel.writeValuesBlock();
    EXPECT_EQ(s.w.output(),
              "\n*Geometrie Baustahlquerschnitt\nr\t0\nt_f1\t20\nt_f2\t20\nb_f1\t200\nb_f2\t200\n"
              "t_w\t10\nh\t500\n\n*Querschnittswerte Baustahlquerschnitt\nA_a\t12600\nz_sa\t250\n"
              "I_a\t5.4218e+08\n");
}

}  // namespace
