// A value that is no finite number ends the run with one message naming it;
// it is never written as 0 and the run never reports success.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "io/finite_values.h"
#include "support/test_support.h"

using testsupport::exampleInput;
using testsupport::readFile;
using testsupport::replaceLine;
using testsupport::TempFolder;

namespace {

std::string messageOf(std::initializer_list<NamedValue> values, bool *ok) {
    testing::internal::CaptureStderr();
    *ok = allFinite(values);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(FiniteValues, FirstValueThatIsNoFiniteNumberIsNamed) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    bool ok = false;
    EXPECT_EQ(messageOf({{"f_cd", -17.0}, {"E_c", 9714.0}, {"tiny", 1e-310}}, &ok), "");
    EXPECT_TRUE(ok);
    EXPECT_EQ(messageOf({{"f_cd", -17.0}, {"E_c", nan}, {"e_ct_eff", inf}}, &ok),
              "FEHLERMELDUNG: E_c ergibt keinen endlichen Wert\n");
    EXPECT_FALSE(ok);
    EXPECT_EQ(messageOf({{"f_yd", -inf}}, &ok), "FEHLERMELDUNG: f_yd ergibt keinen endlichen Wert\n");
    EXPECT_FALSE(ok);
}

TEST(FiniteValuesRun, DenormalFactorsEndTheRunWithTheQuantityNamed) {
    // 1e-310 lies inside 0 < x <= 5 (and 0 < alpha_c <= 1), but
    // f_cd = alpha_c f_ck / gamma_c, f_sd = f_sk / gamma_s and f_yd = f_yk / gamma_M
    // overflow, and alpha_c = 1e-310 makes E_c = f_cd / e_c3 a denormal, so
    // e_ct,eff = f_ctm / E_c overflows. Before, NaN limit moments were
    // written as 0 and the run reported success.
    const struct {
        std::string keyword, line, message;
    } cases[] = {
        {"*Eigenschaften-Beton:", "*Eigenschaften-Beton:\tC30/37\t1e-310\t0.85\tON", "f_cd"},
        {"*Eigenschaften-Beton:", "*Eigenschaften-Beton:\tC30/37\t1.5\t1e-310\tON", "e_ct_eff"},
        {"*Eigenschaften-Bewehrung:", "*Eigenschaften-Bewehrung:\t500\t1e-310\tB\tON", "f_sd"},
        {"*Eigenschaften-Bewehrung:", "*Eigenschaften-Bewehrung:\t500\t1e-310\tB\tOFF", "f_sd"},
        {"*Eigenschaften-Baustahl:", "*Eigenschaften-Baustahl:\t355\t1e-310", "f_yd"},
    };
    for (const auto &c : cases) {
        TempFolder work;
        const auto run = testsupport::runInProcess(work, replaceLine(exampleInput(), c.keyword, c.line));
        EXPECT_EQ(run.err, "FEHLERMELDUNG: " + c.message + " ergibt keinen endlichen Wert\n")
            << c.line;
        // Nothing was written: the check comes before the first result.
        EXPECT_EQ(readFile(run.runFolder + "output.txt"), "") << c.line;
        EXPECT_EQ(readFile(run.runFolder + "V_M_beziehung.txt"), "V\tM_pl\tM_el\n") << c.line;
    }
}

TEST(FiniteValuesRun, DenormalSteelStressOfTheMinimumReinforcementEndsTheRun) {
    // A_s,min = k_c k f_ct,eff A_ct / s_s with s_s = 1e-310 under a hogging
    // moment (A_ct > 0): the block is not written and no success follows.
    std::string input = replaceLine(exampleInput(), "*Mindestbewehrung:",
                                    "*Mindestbewehrung:\t0.4\t0.8\t1e-310");
    input = replaceLine(input, "*Gebrauchstauglichkeit:", "*Gebrauchstauglichkeit:\t-1e8\t1e5");
    TempFolder work;
    const auto run = testsupport::runInProcess(work, input);
    EXPECT_EQ(run.err, "FEHLERMELDUNG: A_s,min ergibt keinen endlichen Wert\n");
    EXPECT_NE(run.out.find("A_s_min :kein endlicher Wert [mm^2]"), std::string::npos);
    EXPECT_EQ(readFile(run.runFolder + "output.txt").find("*Mindestbewehrung"), std::string::npos);
}
