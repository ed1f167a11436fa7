#include <gtest/gtest.h>

#include <filesystem>

#include "io/design_input.h"
#include "io/input_reader.h"
#include "support/test_support.h"

using testsupport::exampleInput;
using testsupport::replaceLine;
using testsupport::TempFolder;

namespace {

struct ReadResult {
    bool ok = false;
    std::string err;
    DesignInput input;
};

ReadResult readText(const std::string &text) {
    TempFolder tmp;
    ReadResult r;
    r.input.runFolder = tmp.path() + "1";
    std::filesystem::create_directory(r.input.runFolder);
    testsupport::writeFile(r.input.runFolder + "/input.txt", text);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.ok = readInput(r.input);
    r.err = testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    return r;
}

// The example design with a welded section instead of the rolled profile.
std::string weldedInput() {
    const std::string welded =
        replaceLine(exampleInput(), "*Baustahl-Typ:", "*Baustahl-Typ:\tSchweissprofil");
    return replaceLine(welded, "*Geometrie-Baustahl:",
                       "*Geometrie-Baustahl:\t500\t20\t25\t300\t250\t10");
}

}  // namespace

TEST(InputReader, ReadsTheExampleAsWrittenByTheFrontEnd) {
    const ReadResult r = readText(exampleInput());
    ASSERT_TRUE(r.ok) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.input.festig_klasse, "C30/37");
    EXPECT_DOUBLE_EQ(r.input.gamma_c, 1.5);
    EXPECT_EQ(r.input.set_e_cu3, "ON");
    EXPECT_EQ(r.input.klasse_s, "B");
    EXPECT_EQ(r.input.Profiltyp, "Walzprofil");
    EXPECT_EQ(r.input.Profilname, "IPE400");
    EXPECT_DOUBLE_EQ(r.input.h_c, 160);
    EXPECT_DOUBLE_EQ(r.input.M_t, 4e8);  // exponent form
    EXPECT_DOUBLE_EQ(r.input.V_g, 1.5e5);
    EXPECT_DOUBLE_EQ(r.input.k_min, 0.8);
}

TEST(InputReader, WeldedGeometryOnlyAfterWeldedType) {
    // Type first: the geometry line is taken, r = 0.
    ReadResult r = readText(weldedInput());
    ASSERT_TRUE(r.ok) << r.err;
    EXPECT_DOUBLE_EQ(r.input.h, 500);
    EXPECT_DOUBLE_EQ(r.input.t_f2, 25);
    EXPECT_DOUBLE_EQ(r.input.b_f2, 250);
    EXPECT_DOUBLE_EQ(r.input.r, 0);
    // Geometry before the type line is ignored.
    r = readText("*Geometrie-Baustahl:\t500\t20\t25\t300\t250\t10\n*Baustahl-Typ:\tSchweissprofil\n");
    EXPECT_DOUBLE_EQ(r.input.h, 0);
    // A rolled type ignores whatever the geometry line holds, even garbage.
    r = readText("*Baustahl-Typ:\tWalzprofil IPE300\n*Geometrie-Baustahl:\tx y\n");
    EXPECT_EQ(r.err.find("Geometrie-Baustahl konnten"), std::string::npos);
    // A welded type followed by a name: the name is not read.
    r = readText("*Baustahl-Typ:\tSchweissprofil HEB300\n");
    EXPECT_EQ(r.input.Profilname, "");
}

TEST(InputReader, LastOccurrenceWinsAndUnknownKeysAreSkipped) {
    const ReadResult r = readText(weldedInput() +
                                  "*Tragfaehigkeit:\t1e8\t2e5\n"
                                  "*tragfaehigkeit:\tx\n"      // wrong case: skipped
                                  "*Tragfaehigkeit\t7 7\n"     // no colon: skipped
                                  "*Tragfaehigkeit:\t1.5e+08\t3e5 trailing words\n");
    ASSERT_TRUE(r.ok) << r.err;
    EXPECT_DOUBLE_EQ(r.input.M_t, 150000000.0);
    EXPECT_DOUBLE_EQ(r.input.V_t, 3e5);
}

TEST(InputReader, MessagesOfLinesThatDoNotExtract) {
    const struct {
        std::string line;
        std::string message;
    } cases[] = {
        {"*Eigenschaften-Beton:\tC30/37\t1,5\t0.85\tON",
         "FEHLERMELDUNG: Eigenschaften-Beton konnten nicht eingelesen werden\n"},
        {"*Eigenschaften-Bewehrung:\t500\t1.15",
         "FEHLERMELDUNG: Eigenschaften-Bewehrung konnten nicht eingelesen werden\n"},
        {"*Geometrie-Beton:\t160\t2000\t0",
         "FEHLERMELDUNG: Geometrie-Beton konnten nicht eingelesen werden\n"},
        {"*Geometrie-Bewehrung:\t10\t12\t150\t150\t30",
         "FEHLERMELDUNG: Geometrie-Bewehrung konnten nicht eingelesen werden\n"},
        {"*Baustahl-Typ:\tWalzprofil",
         "FEHLERMELDUNG: Baustahl-Typ konnten nicht eingelesen werden\n"},
        {"*Gebrauchstauglichkeit:\t1e8",
         "FEHLERMELDUNG: Schnittgroe\xDF" "en konnten nicht eingelesen werden\n"},
        {"*Tragfaehigkeit:\tabc\t1",
         "FEHLERMELDUNG: Schnittgroe\xDF" "en konnten nicht eingelesen werden\n"},
        {"*Mindestbewehrung:\t0.4\t0.8",
         "FEHLERMELDUNG: Angaben zu Mindestbewehrung konnten nicht eingelesen werden\n"},
    };
    for (const auto &c : cases) {
        const ReadResult r = readText(c.line + "\n");
        EXPECT_FALSE(r.ok) << c.line;
        EXPECT_EQ(r.err, c.message) << c.line;
    }
    const ReadResult r = readText(weldedInput() + "*Geometrie-Baustahl:\t500\t20\n");
    EXPECT_EQ(r.err, "FEHLERMELDUNG: Geometrie-Baustahl konnten nicht eingelesen werden\n");
}

TEST(InputReader, MissingInputFile) {
    DesignInput input;
    TempFolder tmp;
    input.runFolder = tmp.path() + "4";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(readInput(input));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "FEHLERMELDUNG: kein gueltige Inputdatei im Verzeichniss " + input.runFolder +
                  " vorhanden \n");
}

TEST(InputReader, ReplaceLineHelperKeepsOtherLines) {
    const std::string text = replaceLine(exampleInput(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t1\t2");
    EXPECT_NE(text.find("*Tragfaehigkeit:\t1\t2\n"), std::string::npos);
    EXPECT_NE(text.find("*Gebrauchstauglichkeit:"), std::string::npos);
}

TEST(InputReader, EveryRequiredKeywordLineIsRequired) {
    // Without its line the values keep their initial zeros; before, a missing
    // steel line gave f_yd = 0/0 and a "successful" run full of zeros.
    const struct {
        std::string keyword, message;
    } cases[] = {
        {"*Eigenschaften-Beton:", "Eigenschaften-Beton"},
        {"*Eigenschaften-Bewehrung:", "Eigenschaften-Bewehrung"},
        {"*Eigenschaften-Baustahl:", "Eigenschaften-Baustahl"},
        {"*Geometrie-Beton:", "Geometrie-Beton"},
        {"*Geometrie-Bewehrung:", "Geometrie-Bewehrung"},
        {"*Baustahl-Typ:", "Baustahl-Typ"},
        {"*Gebrauchstauglichkeit:", "Gebrauchstauglichkeit"},
        {"*Mindestbewehrung:", "Mindestbewehrung"},
        {"*Tragfaehigkeit:", "Tragfaehigkeit"},
    };
    for (const auto &c : cases) {
        for (const std::string &design : {exampleInput(), weldedInput()}) {
            const ReadResult r = readText(replaceLine(design, c.keyword, ""));
            EXPECT_FALSE(r.ok) << c.keyword;
            EXPECT_EQ(r.err, "FEHLERMELDUNG: " + c.message + " fehlt in der Inputdatei\n")
                << c.keyword;
        }
    }
}

TEST(InputReader, SteelGeometryLineIsRequiredForAWeldedSectionOnly) {
    const std::string missing = "FEHLERMELDUNG: Geometrie-Baustahl fehlt in der Inputdatei\n";
    const std::string welded = weldedInput();
    const struct {
        const char *name;
        std::string text;
        std::string err;  // empty: read without error
    } cases[] = {
        {"rolled without the line", replaceLine(exampleInput(), "*Geometrie-Baustahl:", ""), ""},
        {"welded without the line", replaceLine(welded, "*Geometrie-Baustahl:", ""), missing},
        // Read only after a welded type: a line before the type line does not count.
        {"welded, line before the type",
         "*Geometrie-Baustahl:\t500\t20\t25\t300\t250\t10\n" +
             replaceLine(welded, "*Geometrie-Baustahl:", ""),
         missing},
        // A mangled keyword is no keyword line at all.
        {"welded, mangled keyword",
         replaceLine(welded, "*Geometrie-Baustahl:", "*Geometrie-baustahl:\t500\t20\t25\t300\t250\t10"),
         missing},
    };
    for (const auto &c : cases) {
        const ReadResult r = readText(c.text);
        EXPECT_EQ(r.ok, c.err.empty()) << c.name;
        EXPECT_EQ(r.err, c.err) << c.name;
    }
}

TEST(InputReader, FirstMissingLineInFileOrderIsNamedOnce) {
    std::string text = replaceLine(exampleInput(), "*Tragfaehigkeit:", "");
    text = replaceLine(text, "*Eigenschaften-Baustahl:", "*Eigenschaften-baustahl:\t355\t1");
    const ReadResult r = readText(text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.err, "FEHLERMELDUNG: Eigenschaften-Baustahl fehlt in der Inputdatei\n");
}
