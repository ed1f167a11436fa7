// Moment-curvature relation: spacing of the curvatures, equilibrium and
// moment of every row, hand stiffnesses of the elastic branches, the ends at
// the limit states, and the file of a complete run.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "analysis/moment_curvature.h"
#include "analysis/strain_solver.h"
#include "io/input_reader.h"
#include "section/concrete_slab.h"
#include "section/section_response.h"
#include "section/steel_section.h"
#include "support/section_fixture.h"
#include "support/test_support.h"

using namespace sectionfixture;
using testsupport::exampleInput;
using testsupport::readLines;
using testsupport::replaceLine;
using testsupport::runEngine;
using testsupport::TempFolder;

namespace {

const double pi = 3.141592653589793;
// |N| <= 50 N may shift M about the steel underside by 50 N times a lever of
// up to the section height (660 mm); the limit searches add 5000 Nmm.
const double leverTolerance = 50.0 * 660.0;
const double momentTolerance = 5000.0 + leverTolerance;
const std::string curveHeader = "kappa\tZ_na\tsum_M\tsum_N\tzustand";

// The section in the state of the ultimate limit state: shear check with V,
// limit moments and the design state for M.
void prepareUltimateState(SectionUnderTest &t, double M, double V) {
    t.calc.shearFails(V);
    t.calc.setActions(M, V);
    t.calc.elasticLimitMoments();
    t.calc.plasticLimitMoments(1);
    const DesignState d = solveDesignState(t.section());
    t.section().design = d.point;
}

int rowsWithSign(const std::vector<CurvatureRow> &rows, int sign) {
    int n = 0;
    for (const CurvatureRow &r : rows) n += r.kappa * sign > 0.0;
    return n;
}

}  // namespace

TEST(MomentCurvature, CurvaturesRunLinearlyToTheKneeThenGeometrically) {
    const struct {
        double knee, end;
        int linear, geometric;
        std::vector<double> expected;
    } cases[] = {
        {1.0, 8.0, 4, 3, {0.25, 0.5, 0.75, 1.0, 2.0, 4.0, 8.0}},  // ratio 8^(1/3) = 2
        {0.5, 4.5, 1, 2, {0.5, 1.5, 4.5}},                         // ratio 3
        {2.0, 2.0, 4, 3, {}},                                      // knee not below the end
        {0.0, 8.0, 4, 3, {}},
        {1.0, INFINITY, 4, 3, {}},
        {1.0, 8.0, 0, 3, {}},
        {1.0, 8.0, 4, 0, {}},
    };
    for (const auto &c : cases) {
        const std::vector<double> k = branchCurvatures(c.knee, c.end, c.linear, c.geometric);
        ASSERT_EQ(k.size(), c.expected.size()) << c.knee << " " << c.end;
        for (std::size_t i = 0; i < k.size(); ++i) EXPECT_NEAR(k[i], c.expected[i], 1e-12) << i;
        // Knee and end exactly, not as a product of the ratio.
        if (!k.empty()) {
            EXPECT_EQ(k[c.linear - 1], c.knee);
            EXPECT_EQ(k.back(), c.end);
        }
    }
}

namespace {

struct Configuration {
    const char *what;
    DesignInput input;
    double M_Ed;       // design moment of the ultimate limit state
    double shareVpl;   // design shear force as a share of V_pl_Rd
};

std::vector<Configuration> configurations() {
    DesignInput noStrainLimits = modelfixtures::exampleDesign();
    noStrainLimits.set_e_cu3 = "OFF";
    noStrainLimits.set_verfestigung_s = "OFF";
    return {{"rolled IPE 400, design state elastic", exampleIPE400(), 4e8, 0.3},
            {"rolled IPE 400, design state cracked and yielded", exampleIPE400(), 8.5e8, 0.3},
            {"rolled IPE 400, hogging design state under high shear", exampleIPE400(), -4e8, 0.9},
            {"welded 500 x 200 with bars", modelfixtures::exampleDesign(), 6e8, 0.0},
            {"welded without strain limits", noStrainLimits, -3e8, 0.0}};
}

}  // namespace

TEST(MomentCurvature, EveryRowIsAPlaneOfZeroAxialForceWithItsMoment) {
    for (const Configuration &c : configurations()) {
        SectionUnderTest t(c.input);
        CompositeSection &s = t.section();
        prepareUltimateState(t, c.M_Ed, c.shareVpl * s.steel.V_pl_Rd);
        const std::vector<CurvatureRow> rows = momentCurvatureRows(s);
        EXPECT_GE(rowsWithSign(rows, -1), 60) << c.what;
        EXPECT_GE(rowsWithSign(rows, +1), 60) << c.what;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CurvatureRow &r = rows[i];
            // The plane of the row evaluated afresh: equilibrium and the same moment.
            const SectionResult back = evaluateSection(s, r.kappa, r.Z_na);
            EXPECT_LE(std::fabs(back.N), 50.0) << c.what << " kappa " << r.kappa;
            EXPECT_NEAR(back.N, r.sum_N, 1e-9 * (1.0 + std::fabs(r.sum_N))) << c.what;
            EXPECT_NEAR(back.M, r.sum_M, 1e-9 * std::fabs(r.sum_M)) << c.what << r.kappa;
            EXPECT_EQ(r.zustand, back.state) << c.what << " kappa " << r.kappa;
            EXPECT_NE(r.zustand, ZoneState::Failed) << c.what;
            if (i == 0) continue;
            EXPECT_GT(r.kappa, rows[i - 1].kappa) << c.what << " row " << i;
            // Ascending curvature: the moment grows on both branches (hogging
            // moments rise towards 0), up to the axial-force tolerance.
            EXPECT_GE(r.sum_M, rows[i - 1].sum_M - leverTolerance) << c.what << " row " << i;
        }
    }
}

TEST(MomentCurvature, PassesThroughZeroTheLimitsAndTheDesignState) {
    for (const Configuration &c : configurations()) {
        SectionUnderTest t(c.input);
        CompositeSection &s = t.section();
        prepareUltimateState(t, c.M_Ed, c.shareVpl * s.steel.V_pl_Rd);
        const std::vector<CurvatureRow> rows = momentCurvatureRows(s);
        std::map<double, const CurvatureRow *> byKappa;
        for (const CurvatureRow &r : rows) byKappa[r.kappa] = &r;
        auto expectRow = [&](const LimitPoint &p, const char *which) {
            const auto found = byKappa.find(p.kappa);
            ASSERT_NE(found, byKappa.end()) << c.what << ": " << which;
            EXPECT_EQ(found->second->sum_M, p.M) << c.what << ": " << which;
            EXPECT_EQ(found->second->Z_na, p.z0) << c.what << ": " << which;
        };
        // kappa = 0 at the elastic axis of the uncracked section, stress-free.
        ASSERT_EQ(byKappa.count(0.0), 1u) << c.what;
        EXPECT_EQ(byKappa[0.0]->Z_na, s.Z_el_na);
        EXPECT_EQ(byKappa[0.0]->sum_M, 0.0);
        EXPECT_EQ(byKappa[0.0]->sum_N, 0.0);
        EXPECT_EQ(byKappa[0.0]->zustand, ZoneState::Elastic);
        expectRow(s.elasticLimit[0], "elastic limit, hogging");
        expectRow(s.elasticLimit[1], "elastic limit, sagging");
        ASSERT_FALSE(s.design.state == ZoneState::Failed) << c.what;
        expectRow(s.design, "design state");
        // Ends: the plastic limits, unless they are the fully plastic state of
        // the probe; then the first moment of 99.5 % of it.
        for (const int side : {0, 1}) {
            const LimitPoint &pl = s.plasticLimit[side];
            const CurvatureRow &end = side == 0 ? rows.front() : rows.back();
            if (std::fabs(pl.kappa) < 9999.0) {
                expectRow(pl, "plastic limit");
                EXPECT_EQ(end.kappa, pl.kappa) << c.what;
                continue;
            }
            const double target = 0.995 * pl.M;
            EXPECT_NEAR(end.sum_M, target, momentTolerance) << c.what << " side " << side;
            for (const CurvatureRow &r : rows) {
                if (&r == &end || r.kappa * pl.kappa <= 0.0) continue;
                EXPECT_LT(std::fabs(r.sum_M), std::fabs(target) + leverTolerance) << c.what;
            }
        }
    }
}

// Hand stiffnesses of the welded 500 x 200 x 20 / 10 under a 160 x 2000 slab
// with 14 bars of 10 mm (z = 535) and 14 of 12 mm (z = 624) in the linear
// range: sagging the uncracked transformed section (the slab stays
// compressed), hogging steel and bars alone (the slab has cracked at once).
TEST(MomentCurvature, LinearRangesFollowTheHandStiffnesses) {
    const double E_c = 17.0 / 1.75e-3, E_a = 210000.0, E_s = 200000.0;
    const double A_a = 2 * 200.0 * 20.0 + 460.0 * 10.0, z_a = 250.0;
    const double I_a =
        10.0 * std::pow(460.0, 3) / 12.0 + 2 * (200.0 * std::pow(20.0, 3) / 12.0 + 4000.0 * 240.0 * 240.0);
    const struct {
        double r, z;
    } bars[] = {{5.0, 535.0}, {6.0, 624.0}};
    const double n = 14.0;  // 2000 / 150 + 1 bars per layer
    // Concrete 2000 x 160 around z = 580, net of the bars.
    double A_c = 2000.0 * 160.0, S_c = A_c * 580.0;
    for (const auto &b : bars) {
        A_c -= n * pi * b.r * b.r;
        S_c -= n * pi * b.r * b.r * b.z;
    }
    auto stiffness = [&](bool withConcrete) {
        double EA = E_a * A_a, ES = E_a * A_a * z_a;
        for (const auto &b : bars) {
            EA += E_s * n * pi * b.r * b.r;
            ES += E_s * n * pi * b.r * b.r * b.z;
        }
        if (withConcrete) {
            EA += E_c * A_c;
            ES += E_c * S_c;
        }
        const double Z = ES / EA;
        double EI = E_a * (I_a + A_a * (z_a - Z) * (z_a - Z));
        for (const auto &b : bars) {
            const double A = n * pi * b.r * b.r;
            EI += E_s * (n * pi * std::pow(b.r, 4) / 4.0 + A * (b.z - Z) * (b.z - Z));
            // The concrete loses the bar's own second moment as well as its area.
            if (withConcrete) EI -= E_c * (n * pi * std::pow(b.r, 4) / 4.0 + A * (b.z - Z) * (b.z - Z));
        }
        if (withConcrete) EI += E_c * (2000.0 * std::pow(160.0, 3) / 12.0 + 320000.0 * (580.0 - Z) * (580.0 - Z));
        return EI;
    };
    SectionUnderTest t(modelfixtures::exampleDesign());
    CompositeSection &s = t.section();
    prepareUltimateState(t, 0.0, 0.0);
    const double EI[2] = {stiffness(false), stiffness(true)};  // hogging, sagging
    int checked[2] = {0, 0};
    for (const CurvatureRow &r : momentCurvatureRows(s)) {
        if (r.kappa == 0.0) continue;
        const int side = r.kappa > 0.0 ? 1 : 0;
        if (std::fabs(r.kappa) > std::fabs(s.elasticLimit[side].kappa)) continue;
        EXPECT_NEAR(r.sum_M, EI[side] * r.kappa / 1000.0, momentTolerance) << r.kappa;
        ++checked[side];
    }
    EXPECT_GE(checked[0], 12);  // the linear rows up to the elastic limit
    EXPECT_GE(checked[1], 12);
}

// Inputs at the edges of the permitted ranges must neither hang the relation
// (bounded count of section evaluations) nor give rows that are not finite,
// not ascending or out of equilibrium.
TEST(MomentCurvature, DegenerateSectionsGiveFiniteRowsInBoundedWork) {
    std::vector<std::pair<const char *, DesignInput>> cases;
    DesignInput in = exampleIPE400();
    in.d_u = in.d_o = 0.0;
    cases.push_back({"both bar diameters 0", in});
    in = exampleIPE400();
    in.b_e = 100.0;  // one bar per layer
    cases.push_back({"single bar layers", in});
    in = modelfixtures::exampleDesign();
    in.t_w = 0.01;
    cases.push_back({"web 0.01 mm", in});
    in = exampleIPE400();
    in.b_e = 0.0;
    in.d_u = in.d_o = 0.0;
    in.AbstanduntereLage = in.AbstandobereLage = 0.0;
    cases.push_back({"slab width 0", in});
    in = exampleIPE400();
    in.h_profilblech = 160.0;
    in.b_p = 0.0;
    in.d_u = in.d_o = 0.0;
    cases.push_back({"ribs of width 0 only", in});
    in = exampleIPE400();
    in.set_e_cu3 = "OFF";
    in.set_verfestigung_s = "OFF";
    cases.push_back({"no strain limits", in});
    in = modelfixtures::exampleDesign();
    in.b_e = 0.0;
    in.d_u = in.d_o = 0.0;
    in.AbstanduntereLage = in.AbstandobereLage = 0.0;
    in.gamma_M = 1e-4;  // first yield far beyond the fine march
    cases.push_back({"bare steel with f_yd = 3.55e6", in});
    for (const auto &[what, input] : cases) {
        SectionUnderTest t(input);
        CompositeSection &s = t.section();
        prepareUltimateState(t, 0.5 * input.M_t, input.V_t);
        const unsigned long long before = sectionEvaluationCount();
        const std::vector<CurvatureRow> rows = momentCurvatureRows(s);
        EXPECT_LT(sectionEvaluationCount() - before, 20000u) << what;
        EXPECT_FALSE(rows.empty()) << what;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CurvatureRow &r = rows[i];
            EXPECT_TRUE(allFinite({r.kappa, r.Z_na, r.sum_M, r.sum_N})) << what;
            EXPECT_LE(std::fabs(r.sum_N), 50.0) << what << " kappa " << r.kappa;
            if (i > 0) {
                EXPECT_GT(r.kappa, rows[i - 1].kappa) << what;
            }
        }
    }
}

// ---- The file of a complete engine run ----

namespace {

std::vector<std::vector<std::string>> curveRows(const std::string &runFolder) {
    std::vector<std::vector<std::string>> rows;
    const std::vector<std::string> lines = readLines(runFolder + "kappa_M_beziehung.txt");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        std::vector<std::string> fields;
        for (std::string f; in >> f;) fields.push_back(f);
        rows.push_back(fields);
    }
    return rows;
}

// Last value text of each label of the run folder's output.txt.
std::map<std::string, std::string> labelledValues(const std::string &runFolder) {
    std::map<std::string, std::string> values;
    std::string lastLabel;
    for (const std::string &line : readLines(runFolder + "output.txt")) {
        std::istringstream in(line);
        std::string label, value;
        if (!(in >> label >> value)) continue;
        // "Zna" follows each limit; keep it under the label before it.
        values[label == "Zna" ? lastLabel + ".Zna" : label] = value;
        if (label != "Zna") lastLabel = label;
    }
    return values;
}

// Rounding of a number written with six significant digits.
double halfDigit(double x) {
    return x == 0.0 ? 0.0 : 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 5.0);
}

}  // namespace

TEST(MomentCurvatureFile, ExampleRunWritesTheRelationThroughItsLimitAndDesignPoints) {
    TempFolder work;
    const auto run = runEngine(work, exampleInput());
    ASSERT_EQ(run.err, "Berechnung wurde erfolgreich abgeschlossen\n");
    ASSERT_EQ(readLines(run.runFolder + "kappa_M_beziehung.txt").at(0), curveHeader);
    const auto rows = curveRows(run.runFolder);
    std::map<std::string, const std::vector<std::string> *> byKappa;
    int hogging = 0, sagging = 0;
    double previous = -INFINITY;
    for (const auto &r : rows) {
        ASSERT_EQ(r.size(), 5u);
        const double kappa = std::stod(r[0]);
        EXPECT_GT(kappa, previous);
        previous = kappa;
        (kappa < 0.0 ? hogging : sagging) += kappa != 0.0;
        byKappa[r[0]] = &r;
    }
    EXPECT_GE(hogging, 60);
    EXPECT_GE(sagging, 60);
    // Limit points of "*Grenzmomente": the same curvature, moment and axis.
    const auto v = labelledValues(run.runFolder);
    for (const char *which : {"min_el", "max_el", "min_pl", "max_pl"}) {
        const std::string kappa = v.at(std::string("kappa_") + which);
        ASSERT_EQ(byKappa.count(kappa), 1u) << which;
        EXPECT_EQ((*byKappa[kappa])[2], v.at(std::string("M_") + which)) << which;
        EXPECT_EQ((*byKappa[kappa])[1], v.at(std::string("kappa_") + which + ".Zna")) << which;
    }
    // The ends are the plastic limits.
    EXPECT_EQ(rows.front()[0], v.at("kappa_min_pl"));
    EXPECT_EQ(rows.back()[0], v.at("kappa_max_pl"));
    // The design state of the ultimate limit state (M, V, kappa, Z_na, ...).
    std::istringstream state(readLines(run.runFolder + "Tragfaehigkeitkeit/spannung_ohne_ts/output.txt").at(1));
    std::string M, V, kappa, Z_na;
    state >> M >> V >> kappa >> Z_na;
    ASSERT_EQ(byKappa.count(kappa), 1u);
    EXPECT_EQ((*byKappa[kappa])[2], M);
    EXPECT_EQ((*byKappa[kappa])[1], Z_na);
    EXPECT_EQ(byKappa.count("0"), 1u);

    // Every row fed back into the section of the same input (read as the
    // engine reads it, with f_yd,red of V_Ed): zero axial force and its moment
    // within the six digits of the file. The bounds take every material on its
    // initial modulus: |dN/dz0| <= |kappa| E_c A_f* / 1000 and |dN/dkappa| <=
    // E_c A_f* H / 1000, the moment one lever H further.
    DesignInput in;
    in.runFolder = run.runFolder.substr(0, run.runFolder.size() - 1);
    ASSERT_TRUE(readInput(in));
    SectionUnderTest t(in);
    CompositeSection &s = t.section();
    t.calc.shearFails(in.V_t);
    const double EA = s.slab.E_c * s.A_f / 1000.0, H = s.h_a + s.slab.h_c;
    for (const auto &r : rows) {
        const double k = std::stod(r[0]), z = std::stod(r[1]), Mf = std::stod(r[2]),
                     Nf = std::stod(r[3]);
        const SectionResult back = evaluateSection(s, k, z);
        const double shiftN = std::fabs(k) * EA * halfDigit(z) + EA * H * halfDigit(k);
        EXPECT_LE(std::fabs(back.N), 50.0 + shiftN) << r[0];
        EXPECT_NEAR(back.N, Nf, shiftN + halfDigit(Nf) + 1e-9) << r[0];
        EXPECT_NEAR(back.M, Mf, H * shiftN + halfDigit(Mf)) << r[0];
        // (The state is not compared: six digits can move a limit point of
        // the file across its limit.)
        EXPECT_TRUE(r[4] == "el" || r[4] == "nel") << r[0];
    }
}

TEST(MomentCurvatureFile, HeaderOnlyAfterAValidationOrAnUltimateShearFailure) {
    const struct {
        const char *what;
        std::string input;
    } cases[] = {
        {"validation failure",
         replaceLine(exampleInput(), "*Eigenschaften-Baustahl:", "*Eigenschaften-Baustahl:\t355\t-1")},
        // IPE 400 in S355: V_pl_Rd = 875 kN.
        {"shear failure", replaceLine(exampleInput(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t4e8\t9e5")},
    };
    for (const auto &c : cases) {
        TempFolder work;
        const auto run = runEngine(work, c.input);
        EXPECT_EQ(run.err.find("FEHLERMELDUNG") != std::string::npos,
                  std::string(c.what) == "validation failure");
        EXPECT_EQ(testsupport::readFile(run.runFolder + "kappa_M_beziehung.txt"), curveHeader + "\n")
            << c.what;
    }
    // A design moment beyond the plastic limit is a result, not a failure of
    // the relation: its rows are written, without a design row.
    TempFolder work;
    const auto run =
        runEngine(work, replaceLine(exampleInput(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t5e9\t1e5"));
    EXPECT_GT(curveRows(run.runFolder).size(), 120u);
}
