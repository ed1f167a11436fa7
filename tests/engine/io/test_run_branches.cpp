#include <gtest/gtest.h>

#include <regex>

#include "support/test_support.h"

using testsupport::exampleInput;
using testsupport::readFile;
using testsupport::replaceLine;
using testsupport::runEngine;
using testsupport::TempFolder;

namespace {
const std::string partHeader = "Z_u\tZ_o\tZ_s\te_u\te_o\ts_u\ts_o\tA\tI\tN\tM\tzustand\n";
const std::string minimumMessage =
    "FEHLERMELDUNG: Mindestbewehurng nicht vorhanden: Spannungsermittlung unter "
    "Beruecksichtigung von Tension Stiffening ergibt keine eindeutige Loesung\n";
const std::string success = "Berechnung wurde erfolgreich abgeschlossen\n";

// Headings of the run folder's output.txt in order.
std::vector<std::string> headings(const std::string &runFolder) {
    std::vector<std::string> result;
    for (const std::string &line : testsupport::readLines(runFolder + "output.txt"))
        if (!line.empty() && line[0] == '*') result.push_back(line);
    return result;
}

const std::vector<std::string> sectionAndActionBlocks{
    "*Geometrie Baustahlquerschnitt", "*Geometrie Betonquerschnitt",
    "*Geometrie Bewehrungsstahl", "*Querschnittswerte Baustahlquerschnitt",
    "*Querschnittswerte Beton", "*Querschnittswerte Bewehrungsstahl", "*Eigenschaften Beton",
    "*Eigenschaften Baustahl", "*Eigenschaften Bewehrungsstahl", "*Tragf\xE4higkeit",
    "*Gebrauchstauglichkeit"};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

TEST(RunBranches, ExampleRunsCompletely) {
    TempFolder work;
    const auto run = runEngine(work, exampleInput());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, success);
    EXPECT_EQ(headings(run.runFolder),
              concat({"*Querkrafttragf\xE4higkeit", "*Grenzmomente", "*Mindestbewehrung"},
                     sectionAndActionBlocks));
    // Each state output file: header and exactly one row of six finite numbers.
    const std::regex number(R"([-+]?[0-9.]+(e[-+][0-9]+)?)");
    for (const char *state : {"Gebrauchstauglichkeit/spannung_ohne_ts/",
                              "Gebrauchstauglichkeit/spannung_mit_ts/",
                              "Tragfaehigkeitkeit/spannung_ohne_ts/"}) {
        const auto lines = testsupport::readLines(run.runFolder + state + "output.txt");
        ASSERT_EQ(lines.size(), 2u) << state;
        std::istringstream row(lines[1]);
        std::string field;
        int count = 0;
        while (row >> field) {
            EXPECT_TRUE(std::regex_match(field, number)) << state << field;
            ++count;
        }
        EXPECT_EQ(count, 6) << state;
        for (const char *part : {"spannung_c.txt", "spannung_s.txt", "spannung_a.txt"})
            EXPECT_GT(testsupport::readLines(run.runFolder + state + part).size(), 1u) << state << part;
    }
    EXPECT_NE(run.out.find(">>Elastische Grenzmomente bestimmen\t\n"), std::string::npos);
    EXPECT_NE(run.out.find(" Plastische Grenzmomente bestimmen\t\n"), std::string::npos);
    EXPECT_NE(run.out.find("Gebrauchstauglichkeit :\t\n"), std::string::npos);
    EXPECT_NE(run.out.find(">>Interaktion Biegung und Querkraft \t\n"), std::string::npos);
}

TEST(RunBranches, ZeroServiceabilityMomentSkipsMinimumReinforcement) {
    TempFolder work;
    const auto run = runEngine(
        work, replaceLine(exampleInput(), "*Gebrauchstauglichkeit:", "*Gebrauchstauglichkeit:\t0\t1e5"));
    EXPECT_EQ(run.err, success);
    EXPECT_EQ(headings(run.runFolder),
              concat({"*Querkrafttragf\xE4higkeit", "*Grenzmomente"}, sectionAndActionBlocks));
    EXPECT_EQ(run.out.find("Mindestbewehrung :"), std::string::npos);
}

TEST(RunBranches, MissingMinimumReinforcementIsReportedAndTheRunContinues) {
    // Hogging with thin, widely spaced bars: far less than k_c k f_ct,eff A_ct / sigma_s.
    std::string input = replaceLine(exampleInput(), "*Gebrauchstauglichkeit:",
                                    "*Gebrauchstauglichkeit:\t-1e8\t1e5");
    input = replaceLine(input, "*Geometrie-Bewehrung:",
                        "*Geometrie-Bewehrung:\t6\t6\t1000\t1000\t30\t30");
    TempFolder work;
    const auto run = runEngine(work, input);
    EXPECT_EQ(run.err, minimumMessage + success);
    const std::string output = readFile(run.runFolder + "output.txt");
    const std::smatch m = [&] {
        std::smatch match;
        std::regex_search(output, match, std::regex("A_s,min\t([^\n]+)\nA_svor\t([^\n]+)\n"));
        return match;
    }();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_LT(std::stod(m[2]), std::stod(m[1]));
}

TEST(RunBranches, ShearFailureInTheUltimateLimitState) {
    // IPE 400 in S355: V_pl_Rd = 875 kN.
    TempFolder work;
    const auto run =
        runEngine(work, replaceLine(exampleInput(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t4e8\t9e5"));
    EXPECT_EQ(run.err, success);
    const std::string uls = run.runFolder + "Tragfaehigkeitkeit/spannung_ohne_ts/";
    EXPECT_EQ(readFile(uls + "output.txt"), "Querschnittsversagen \n");
    for (const char *part : {"spannung_c.txt", "spannung_s.txt", "spannung_a.txt"})
        EXPECT_EQ(readFile(uls + part), partHeader);
    EXPECT_EQ(run.out.find(">>Elastische Grenzmomente bestimmen"), std::string::npos);
    EXPECT_EQ(headings(run.runFolder),
              concat(concat({"*Querkrafttragf\xE4higkeit"}, sectionAndActionBlocks),
                     concat({"*Mindestbewehrung"}, sectionAndActionBlocks)));
}

TEST(RunBranches, ShearFailureInServiceability) {
    TempFolder work;
    const auto run = runEngine(
        work, replaceLine(exampleInput(), "*Gebrauchstauglichkeit:", "*Gebrauchstauglichkeit:\t2e8\t-9e5"));
    EXPECT_EQ(run.err, success);
    for (const char *ts : {"spannung_ohne_ts/", "spannung_mit_ts/"})
        EXPECT_EQ(readFile(run.runFolder + "Gebrauchstauglichkeit/" + ts + "output.txt"),
                  "Querschnittsversagen \n");
    EXPECT_EQ(headings(run.runFolder),
              concat({"*Querkrafttragf\xE4higkeit", "*Grenzmomente"}, sectionAndActionBlocks));
}

TEST(RunBranches, MomentBeyondThePlasticLimitIsACrossSectionFailure) {
    TempFolder work;
    const auto run =
        runEngine(work, replaceLine(exampleInput(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t5e9\t1e5"));
    EXPECT_EQ(run.err, success);
    const std::string uls = run.runFolder + "Tragfaehigkeitkeit/spannung_ohne_ts/";
    EXPECT_EQ(readFile(uls + "output.txt"), "Querschnittsversagen \n");
    EXPECT_EQ(readFile(uls + "spannung_a.txt"), partHeader);
}

TEST(RunBranches, MissingSteelLineEndsTheRunWithOneMessage) {
    // Before, f_yk and gamma_M stayed 0, f_yd = 0/0, and the run reported
    // success with V_pl_Rd = 0 and every limit moment 0.
    TempFolder work;
    const auto run =
        runEngine(work, replaceLine(exampleInput(), "*Eigenschaften-Baustahl:", ""));
    EXPECT_EQ(run.err, "FEHLERMELDUNG: Eigenschaften-Baustahl fehlt in der Inputdatei\n");
    EXPECT_EQ(readFile(run.runFolder + "output.txt"), "");
}
