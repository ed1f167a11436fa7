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

TEST(RunFolder, LargestNumberedFolderWins) {
    TempFolder work;
    for (const char *name : {"1", "2", "10", "abc", "7a", "a7", ".11"})
        fs::create_directory(work.path() + name);
    testsupport::writeFile(work.path() + "99", "not empty");  // a file with size is no folder
    bool ok = false;
    EXPECT_EQ(find(work, &ok), work.path() + "10");
    EXPECT_TRUE(ok);
}

TEST(RunFolder, FolderIsAddressedByItsNameAsItStandsOnDisk) {
    // The largest number wins; the path keeps the name's own digits. Of two
    // names for one number the shorter, then the first in byte order, wins.
    const struct {
        std::vector<std::string> folders;
        std::string expected;
    } cases[] = {
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

TEST(RunFolder, NoUsableFolderIsReported) {
    TempFolder work;
    testsupport::writeFile(work.path() + "5", "x");
    fs::create_directory(work.path() + ".3");
    DesignInput in;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(findRunFolder(in, work.path()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "FEHLERMELDUNG: kein gueltiger Ordner im Verzeichniss " + work.path() +
                  " vorhanden \n");
}

TEST(EngineRun, NoRunFolderEndsWithExitCodeZeroAndNoFiles) {
    TempFolder work;
    fs::create_directory(work.path() + "abc");
    EXPECT_EQ(testsupport::startEngine(STALVORA_EXE, work.path(), work.path() + "out",
                                       work.path() + "err"),
              0);
    EXPECT_NE(testsupport::readFile(work.path() + "err").find("kein gueltiger Ordner"), std::string::npos);
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
