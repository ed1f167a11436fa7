#include <gtest/gtest.h>

#include <cmath>

#include "analysis/calculation.h"
#include "analysis/interaction.h"
#include "support/model_fixtures.h"
#include "support/test_support.h"

TEST(Interaction, ShearForcesOfTheRows) {
    // V_pl_Rd = 1010 N gives s = 50: rows at 0 and 505 + k * 50, k = 0, 2, 4, 6, 8, 9, 10.
    const std::vector<double> expected{0, 505, 605, 705, 805, 905, 955, 1005};
    EXPECT_EQ(interactionShearForces(1010.0, true), expected);
    std::vector<double> negative;
    for (double v : expected) negative.push_back(-v);
    EXPECT_EQ(interactionShearForces(1010.0, false), negative);

    // Any V_pl_Rd above 110 N gives the same pattern; the last row stays below V_pl_Rd.
    for (double V_pl : {111.0, 942812.98, 2.5e6}) {
        const std::vector<double> forces = interactionShearForces(V_pl, true);
        ASSERT_EQ(forces.size(), 8u) << V_pl;
        const double s = (V_pl - 10.0) / 20.0;
        const int k[] = {0, 2, 4, 6, 8, 9, 10};
        for (int i = 0; i < 7; ++i)
            EXPECT_NEAR(forces[i + 1], V_pl / 2 + k[i] * s, 1e-9 * V_pl) << V_pl;
        EXPECT_LE(forces.back(), V_pl);
    }
    // A vanishing resistance still ends.
    EXPECT_LE(interactionShearForces(0.0, true).size(), 22u);
}

namespace {
struct InteractionRun {
    std::vector<std::vector<double>> rows;
    double fyd_red = 0.0, f_yd = 0.0, V_pl_Rd = 0.0;
};

InteractionRun runInteraction(DesignInput in) {
    modelfixtures::WriterFolder run;
    testing::internal::CaptureStdout();
    Calculation calc(in, run.writer);
    calc.momentShearInteraction(in.V_t >= 0, in.M_t >= 0);
    testing::internal::GetCapturedStdout();
    InteractionRun result;
    const auto lines = testsupport::readLines(run.folder.path() + "V_M_beziehung.txt");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::istringstream row(lines[i]);
        std::vector<double> values(3);
        row >> values[0] >> values[1] >> values[2];
        result.rows.push_back(values);
    }
    result.fyd_red = calc.section().steel.fyd_red;
    result.f_yd = calc.section().steel.f_yd;
    result.V_pl_Rd = calc.section().steel.V_pl_Rd;
    return result;
}
}  // namespace

TEST(Interaction, RowsOfTheWeldedSection) {
    DesignInput in = modelfixtures::exampleDesign();
    in.V_t = 0.8 * 942812.98;  // welded 500 x 20 / 10 in S355: V_pl_Rd = 4600 * 355 / sqrt(3)
    const InteractionRun run = runInteraction(in);
    ASSERT_EQ(run.rows.size(), 9u);
    EXPECT_NEAR(run.V_pl_Rd, 942812.98, 0.01);
    EXPECT_EQ(run.rows.front()[0], 0.0);
    EXPECT_NEAR(run.rows.back()[0], 942813, 1);
    EXPECT_EQ(run.rows.back()[1], 0.0);
    EXPECT_EQ(run.rows.back()[2], 0.0);
    // Up to V_pl_Rd / 2 nothing is reduced (rho = 0); beyond, both limit moments
    // fall as the web loses strength, the elastic one never above the plastic one.
    EXPECT_NEAR(run.rows[1][1], run.rows[0][1], 1e-5 * run.rows[0][1]);
    for (std::size_t i = 1; i + 1 < run.rows.size(); ++i) {
        EXPECT_LE(run.rows[i][1], run.rows[i - 1][1] * (1 + 1e-5)) << i;
        EXPECT_LE(run.rows[i][2], run.rows[i][1]) << i;
        EXPECT_GT(run.rows[i][2], 0.0) << i;
    }
    EXPECT_LT(run.rows[7][1], 0.9 * run.rows[0][1]);
    // Afterwards the shear reduction belongs to the design shear force:
    // rho = (2 V_Ed / V_pl_Rd - 1)^2, about 0.36.
    const double rho = std::pow(2 * in.V_t / run.V_pl_Rd - 1, 2);
    EXPECT_NEAR(rho, 0.36, 1e-6);
    EXPECT_NEAR(run.fyd_red, (1 - rho) * run.f_yd, 1e-9);
}

TEST(Interaction, NegativeShearAndHoggingMoment) {
    DesignInput in = modelfixtures::exampleDesign();
    in.V_t = -1e5;
    in.M_t = -3e8;
    const InteractionRun run = runInteraction(in);
    ASSERT_EQ(run.rows.size(), 9u);
    for (std::size_t i = 0; i + 1 < run.rows.size(); ++i) {
        EXPECT_LE(run.rows[i][0], 0.0);
        EXPECT_LT(run.rows[i][1], 0.0) << "hogging plastic limit " << i;
        EXPECT_LT(run.rows[i][2], 0.0) << "hogging elastic limit " << i;
    }
    EXPECT_NEAR(run.rows.back()[0], -run.V_pl_Rd, 1);
    EXPECT_EQ(run.fyd_red, run.f_yd);  // |V_Ed| below V_pl_Rd / 2
}
