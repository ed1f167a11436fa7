#include <gtest/gtest.h>

#include <filesystem>

#include "io/result_writer.h"
#include "support/test_support.h"

using testsupport::readFile;
using testsupport::TempFolder;

namespace {
const std::string partHeader = "Z_u\tZ_o\tZ_s\te_u\te_o\ts_u\ts_o\tA\tI\tN\tM\tzustand\n";
}

TEST(ResultWriter, CreatesTreeWithHeaders) {
    TempFolder tmp;
    const std::string run = tmp.path() + "1";
    std::filesystem::create_directory(run);
    ResultWriter writer(run);
    EXPECT_EQ(readFile(run + "/kappa_M_beziehung.txt"), "kappa\tZ_na\tsum_M\tsum_N\tzustand\n");
    EXPECT_EQ(readFile(run + "/V_M_beziehung.txt"), "V\tM_pl\tM_el\n");
    EXPECT_EQ(readFile(run + "/output.txt"), "");
    for (const char *ts : {"/Gebrauchstauglichkeit/spannung_ohne_ts/",
                           "/Gebrauchstauglichkeit/spannung_mit_ts/",
                           "/Tragfaehigkeitkeit/spannung_ohne_ts/"}) {
        for (const char *f : {"spannung_c.txt", "spannung_s.txt", "spannung_a.txt"})
            EXPECT_EQ(readFile(run + ts + f), partHeader) << ts << f;
    }
    EXPECT_EQ(readFile(run + "/Gebrauchstauglichkeit/spannung_mit_ts/output.txt"),
              "M\tV\tkappa\tZ_na\tEI_i\n");
    EXPECT_EQ(readFile(run + "/Tragfaehigkeitkeit/spannung_ohne_ts/output.txt"),
              "M\tV\tkappa\tZ_na\tEI_i\tfyd_red\n");
    EXPECT_FALSE(std::filesystem::exists(run + "/Tragfaehigkeitkeit/spannung_mit_ts"));
}

TEST(ResultWriter, AppendsBlocksRowsAndFailure) {
    TempFolder tmp;
    const std::string run = tmp.path() + "3";
    std::filesystem::create_directory(run);
    ResultWriter writer(run);
    writer.writeHeading("*Querkrafttragf\xE4higkeit");
    writer.writeValue("V_pl_Rd", 942812.98);
    writer.writeInteractionRow(-1e5, 2.5e8, 1.234567e8);
    EXPECT_EQ(readFile(run + "/output.txt"), "\n*Querkrafttragf\xE4higkeit\nV_pl_Rd\t942813\n");
    EXPECT_EQ(readFile(run + "/V_M_beziehung.txt"), "V\tM_pl\tM_el\n-100000\t2.5e+08\t1.23457e+08\n");

    writer.selectUltimate();
    writer.selectWithoutTensionStiffening();
    writer.writeStateRow(2.5e8, 3e5, 0.0012, 420.5, 2.1e14, 355);
    PartRow row;
    row.zustand = protocol::ZoneState::Yielded;
    row.Z_u = 400;
    row.Z_o = 413.5;
    row.s_u = -355;
    writer.writePartRow(PartFile::Steel, row);
    const std::string ts = run + "/Tragfaehigkeitkeit/spannung_ohne_ts/";
    EXPECT_EQ(readFile(ts + "output.txt"),
              "M\tV\tkappa\tZ_na\tEI_i\tfyd_red\n2.5e+08\t300000\t0.0012\t420.5\t2.1e+14\t355\n");
    EXPECT_EQ(readFile(ts + "spannung_a.txt"),
              partHeader + "400\t413.5\t0\t0\t0\t-355\t0\t0\t0\t0\t0\tnel\n");
    EXPECT_EQ(readFile(ts + "spannung_c.txt"), partHeader);

    writer.selectServiceability();
    writer.selectWithTensionStiffening();
    writer.writeFailure();
    EXPECT_EQ(readFile(run + "/Gebrauchstauglichkeit/spannung_mit_ts/output.txt"),
              "Querschnittsversagen \n");
    EXPECT_EQ(readFile(run + "/Gebrauchstauglichkeit/spannung_ohne_ts/output.txt"),
              "M\tV\tkappa\tZ_na\tEI_i\n");
}
