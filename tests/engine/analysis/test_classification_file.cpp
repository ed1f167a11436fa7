// The classification file of a run: header only after a validation failure,
// both directions after a shear failure, with the example's hand-calculated rows.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "support/test_support.h"

namespace {

const double eps355 = std::sqrt(235.0 / 355.0);  // 0.813617
const std::string classificationHeader =
    "richtung\teps\tc_t_flansch\tklasse_flansch\talpha\tpsi\tc_t_steg\tklasse_steg\tklasse\n";

struct FileRow {
    std::string richtung;
    std::vector<double> values;
};

std::vector<FileRow> rowsOf(const std::string &path) {
    std::vector<FileRow> rows;
    const auto lines = testsupport::readLines(path);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::istringstream in(lines[i]);
        FileRow row;
        in >> row.richtung;
        double v = 0.0;
        while (in >> v) row.values.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(ClassificationFile, ValidationFailureLeavesTheHeaderOnly) {
    testsupport::TempFolder work;
    const auto run = testsupport::runEngine(
        work, testsupport::replaceLine(testsupport::exampleInput(), "*Eigenschaften-Baustahl:",
                                       "*Eigenschaften-Baustahl:\t500\t1"));
    ASSERT_NE(run.err.find("FEHLERMELDUNG: f_yk"), std::string::npos) << run.err;
    EXPECT_EQ(testsupport::readFile(run.runFolder + "Querschnittsklasse.txt"),
              classificationHeader);
}

TEST(ClassificationFile, ShearFailureStillWritesBothDirections) {
    testsupport::TempFolder work;
    // V_t = 5 MN exceeds V_pl,Rd of the IPE 400 (about 870 kN).
    const auto run = testsupport::runEngine(
        work, testsupport::replaceLine(testsupport::exampleInput(), "*Tragfaehigkeit:",
                                       "*Tragfaehigkeit:\t4e+08\t5e+06"));
    ASSERT_NE(run.err.find("Berechnung wurde erfolgreich abgeschlossen"), std::string::npos);
    ASSERT_EQ(testsupport::readLines(run.runFolder + "Tragfaehigkeitkeit/spannung_ohne_ts/output.txt")
                  .front(),
              "Querschnittsversagen ");
    const std::string text = testsupport::readFile(run.runFolder + "Querschnittsklasse.txt");
    ASSERT_EQ(text.substr(0, classificationHeader.size()), classificationHeader);
    const auto rows = rowsOf(run.runFolder + "Querschnittsklasse.txt");
    ASSERT_EQ(rows.size(), 2u);
    // The example (IPE 400, S355, slab 160 x 2000, bars 10/12 at 150).
    // Sagging: class 1 throughout (see RolledProfileInSaggingIsClass1).
    EXPECT_EQ(rows[0].richtung, "positiv");
    ASSERT_EQ(rows[0].values.size(), 8u);
    const std::vector<double> &p = rows[0].values;
    EXPECT_NEAR(p[0], eps355, 1e-6);
    EXPECT_NEAR(p[1], 4.79259, 1e-5);
    EXPECT_EQ(p[2], 1.0);
    EXPECT_EQ(p[3], 0.0);
    EXPECT_EQ(p[4], 1.0);
    EXPECT_NEAR(p[5], 38.4884, 1e-4);
    EXPECT_EQ(p[6], 1.0);
    EXPECT_EQ(p[7], 1.0);
    // Hogging: bars 2682.9 * 434.78 = 1.1665 MN; 710 A_below = 2.9985e6 + 1.1665e6
    // gives A_below = 5866 mm^2, beyond flange and fillets (2800) plus the web
    // up to z_b (331 * 8.6 = 2847): the axis lies above the web, alpha = 1.
    // Elastic: z_el = (8446.4*200 + 0.95238 (1583.4*524 + 1099.6*435)) / (8446.4 + 2555.2)
    // = 266.78; psi = (266.78 - 365.5) / (266.78 - 34.5) = -0.4250;
    // class 3 limit 42 eps / (0.67 - 0.14025) = 64.51 >= 38.49 > 30.92.
    EXPECT_EQ(rows[1].richtung, "negativ");
    ASSERT_EQ(rows[1].values.size(), 8u);
    const std::vector<double> &n = rows[1].values;
    EXPECT_NEAR(n[1], 4.79259, 1e-5);
    EXPECT_EQ(n[2], 1.0);
    EXPECT_EQ(n[3], 1.0);
    EXPECT_NEAR(n[4], -0.4250, 3e-4);
    EXPECT_NEAR(n[5], 38.4884, 1e-4);
    EXPECT_EQ(n[6], 3.0);
    EXPECT_EQ(n[7], 3.0);
}
