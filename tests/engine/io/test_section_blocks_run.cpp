// A complete run of the shipped example writes the section, material and
// action blocks, in their fixed order, at the end of output.txt.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

std::vector<std::string> headings(const std::vector<std::string> &lines) {
    std::vector<std::string> found;
    for (const std::string &line : lines)
        if (!line.empty() && line[0] == '*') found.push_back(line);
    return found;
}

// Last value of every label of output.txt.
std::map<std::string, double> values(const std::vector<std::string> &lines) {
    std::map<std::string, double> result;
    for (const std::string &line : lines) {
        std::istringstream in(line);
        std::string label;
        double value = 0.0;
        if (in >> label >> value) result[label] = value;
    }
    return result;
}

TEST(SectionBlocksRun, ExampleWritesTheBlocksInOrder) {
    testsupport::TempFolder work;
    const testsupport::EngineRun run = testsupport::runEngine(work, testsupport::exampleInput());
    ASSERT_NE(run.err.find("Berechnung wurde erfolgreich abgeschlossen"), std::string::npos)
        << run.err;
    const std::vector<std::string> lines = testsupport::readLines(run.runFolder + "output.txt");
    const std::vector<std::string> found = headings(lines);
    const std::vector<std::string> tail = {
        "*Geometrie Baustahlquerschnitt", "*Geometrie Betonquerschnitt",
        "*Geometrie Bewehrungsstahl",     "*Querschnittswerte Baustahlquerschnitt",
        "*Querschnittswerte Beton",       "*Querschnittswerte Bewehrungsstahl",
        "*Eigenschaften Beton",           "*Eigenschaften Baustahl",
        "*Eigenschaften Bewehrungsstahl", "*Tragf\xE4higkeit",
        "*Gebrauchstauglichkeit"};
    ASSERT_GE(found.size(), tail.size() + 1);
    EXPECT_EQ(found.front(), "*Querkrafttragf\xE4higkeit");
    EXPECT_EQ(std::vector<std::string>(found.end() - tail.size(), found.end()), tail);

    // IPE 400 (catalogue: A 84.46 cm2, I_y 23130 cm4), S355.
    const std::map<std::string, double> v = values(lines);
    EXPECT_NEAR(v.at("A_a"), 8446.0, 0.005 * 8446.0);
    EXPECT_NEAR(v.at("I_a"), 2.313e8, 0.005 * 2.313e8);
    // A_v = A - 2 b t_f + (t_w + 2r) t_f with A = plates + (4 - pi) r^2.
    const double A = 2 * 180 * 13.5 + 373 * 8.6 + (4 - M_PI) * 21 * 21;
    const double A_v = A - 2 * 180 * 13.5 + (8.6 + 42) * 13.5;
    EXPECT_NEAR(v.at("V_pl_Rd"), A_v * 355.0 / std::sqrt(3.0), 1.0);
    EXPECT_DOUBLE_EQ(v.at("z_sa"), 200.0);
    EXPECT_DOUBLE_EQ(v.at("_f_cd"), -17.0);
    EXPECT_DOUBLE_EQ(v.at("e_ud"), 45.0);
    EXPECT_DOUBLE_EQ(v.at("M_Ed_g"), 2e8);
    EXPECT_DOUBLE_EQ(v.at("V_Ed_t"), 3e5);
    // Slab 160 x 2000 less 14 bars of 10 and 14 of 12 mm.
    EXPECT_NEAR(v.at("A_s"), 14 * M_PI * (25.0 + 36.0), 0.01);
    EXPECT_NEAR(v.at("A_c"), 320000.0 - 14 * M_PI * 61.0, 1.0);

    // The transformed section is echoed on the console.
    EXPECT_NE(run.out.find("_Z_el_na* :"), std::string::npos);
    EXPECT_NE(run.out.find("_n_u * :14\t"), std::string::npos);
}

TEST(SectionBlocksRun, UltimateShearFailureWritesTheBlocksTwice) {
    testsupport::TempFolder work;
    const std::string input = testsupport::replaceLine(
        testsupport::exampleInput(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t4e+08\t2e+06");
    const testsupport::EngineRun run = testsupport::runEngine(work, input);
    ASSERT_NE(run.err.find("Berechnung wurde erfolgreich abgeschlossen"), std::string::npos)
        << run.err;
    const std::vector<std::string> found =
        headings(testsupport::readLines(run.runFolder + "output.txt"));
    int geometry = 0;
    for (const std::string &h : found) geometry += h == "*Geometrie Baustahlquerschnitt";
    EXPECT_EQ(geometry, 2);
    EXPECT_EQ(testsupport::readFile(run.runFolder + "Tragfaehigkeitkeit/spannung_ohne_ts/output.txt"),
              "Querschnittsversagen \n");
}

}  // namespace
