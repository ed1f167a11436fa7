// The design state and the limit moments in the result files, and inputs at
// the edge of the range that must neither hang nor produce non-finite values.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/section_fixture.h"

using namespace sectionfixture;

namespace {

std::string stateFile(const SectionUnderTest &t, const std::string &name) {
    return testsupport::readFile(t.files.writer.currentStateFile(name));
}

std::vector<std::vector<double>> numberRows(const std::string &text) {
    std::vector<std::vector<double>> rows;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<double> row;
        double v = 0.0;
        while (fields >> v) row.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

const char *const partHeader = "Z_u\tZ_o\tZ_s\te_u\te_o\ts_u\ts_o\tA\tI\tN\tM\tzustand\n";

void ultimateLimitState(SectionUnderTest &t, double M_Ed, double V_Ed) {
    t.files.writer.selectUltimate();
    t.files.writer.selectWithoutTensionStiffening();
    t.calc.setActions(M_Ed, V_Ed);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    t.calc.designState();
}

}  // namespace

TEST(DesignStateFiles, RowsOfAStateAddUpToItsMomentAboutTheSteelUnderside) {
    const struct {
        double M_Ed;
        const char *what;
    } cases[] = {{4e8, "uncracked range"}, {8.5e8, "yielded, axis in the slab"},
                 {-5e8, "hogging, cracked"}};
    for (const auto &c : cases) {
        SectionUnderTest t(exampleIPE400());
        ultimateLimitState(t, c.M_Ed, 3e5);
        const auto state = numberRows(stateFile(t, "output.txt"));
        ASSERT_EQ(state.size(), 1u) << c.what;
        ASSERT_EQ(state[0].size(), 6u);
        const double M = state[0][0];
        EXPECT_NEAR(M, c.M_Ed, 5000.0);
        EXPECT_EQ(state[0][1], 3e5);
        EXPECT_NEAR(state[0][4], M / (state[0][2] / 1000.0), 1e-5 * std::fabs(state[0][4]));
        EXPECT_EQ(state[0][5], 355.0);
        // Every part row: Z_u Z_o Z_s ... N M; sum N = 0 and sum (M - N Z_s) = M.
        double sumN = 0.0, sumM = 0.0;
        size_t count = 0;
        for (const char *file : {"spannung_c.txt", "spannung_s.txt", "spannung_a.txt"}) {
            for (const auto &row : numberRows(stateFile(t, file))) {
                ASSERT_EQ(row.size(), 11u);
                EXPECT_LE(row[0], row[2]);
                EXPECT_LE(row[2], row[1]);
                sumN += row[9];
                sumM += row[10] - row[9] * row[2];
                ++count;
            }
        }
        EXPECT_GE(count, 7u + 1u + 2u);
        // Six significant digits per number in the files.
        EXPECT_NEAR(sumN, 0.0, 50.0 + 1e-5 * 3e6) << c.what;
        EXPECT_NEAR(sumM, M, 1e-5 * std::fabs(M)) << c.what;
        // Concrete heights are in steel coordinates: the slab starts at h = 400.
        EXPECT_EQ(numberRows(stateFile(t, "spannung_c.txt")).front()[0], 400.0);
    }
}

TEST(DesignStateFiles, MomentBeyondThePlasticLimitWritesOnlyTheFailureLine) {
    SectionUnderTest t(exampleIPE400());
    ultimateLimitState(t, 2e9, 3e5);
    EXPECT_EQ(stateFile(t, "output.txt"), "Querschnittsversagen \n");
    for (const char *file : {"spannung_c.txt", "spannung_s.txt", "spannung_a.txt"})
        EXPECT_EQ(stateFile(t, file), partHeader) << file;
    EXPECT_EQ(t.section().design.state, ZoneState::Failed);
}

TEST(LimitMomentBlock, LabelsInOrderWithTheStoredLimits) {
    SectionUnderTest t(exampleIPE400());
    ultimateLimitState(t, 4e8, 3e5);
    t.calc.writeLimitMoments();
    const CompositeSection &s = t.section();
    std::istringstream in(t.files.output());
    std::string line, label;
    std::getline(in, line);
    EXPECT_EQ(line, "");
    std::getline(in, line);
    EXPECT_EQ(line, "*Grenzmomente");
    const struct {
        const char *label;
        double value;
    } expected[] = {{"V_ed", 3e5},
                    {"M_min_el", s.elasticLimit[0].M}, {"kappa_min_el", s.elasticLimit[0].kappa},
                    {"Zna", s.elasticLimit[0].z0},     {"M_max_el", s.elasticLimit[1].M},
                    {"kappa_max_el", s.elasticLimit[1].kappa}, {"Zna", s.elasticLimit[1].z0},
                    {"M_min_pl", s.plasticLimit[0].M}, {"kappa_min_pl", s.plasticLimit[0].kappa},
                    {"Zna", s.plasticLimit[0].z0},     {"M_max_pl", s.plasticLimit[1].M},
                    {"kappa_max_pl", s.plasticLimit[1].kappa}, {"Zna", s.plasticLimit[1].z0}};
    for (const auto &e : expected) {
        double value = 0.0;
        ASSERT_TRUE(in >> label >> value);
        EXPECT_EQ(label, e.label);
        EXPECT_NEAR(value, e.value, 1e-5 * std::fabs(e.value));
    }
    EXPECT_FALSE(in >> label);
}

namespace {

void expectFinite(const LimitPoint &p, const std::string &what) {
    EXPECT_TRUE(allFinite({p.kappa, p.z0, p.M, p.N})) << what;
}

// Both limit states as the run performs them; every record must stay finite.
void runBothLimitStates(const DesignInput &in, const std::string &what) {
    SectionUnderTest t(in);
    CompositeSection &s = t.section();
    ultimateLimitState(t, in.M_t, in.V_t);
    for (int i = 0; i < 2; ++i) {
        expectFinite(s.elasticRange[i], what + " range");
        expectFinite(s.elasticLimit[i], what + " elastic");
        expectFinite(s.plasticLimit[i], what + " plastic");
    }
    expectFinite(s.design, what + " ULS");
    t.files.writer.selectServiceability();
    t.files.writer.selectWithoutTensionStiffening();
    t.calc.setActions(in.M_g, in.V_g);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    t.calc.designState();
    expectFinite(s.design, what + " SLS");
    t.calc.switchTensionStiffeningOn();
    t.calc.designState();
    expectFinite(s.design, what + " SLS with TS");
    const std::string row = stateFile(t, "output.txt");
    EXPECT_EQ(row.find("nan"), std::string::npos) << what;
    EXPECT_EQ(row.find("inf"), std::string::npos) << what;
}

}  // namespace

TEST(DegenerateInputs, NeitherHangNorProduceNonFiniteValues) {
    DesignInput noBars = exampleIPE400();
    noBars.d_u = noBars.d_o = 0.0;
    runBothLimitStates(noBars, "both bar diameters 0");

    DesignInput singleBars = exampleIPE400();
    singleBars.b_e = 100.0;  // narrower than the spacing 150: one bar per layer
    singleBars.M_g = -5e7;
    runBothLimitStates(singleBars, "single bar layers, hogging with TS");

    DesignInput huge = exampleIPE400();
    huge.M_t = 1e15;
    huge.M_g = -1e15;
    runBothLimitStates(huge, "huge moments");

    DesignInput thinWeb = modelfixtures::exampleDesign();
    thinWeb.t_w = 0.01;
    thinWeb.M_g = -2e8;
    runBothLimitStates(thinWeb, "web 0.01 mm");

    DesignInput noSlabWidth = exampleIPE400();  // steel alone: b_e = 0, no bars
    noSlabWidth.b_e = 0.0;
    noSlabWidth.d_u = noSlabWidth.d_o = 0.0;
    noSlabWidth.AbstanduntereLage = noSlabWidth.AbstandobereLage = 0.0;
    runBothLimitStates(noSlabWidth, "slab width 0");

    DesignInput ribsOnly = exampleIPE400();  // sheeting as high as the slab
    ribsOnly.h_profilblech = 160.0;
    ribsOnly.b_p = 0.0;
    ribsOnly.d_u = ribsOnly.d_o = 0.0;
    runBothLimitStates(ribsOnly, "ribs of width 0 only");

    DesignInput noHardeningNoLimit = exampleIPE400();
    noHardeningNoLimit.set_e_cu3 = "OFF";
    noHardeningNoLimit.set_verfestigung_s = "OFF";
    noHardeningNoLimit.M_t = 9e8;
    runBothLimitStates(noHardeningNoLimit, "no strain limits");
}
