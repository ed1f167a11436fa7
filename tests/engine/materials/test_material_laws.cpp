// Design stress laws of concrete, reinforcing steel and structural steel at
// every branch limit and just beyond, and the derived material values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "materials/concrete_material.h"
#include "section/concrete_slab.h"
#include "support/model_fixtures.h"
#include "materials/reinforcement_material.h"
#include "materials/steel_material.h"

namespace {

struct LawCase {
    const char *name;
    double eps;
    double sigma;
    std::string state;
};

// C30/37, alpha_c 0.85, gamma_c 1.5: f_cd = -17, e_c3 = -1.75, E_c = 17 / 0.00175.
const double f_cd = -17.0, e_c3 = -1.75, e_cu3 = -3.5, E_c = 17.0 / 0.00175;
const double e_ct_ts = 2.9 / E_c * 1000.0;  // f_ctm 2.9 reached at the end of the tensile branch

TEST(ConcreteLaw, WithoutTensionStiffening) {
    const LawCase cases[] = {
        {"zero strain", 0.0, 0.0, "el"},
        {"tiny tension snaps to zero", 0.5e-8, 0.0, "el"},
        {"tension just beyond", 2e-8, 0.0, "riss"},
        {"tension", 1.0, 0.0, "riss"},
        {"linear branch", -1.0, -1.0 / 1.75 * 17.0, "el"},
        {"end of linear branch", -1.75, -17.0, "el"},
        {"just above e_c3 snaps", -1.75 + 0.5e-8, -17.0, "el"},
        {"just below e_c3 snaps", -1.75 - 0.5e-8, -17.0, "el"},
        {"plateau begins", -1.75 - 2e-8, -17.0, "nel"},
        {"plateau", -3.0, -17.0, "nel"},
        {"ultimate strain", -3.5, -17.0, "nel"},
        {"crushed", -3.5 - 1e-6, -17.0, "ver"},
    };
    for (const LawCase &c : cases) {
        const MaterialPoint p = concreteStress(c.eps, f_cd, e_c3, e_cu3, 0.0, E_c);
        EXPECT_NEAR(p.sigma, c.sigma, 1e-9) << c.name;
        EXPECT_EQ(std::string(protocol::stateWord(p.state)), c.state) << c.name;
    }
}

TEST(ConcreteLaw, WithTensionStiffeningAndUnlimitedStrain) {
    const double unlimited = -9999999999.0;
    const LawCase cases[] = {
        {"tensile branch", 0.1, 0.1e-3 * E_c, "el"},
        {"f_ctm at e_ct", e_ct_ts, 2.9, "el"},
        {"just above e_ct snaps", e_ct_ts + 0.5e-8, 2.9, "el"},
        {"cracked beyond e_ct", e_ct_ts + 2e-8, 0.0, "riss"},
        {"no crushing without strain limit", -1000.0, -17.0, "nel"},
    };
    for (const LawCase &c : cases) {
        const MaterialPoint p = concreteStress(c.eps, f_cd, e_c3, unlimited, e_ct_ts, E_c);
        EXPECT_NEAR(p.sigma, c.sigma, 1e-9) << c.name;
        EXPECT_EQ(std::string(protocol::stateWord(p.state)), c.state) << c.name;
    }
}

// f_sk 500, gamma_s 1.15, E_s 200000, k 1.08, e_uk 50 (class B), by hand:
const double f_sd = 434.7826086956522, e_sd = 2.1739130434782608, e_ud = 45.0;
const double E_s2 = 8000.0 / 11.0;  // (469.565 - 434.783) / (50 - 2.174) * 1000
const double f_ud = 465.9288537549407;

TEST(ReinforcementLaw, WithHardening) {
    const double at10 = f_sd + (10.0 - e_sd) * 0.001 * E_s2;
    const LawCase cases[] = {
        {"linear", 1.0, 200.0, "el"},
        {"yield strain", e_sd, f_sd, "el"},
        {"just beyond yield snaps", e_sd + 0.5e-8, f_sd, "el"},
        {"compression just beyond yield snaps", -e_sd - 0.5e-8, -f_sd, "el"},
        {"hardening branch", 10.0, at10, "nel"},
        {"hardening branch in compression", -10.0, -at10, "nel"},
        {"strain limit", 45.0, f_ud, "nel"},
        {"ruptured", 46.0, f_ud, "ver"},
        {"ruptured in compression", -46.0, -f_ud, "ver"},
    };
    for (const LawCase &c : cases) {
        const MaterialPoint p = reinforcementStress(c.eps, f_sd, e_sd, e_ud, 200000.0, E_s2);
        EXPECT_NEAR(p.sigma, c.sigma, 1e-9) << c.name;
        EXPECT_EQ(std::string(protocol::stateWord(p.state)), c.state) << c.name;
    }
}

TEST(ReinforcementLaw, WithoutHardeningNeverFails) {
    const double unlimited = 9999999999.0;
    const LawCase cases[] = {
        {"plateau", 50.0, f_sd, "nel"},
        {"far on the plateau", 1e6, f_sd, "nel"},
        {"compression plateau", -50.0, -f_sd, "nel"},
    };
    for (const LawCase &c : cases) {
        const MaterialPoint p = reinforcementStress(c.eps, f_sd, e_sd, unlimited, 200000.0, 0.0);
        EXPECT_NEAR(p.sigma, c.sigma, 1e-9) << c.name;
        EXPECT_EQ(std::string(protocol::stateWord(p.state)), c.state) << c.name;
    }
}

TEST(SteelLaw, NormalAndReducedZones) {
    const double f_yd = 355.0, E_a = 210000.0, e_y = 355.0 / 210.0;
    struct SteelCase {
        const char *name;
        double eps;
        bool reduced;
        double sigma;
        std::string state;
    };
    const SteelCase cases[] = {
        {"half yield strain", 0.5 * e_y, false, 177.5, "el"},
        {"just below yield", e_y - 1e-9, false, 355.0 - 1e-9 * 210.0, "el"},
        {"exactly yield strain", e_y, false, 355.0, "nel"},
        {"exactly minus yield strain", -e_y, false, -355.0, "nel"},
        {"large strain, no limit", 100.0, false, 355.0, "nel"},
        {"reduced, below fyd_red", 0.5 * e_y, true, 177.5, "el"},
        {"reduced, limited but still linear", 0.7 * e_y, true, 200.0, "el"},
        {"reduced compression limited", -0.7 * e_y, true, -200.0, "el"},
        {"reduced plateau", 10.0, true, 200.0, "nel"},
        {"reduced compression plateau", -10.0, true, -200.0, "nel"},
    };
    for (const SteelCase &c : cases) {
        const MaterialPoint p = steelStress(c.eps, f_yd, e_y, E_a, c.reduced, 200.0);
        EXPECT_NEAR(p.sigma, c.sigma, 1e-9) << c.name;
        EXPECT_EQ(std::string(protocol::stateWord(p.state)), c.state) << c.name;
    }
}

TEST(ConcreteMaterial, DerivedValuesAndSwitch) {
    modelfixtures::WriterFolder w;
    DesignInput in = modelfixtures::exampleDesign();
    in.alpha_c = 1.0;
    in.gamma_c = 1.0;
    ConcreteMaterial unity(in, w.writer);
    EXPECT_DOUBLE_EQ(unity.f_cd, -30.0);

    in = modelfixtures::exampleDesign();
    ConcreteMaterial c(in, w.writer);
    EXPECT_DOUBLE_EQ(c.f_cd, -17.0);
    EXPECT_DOUBLE_EQ(c.e_c3, -1.75);
    EXPECT_DOUBLE_EQ(c.e_cu3, -3.5);
    EXPECT_NEAR(c.E_c, 9714.285714, 1e-6);
    EXPECT_GT(c.E_c, 0.0);
    EXPECT_DOUBLE_EQ(c.f_ct, 0.0);
    EXPECT_DOUBLE_EQ(c.e_ct, 0.0);
    EXPECT_NEAR(c.e_ct_eff, 0.298529, 1e-6);

    in.set_e_cu3 = "OFF";
    ConcreteMaterial unlimited(in, w.writer);
    EXPECT_DOUBLE_EQ(unlimited.e_cu3, -9999999999.0);

    ConcreteSlab slab(modelfixtures::exampleDesign(), c, ReinforcementMaterial(in, w.writer),
                      w.writer);
    EXPECT_FALSE(slab.tensionStiffening);
    EXPECT_EQ(std::string(protocol::stateWord(slab.concreteLaw(0.1).state)), "riss");
    c.switchTensionStiffeningOn(slab);
    EXPECT_DOUBLE_EQ(c.f_ct, 2.9);
    EXPECT_NEAR(slab.e_ct, 0.298529, 1e-6);
    EXPECT_TRUE(slab.tensionStiffening);
    EXPECT_NEAR(slab.concreteLaw(slab.e_ct).sigma, 2.9, 1e-12);
    EXPECT_EQ(std::string(protocol::stateWord(slab.concreteLaw(0.1).state)), "el");
}

TEST(ConcreteMaterial, EchoLines) {
    modelfixtures::WriterFolder w;
    testing::internal::CaptureStdout();
    ConcreteMaterial c(modelfixtures::exampleDesign(), w.writer);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "_e_c3 :-1.75 [/1000]\t\n_f_cd :-17 [N/mm^2]\t\n_E_c :9714.29  [N/mm^2]\t\n"
              "_f_ctm :2.9 [N/mm^2]\t\n_e_ct_eff :0.298529 [/1000]\t\n_f_ct :0 [N/mm^2]\t\n"
              "_e_ct :0 [/1000]\t\nset_e_cu3 :ON\t\n_e_cu3 :-3.5 [/1000]\t\n");
}

TEST(ReinforcementMaterial, WorkedValuesWithAndWithoutHardening) {
    modelfixtures::WriterFolder w;
    DesignInput in = modelfixtures::exampleDesign();
    ReinforcementMaterial on(in, w.writer);
    EXPECT_NEAR(on.f_sd, 434.78, 0.005);
    EXPECT_NEAR(on.e_sd, 2.17, 0.005);
    EXPECT_DOUBLE_EQ(on.e_ud, 45.0);
    EXPECT_NEAR(on.f_t, 469.57, 0.005);
    EXPECT_NEAR(on.E_s2, 727.27, 0.005);
    EXPECT_NEAR(on.f_ud, 465.93, 0.005);
    EXPECT_EQ(std::string(protocol::stateWord(on.stress(46.0).state)), "ver");
    EXPECT_NEAR(on.stress(46.0).sigma, 465.93, 0.005);

    in.set_verfestigung_s = "OFF";
    ReinforcementMaterial off(in, w.writer);
    EXPECT_DOUBLE_EQ(off.E_s2, 0.0);
    EXPECT_DOUBLE_EQ(off.f_ud, off.f_sd);
    EXPECT_DOUBLE_EQ(off.e_ud, 9999999999.0);
    EXPECT_DOUBLE_EQ(off.e_uk, 50.0);  // the block still reports the class value
    EXPECT_EQ(std::string(protocol::stateWord(off.stress(50.0).state)), "nel");
    EXPECT_NEAR(off.stress(50.0).sigma, off.f_sd, 1e-12);
    off.writeBlock();
    EXPECT_NE(w.output().find("\ne_uk\t50\n"), std::string::npos);
}

TEST(ReinforcementMaterial, YieldStrainAtTheUltimateStrainStaysFinite) {
    modelfixtures::WriterFolder w;
    DesignInput in = modelfixtures::exampleDesign();
    in.gamma_s = 0.05;  // f_sd 10000, e_sd = 50 = e_uk
    ReinforcementMaterial m(in, w.writer);
    EXPECT_DOUBLE_EQ(m.e_sd, 50.0);
    EXPECT_DOUBLE_EQ(m.E_s2, 0.0);
    EXPECT_DOUBLE_EQ(m.f_ud, m.f_sd);
}

TEST(SteelMaterial, DesignValues) {
    modelfixtures::WriterFolder w;
    DesignInput in = modelfixtures::exampleDesign();
    SteelMaterial s(in, w.writer);
    EXPECT_DOUBLE_EQ(s.f_yd, 355.0);  // gamma_M = 1
    EXPECT_NEAR(s.e_y, 1.690476, 1e-6);
    in.gamma_M = 1.1;
    EXPECT_NEAR(SteelMaterial(in, w.writer).f_yd, 322.727273, 1e-6);
}

TEST(MaterialBlocks, LabelsInOrder) {
    modelfixtures::WriterFolder w;
    const DesignInput in = modelfixtures::exampleDesign();
    ConcreteMaterial(in, w.writer).writeBlock();
    SteelMaterial(in, w.writer).writeBlock();
    ReinforcementMaterial(in, w.writer).writeBlock();
    EXPECT_EQ(w.output(),
              "\n*Eigenschaften Beton\nf_ck\t30\n_f_cd\t-17\n_f_ct_eff\t2.9\n_e_c3\t-1.75\n"
              "_e_cu3\t-3.5\n_e_ct_eff\t0.298529\n_alpha_c\t0.85\n_gamma_c\t1.5\n_E_c\t9714.29\n"
              "\n*Eigenschaften Baustahl\nf_yk\t355\nf_yd\t355\ne_y\t1.69048\nE_a\t210000\n"
              "\n*Eigenschaften Bewehrungsstahl\nf_sk\t500\nf_sd\t434.783\nf_ud\t465.929\n"
              "e_sd\t2.17391\ne_uk\t50\ne_ud\t45\nE_s\t200000\n");
}

}  // namespace
