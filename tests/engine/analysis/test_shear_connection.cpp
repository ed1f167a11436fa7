// Headed studs, the degree of connection and M_Rd(eta) against hand values (a script outside the
// repository, exact circle segments for bars and fillets): 19 mm stud, f_u 450, C30/37 (E_cm =
// 32836.57); the example IPE 400 + slab 160 x 2000: N_c,f = f_yd A_a = 355 * 8446.358 = 2998457 N.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

#include "analysis/classification.h"
#include "analysis/shear_connection.h"
#include "support/section_fixture.h"

using namespace sectionfixture;

TEST(ShearConnection, StudResistanceAndRibFactorsByHand) {
    // P_Rd,1 = 0.8 * 450 * pi 19^2/4 / 1.25 = 81656.28; P_Rd,2 = 0.29 * 361 sqrt(30 * 32836.57) / 1.25
    // = 83125.58; h_sc = 70: alpha = 0.2 (70/19 + 1) = 0.93684, 77875.54. Across: 0.7/sqrt(n_r)
    // (80/60)(100/60 - 1) = 0.62222, 0.43998; (150/50)(100/50 - 1) * 0.7 = 2.1 > k_t,max. Along:
    // 0.6 (80/60)(100/60 - 1); h_sc 150 counts as 50 + 75: 0.6 (40/50)(125/50 - 1) = 0.72.
    const struct {
        double d, h_sc;
        const char *Rippen;
        double h_p, b_0, n_r, t, k, P_Rd;
        int formula;
    } cases[] = {
        {19, 100, "keine", 0, 0, 1, 0, 1.0, 81656.28, 1},          {19, 70, "keine", 0, 0, 1, 0, 1.0, 77875.54, 2},
        {19, 100, "quer", 60, 80, 1, 1.0, 0.622222, 50808.35, 1},   {19, 100, "quer", 60, 80, 2, 1.0, 0.439978, 35926.93, 1},
        {19, 100, "quer", 50, 150, 1, 1.0, 0.85, 69407.83, 1},      {19, 100, "quer", 50, 150, 1, 1.25, 1.0, 81656.28, 1},
        {19, 100, "quer", 50, 150, 2, 1.0, 0.70, 57159.40, 1},      {19, 100, "quer", 50, 150, 2, 1.25, 0.80, 65325.02, 1},
        {22, 110, "quer", 50, 150, 1, 1.25, 0.75, NAN, 0},          {22, 110, "quer", 50, 150, 2, 1.25, 0.60, NAN, 0},
        {19, 100, "parallel", 60, 80, 1, 0, 0.533333, 43550.01, 1}, {19, 150, "parallel", 50, 40, 1, 0, 0.72, NAN, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.Rippen) + " h_sc " + std::to_string(c.h_sc) + " n_r " + std::to_string(c.n_r));
        const StudResistance stud = studResistance(c.d, c.h_sc, 450, 30);
        const double k = ribReduction(c.Rippen, c.d, c.h_sc, c.h_p, c.b_0, c.n_r, c.t);
        EXPECT_NEAR(k, c.k, 1e-6);
        if (std::isnan(c.P_Rd)) continue;
        EXPECT_NEAR(k * stud.P_Rd, c.P_Rd, 0.01);
        EXPECT_EQ(stud.formula, c.formula);
    }
}

TEST(ShearConnection, MinimumDegreeByHand) {
    using Rule = protocol::MinimumDegreeRule;
    const double top = 2430;  // IPE 400 flanges, 180 x 13.5
    // Equal: 1 - (355/f_y)(0.75 - 0.03 L_e) >= 0.4, 1 beyond 25 m; bottom larger up to three
    // times: 1 - (355/f_y)(0.30 - 0.015 L_e) >= 0.4, 1 beyond 20 m; 19 mm studs below 76 mm: 1.
    const struct {
        double f_y, L_e, A_f1, h_sc, eta_min;
        Rule rule;
    } cases[] = {
        {355, 6, top, 100, 0.43, Rule::EqualFlanges},         {355, 15, top, 100, 0.70, Rule::EqualFlanges},
        {355, 26, top, 100, 1.0, Rule::EqualFlanges},         {235, 6, top, 100, 0.4, Rule::EqualFlanges},
        {235, 15, top, 100, 0.546809, Rule::EqualFlanges},    {460, 15, top * 1.0005, 100, 0.768478, Rule::EqualFlanges},
        {355, 6, 2 * top, 100, 0.79, Rule::BottomFlangeLarger}, {355, 15, 2 * top, 100, 0.925, Rule::BottomFlangeLarger},
        {355, 26, 2 * top, 100, 1.0, Rule::BottomFlangeLarger}, {235, 6, 3 * top, 100, 0.682766, Rule::BottomFlangeLarger},
        {355, 6, 3.01 * top, 100, 1.0, Rule::BottomFlangeBeyond3}, {355, 6, 0.9 * top, 100, 1.0, Rule::BottomFlangeSmaller},
        {355, 15, top, 75, 1.0, Rule::StudsNotDuctile},
    };
    for (const auto &c : cases) {
        const MinimumDegree m = minimumDegree(c.f_y, c.L_e, c.A_f1, top, 19, c.h_sc);
        EXPECT_NEAR(m.eta_min, c.eta_min, 1e-6) << c.f_y << " " << c.L_e << " " << c.A_f1;
        EXPECT_EQ(m.rule, c.rule) << c.f_y << " " << c.L_e << " " << c.A_f1;
    }
}

// The slab carries N_c as a compression block with the bars inside it (no bar pulls); its axis
// lies below the top bars (30..42 mm below the top), the steel's in its top flange.
TEST(ShearConnection, PartialConnectionMomentOfTheExample) {
    SectionUnderTest t(exampleIPE400());
    CompositeSection &s = t.section();
    const double N_cf = 2998457.0, M_pl_a = 464037412.0, M_pl = 998854303.4;
    EXPECT_NEAR(fullConnectionForce(s), N_cf, 0.5);
    const PartialConnectionSection parts = partialConnectionSection(s, s.steel.f_yd);
    // 18 studs: eta = 0.490190; at V_Ed = 700 kN f_yd,red = (1 - (2 * 700 / 875.065 - 1)^2) 355 =
    // 227.2508 in the web with its fillets and the inner flange halves over t_w + 2 r. At eta = 1
    // the bottom bars below the slab's axis do not pull: 975.3 kNm, below M_pl of full connection.
    const struct {
        double eta, fyd_red, M, z_c, z_a;
    } cases[] = {{0.5, 355, 799661409.3, 524.5334, 388.2689}, {0.490190, 355, 795645659.3, 524.8169, 388.0388},
                 {1.0, 355, 975316337.8, 491.2660, 400.0},    {0.5, 227.2508, 695808290.0, 524.5334, 392.4564},
                 {0.0, 355, M_pl_a, 560.0, 200.0}};
    for (const auto &c : cases) {
        const PartialConnectionState state =
            partialConnectionMoment(partialConnectionSection(s, c.fyd_red), c.eta * N_cf);
        EXPECT_NEAR(state.M, c.M, 2e-7 * c.M) << c.eta;
        EXPECT_NEAR(state.z_c, c.z_c, 1e-3) << c.eta;
        EXPECT_NEAR(state.z_a, c.z_a, 1e-3) << c.eta;
    }
    // Without studs the steel alone: W_pl,y = 1307 cm3 of the IPE 400 catalogue times f_yd.
    EXPECT_NEAR(partialConnectionMoment(parts, 0.0).M, 1307e3 * 355, 1e-3 * M_pl_a);
    // The linear interpolation of EN 1994-1-1 6.2.1.3(5) is a lower bound up to eta = 0.9.
    for (double eta : {0.25, 0.4, 0.5, 0.75, 0.9})
        EXPECT_GE(partialConnectionMoment(parts, eta * N_cf).M, M_pl_a + eta * (M_pl - M_pl_a)) << eta;
    // A slab force beyond N_c,f is capped there.
    EXPECT_NEAR(partialConnectionMoment(parts, 2 * N_cf).M, 975316337.8, 200.0);
}

namespace {

std::string studs(int n) { return "*Verbundmittel:\t19\t100\t450\t" + std::to_string(n) + "\t8000\tkeine\t1\t0\n"; }

std::map<std::string, std::string> filesOf(const std::string &folder) {
    std::map<std::string, std::string> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).generic_string()] = testsupport::readFile(entry.path().string());
    return files;
}

}  // namespace

// 18 studs: Verduebelung.txt as by hand (eta_min = 1 - (0.75 - 0.03 * 8) = 0.49), and one reduced
// moment per row of the moment-shear relation: 795.6 kNm up to V_pl,Rd / 2, at most M_pl,Rd(V), 0 at V_pl,Rd.
TEST(ShearConnection, RunWithStudsWritesTheDegreeAndTheReducedCurve) {
    testsupport::TempFolder work;
    const auto run = testsupport::runInProcess(work, testsupport::exampleInput() + studs(18));
    const auto lines = testsupport::readLines(run.runFolder + "Verduebelung.txt");
    ASSERT_EQ(lines.size(), 2u);
    const double hand[] = {81656.28, 18, 1, 2998457.0, 1469812.97, 0.4901896, 0.49, 795645492.7};
    std::istringstream row(lines[1]);
    for (double h : hand) {
        double x = NAN;
        row >> x;
        EXPECT_NEAR(x, h, 5e-6 * h);  // six digits
    }
    const auto relation = testsupport::readLines(run.runFolder + "V_M_beziehung.txt");
    const auto curve = testsupport::readLines(run.runFolder + "V_M_Teilverduebelung.txt");
    ASSERT_EQ(curve.size(), relation.size());
    for (std::size_t i = 1; i < curve.size(); ++i) {
        double V = 0, M = 0, V_r = 0, M_pl = 0;
        std::istringstream(curve[i]) >> V >> M;
        std::istringstream(relation[i]) >> V_r >> M_pl;
        EXPECT_EQ(V, V_r);
        EXPECT_LE(M, M_pl * (1 + 1e-6)) << i;
        EXPECT_TRUE(V > 875065.2 / 2 || std::fabs(M - 795645492.7) < 2e3) << i;
        EXPECT_TRUE(i + 1 < curve.size() || M == 0.0);
    }
}

// Without the line the new files hold their headers; with full connection nothing changes but
// the row verduebelung (and gesamt, which counts it), Verduebelung.txt and output.txt's new last block.
TEST(ShearConnection, WithoutStudsOrWithFullConnectionNothingElseChanges) {
    testsupport::TempFolder a, b;
    auto without = filesOf(testsupport::runInProcess(a, testsupport::exampleInput()).runFolder);
    auto with = filesOf(testsupport::runInProcess(b, testsupport::exampleInput() + studs(40)).runFolder);
    EXPECT_EQ(without.at("Verduebelung.txt"), "P_Rd\tn\tk_t\tN_c_f\tN_c\teta\teta_min\tM_Rd_eta\n");
    EXPECT_EQ(without.at("V_M_Teilverduebelung.txt"), "V\tM_Rd_eta\n");
    EXPECT_EQ(with.at("V_M_Teilverduebelung.txt"), "V\tM_Rd_eta\n");
    EXPECT_EQ(without.at("output.txt").find("*Verd"), std::string::npos);
    EXPECT_EQ(with.at("output.txt").rfind(without.at("output.txt"), 0), 0u);
    const std::string n = without.at("Nachweise.txt"), w = with.at("Nachweise.txt");
    EXPECT_EQ(w.substr(0, w.find("verduebelung")), n.substr(0, n.find("verduebelung")));
    EXPECT_NE(n.find("\nverduebelung\t-\t-\t-\tnicht_massgebend\tvollstaendige_Verduebelung_angenommen\n"), std::string::npos);
    for (const char *changed : {"input.txt", "Nachweise.txt", "Verduebelung.txt", "output.txt"})
        with.erase(changed), without.erase(changed);
    EXPECT_EQ(with, without);
}

// "-0" studs are none: no "-0" in the files (N_c = 0, eta = 0, R_d of the degree's row).
TEST(ShearConnection, MinusZeroStudsAreNone) {
    testsupport::TempFolder work;
    const auto run = testsupport::runInProcess(work, testsupport::exampleInput() +
                                                         "*Verbundmittel:\t19\t100\t450\t-0\t8000\tkeine\t1\t-0\n");
    for (const char *file : {"Verduebelung.txt", "Nachweise.txt", "output.txt"})
        EXPECT_EQ(testsupport::readFile(run.runFolder + file).find("-0\t"), std::string::npos) << file;
}
