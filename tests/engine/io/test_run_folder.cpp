#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/design_input.h"
#include "io/run_sequence.h"
#include "support/test_support.h"

using testsupport::TempFolder;
namespace fs = std::filesystem;

namespace {
std::string find(const TempFolder &work, bool *ok) {
    DesignInput in;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    *ok = findRunFolder(in, work.path());
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    return in.runFolder;
}
}  // namespace

TEST(RunFolder, LargestNumberedFolderWinsByItsNameAsItStandsOnDisk) {
    // The largest number wins; the path keeps the name's own digits. Of two names for one number
    // the shorter, then the first in byte order, wins. Names not all digits and a file "99" do not count.
    const struct {
        std::vector<std::string> folders;
        std::string expected;
    } cases[] = {
        {{"1", "2", "10", "abc", "7a", "a7", ".11"}, "10"},
        {{"007"}, "007"},
        {{"007", "8"}, "8"},
        {{"3", "007", "12", "0013"}, "0013"},
        {{"007", "7"}, "7"},
        {{"007", "07"}, "07"},
        {{"+9", "10"}, "10"},
        {{"+9", "8"}, "+9"},
    };
    for (const auto &c : cases) {
        TempFolder work;
        for (const std::string &name : c.folders) fs::create_directory(work.path() + name);
        testsupport::writeFile(work.path() + "99", "not empty");  // a file with size is no folder
        bool ok = false;
        EXPECT_EQ(find(work, &ok), work.path() + c.expected) << c.expected;
        EXPECT_TRUE(ok);
    }
}

TEST(EngineRun, RunFolderWithLeadingZerosReceivesTheResults) {
    // Before, "007" was read as run 7 and the engine worked in ".../7".
    TempFolder work;
    const auto run = testsupport::runEngine(work, testsupport::exampleInput(), "007");
    EXPECT_EQ(run.err, "Berechnung wurde erfolgreich abgeschlossen\n");
    EXPECT_NE(run.out.find("Aktuelles Verzeichnis: " + work.path() + "007\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(work.path() + "7"));
    EXPECT_EQ(testsupport::readLines(run.runFolder + "Tragfaehigkeitkeit/spannung_ohne_ts/output.txt")
                  .size(),
              2u);
}

TEST(EngineRun, NoUsableRunFolderIsReportedWithExitCodeZeroAndNoFiles) {
    TempFolder work;
    testsupport::writeFile(work.path() + "5", "x");
    fs::create_directory(work.path() + ".3");
    fs::create_directory(work.path() + "abc");
    EXPECT_EQ(testsupport::startEngine(STALVORA_EXE, work.path(), work.path() + "out", work.path() + "err"), 0);
    EXPECT_NE(testsupport::readFile(work.path() + "err")
                  .find("FEHLERMELDUNG: kein gueltiger Ordner im Verzeichniss " + work.path() + " vorhanden \n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(work.path() + "abc/output.txt"));
}

TEST(EngineRun, FailedInputLeavesHeaderOnlyTree) {
    TempFolder work;
    const auto run = testsupport::runEngine(work, "*Tragfaehigkeit:\tx\n", 3);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "FEHLERMELDUNG: Schnittgroe\xDF" "en konnten nicht eingelesen werden\n");
    EXPECT_NE(run.out.find("Aktuelles Verzeichnis: " + work.path() + "3"), std::string::npos);
    EXPECT_EQ(testsupport::readFile(run.runFolder + "output.txt"), "");
    EXPECT_EQ(testsupport::readFile(run.runFolder + "V_M_beziehung.txt"), "V\tM_pl\tM_el\n");
}

// "Stalvora2 RUNFOLDER" calculates that folder even when a newer one exists,
// which stays untouched, and tells the outcome of its Nachweise.txt by its
// exit code: 0 every check met, 2 a check not met or not decided, 1 an error. V_pl,Rd of the IPE 400 by hand:
// A = 2 180 13.5 + 373 8.6 + (4 - pi) 21² = 8446.4 mm², A_v = A - 2 b t_f +
// (t_w + 2 r) t_f = 4269.5 mm², V_pl,Rd = A_v 355 / sqrt(3) = 875.07 kN.
TEST(EngineCommandLine, NamedFolderIsCalculatedAndTellsTheOutcome) {
    using testsupport::replaceLine;
    const std::string example = testsupport::exampleInput();
    const struct {
        const char *name;
        std::string input;
        int exitCode;
    } cases[] = {
        {"every check met", example, 0},
        {"shear: 1000 kN > 875.07 kN", replaceLine(example, "*Tragfaehigkeit:", "*Tragfaehigkeit:\t4e8\t1e6"), 2},
        {"serviceability shear: 900 kN", replaceLine(example, "*Gebrauchstauglichkeit:", "*Gebrauchstauglichkeit:\t2e8\t-9e5"), 2},
        {"no strain state for 1500 kNm", replaceLine(example, "*Tragfaehigkeit:", "*Tragfaehigkeit:\t1.5e9\t3e5"), 2},
        // Class 3 hogging: -700 kNm beyond M_pl,eff = -641.5 and M_el,Rd = -530.1 kNm.
        {"Class 3 beyond both routes", replaceLine(example, "*Tragfaehigkeit:", "*Tragfaehigkeit:\t-7e8\t3e5"), 2},
        {"Class 3 within the effective web", replaceLine(example, "*Tragfaehigkeit:", "*Tragfaehigkeit:\t-6e8\t3e5"), 0},
        {"minimum reinforcement missing",
         replaceLine(replaceLine(example, "*Gebrauchstauglichkeit:", "*Gebrauchstauglichkeit:\t-1e8\t1e5"),
                     "*Geometrie-Bewehrung:", "*Geometrie-Bewehrung:\t6\t6\t1000\t1000\t30\t30"),
         2},
        {"input refused", replaceLine(example, "*Eigenschaften-Baustahl:", "*Eigenschaften-Baustahl:\t355\t-1"), 1},
    };
    for (const auto &c : cases) {
        TempFolder work;
        fs::create_directories(work.path() + "1");
        fs::create_directories(work.path() + "2");
        testsupport::writeFile(work.path() + "1/input.txt", c.input);
        testsupport::writeFile(work.path() + "2/input.txt", example);  // newer, left alone
        const auto run = testsupport::runEngineWith(work, testsupport::shellQuoted(work.path() + "1/"));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << "\n" << run.err;
        EXPECT_NE(run.out.find("Aktuelles Verzeichnis: " + work.path() + "1\n"), std::string::npos) << c.name;
        EXPECT_EQ(run.err.find("Berechnung wurde erfolgreich abgeschlossen") != std::string::npos, c.exitCode != 1)
            << c.name;
        EXPECT_TRUE(fs::exists(work.path() + "1/Tragfaehigkeitkeit/spannung_ohne_ts/output.txt")) << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(work.path() + "2"), fs::directory_iterator()), 1) << c.name;
    }
}

// Without a folder the engine keeps its exit code 0; a folder it cannot use,
// an unknown option or more arguments are errors; --help prints the usage.
TEST(EngineCommandLine, ArgumentsOtherThanARunFolder) {
    const struct {
        const char *name;
        std::string arguments;  // {work} stands for the work folder
        int exitCode;
        const char *output;     // the start of standard output, or of standard error
    } cases[] = {
        {"usage", "--help", 0, "Aufruf: Stalvora2 [LAUFORDNER]\n"},
        {"folder missing", "{q}{work}9{q}", 1, "FEHLERMELDUNG: kein gueltiger Ordner {work}9 vorhanden \n"},
        {"folder without input", "{q}{work}1{q}", 1, "Aktuelles Verzeichnis: {work}1\n"},
        {"unknown option", "-v", 1, "FEHLERMELDUNG: unbekannter Aufruf: -v\nAufruf: Stalvora2"},
        {"two folders", "{q}{work}1{q} {q}{work}1{q}", 1, "FEHLERMELDUNG: unbekannter Aufruf: zu viele Argumente\n"},
        {"no argument, input refused", "", 0, "Aktuelles Verzeichnis: {work}3\n"},
    };
    for (const auto &c : cases) {
        TempFolder work;
        fs::create_directories(work.path() + "1");
        fs::create_directories(work.path() + "3");
        testsupport::writeFile(work.path() + "3/input.txt", "*Tragfaehigkeit:\tx\n");
        const auto expand = [&work](std::string text) {
            const std::string quote = testsupport::shellQuoted("").substr(1);
            for (std::size_t at; (at = text.find("{q}")) != std::string::npos;) text.replace(at, 3, quote);
            for (std::size_t at; (at = text.find("{work}")) != std::string::npos;) text.replace(at, 6, work.path());
            return text;
        };
        const auto run = testsupport::runEngineWith(work, expand(c.arguments));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        const std::string expected = expand(c.output);
        const std::string &shown = run.out.rfind(expected, 0) == 0 ? run.out : run.err;
        EXPECT_EQ(shown.substr(0, expected.size()), expected) << c.name << "\n" << run.out << run.err;
    }
}
