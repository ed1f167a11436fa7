#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "io/design_input.h"
#include "io/input_reader.h"
#include "io/tables.h"
#include "support/test_support.h"
#include "io/validation.h"
#include "io/validation_bounds.h"
#include "platform/platform.h"

namespace fs = std::filesystem;
using testsupport::TempFolder;
using testsupport::writeFile;

namespace {

// Makes a fresh temporary folder the current directory, so that table files
// written there are found first; the previous directory comes back at the end.
class InTempFolder {
public:
    InTempFolder() : previous_(fs::current_path()) { fs::current_path(folder_.path()); }
    ~InTempFolder() { fs::current_path(previous_); }
    InTempFolder(const InTempFolder &) = delete;
    InTempFolder &operator=(const InTempFolder &) = delete;
    void write(const std::string &name, const std::string &content) const {
        writeFile(folder_.path() + name, content);
    }
    const std::string &path() const { return folder_.path(); }

private:
    TempFolder folder_;
    fs::path previous_;
};

struct Outcome {
    bool ok = false;
    std::string out;
    std::string err;
};

Outcome run(const std::function<bool()> &step) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Outcome o;
    o.ok = step();
    o.err = testing::internal::GetCapturedStderr();
    o.out = testing::internal::GetCapturedStdout();
    return o;
}

DesignInput rolled(const std::string &name) {
    DesignInput in;
    in.Profiltyp = "Walzprofil";
    in.Profilname = name;
    return in;
}

DesignInput classes(const std::string &festig_klasse, const std::string &klasse_s) {
    DesignInput in;
    in.festig_klasse = festig_klasse;
    in.klasse_s = klasse_s;
    return in;
}

const std::string geometryMessage =
    "FEHLERMELDUNG: Geometriedaten des Baustahlquerschnitts aus 'IProfile.txt' konnten nicht "
    "eingelesen werden\n";
const std::string missingProfileTable =
    "FEHLERMELDUNG:keine gueltige Profil-Datei 'IProfile.txt' im Verzeichniss vorhanden\n";
const std::string missingMaterialTable =
    "FEHLERMELDUNG:keine gueltige Datei 'Materialeigenschaften.txt' im Verzeichniss vorhanden\n";
const std::string classesMessage =
    "FEHLERMELDUNG: Moegliche Betonfestigkeitsklassen: C20/25, C25/30, C30/37, C35/45, C40/50, "
    "C45/55, C50/60, C55/67, C60/75\n";

const std::string materialFixture =
    "Klasse\tf_ck\tf_ctm\te_c3\te_cu3\n"
    "C25/30\t25\t2.6\t1.75\t3.5\n"
    "C30/37\t30\t2.9\t1.75\t3.5\n"
    "C55/67\t55\t4.2\t1.8\t3.1\n"
    "E_s\t200000\n"
    "E_a\t210000\n"
    "A\t1.05\t25\n"
    "B\t1.08\t50\n"
    "C\t1.15\t75\n";

// ---- profile table ---------------------------------------------------------------

TEST(ProfileTable, RowIsTakenByItsExactNameAndEchoed) {
    InTempFolder cwd;
    cwd.write("IProfile.txt",
              "// Name\th\tb\tt_w\tt_f\tr\n"
              "IPE30\t1\t1\t1\t1\t1\n"
              "ipe300\t9\t9\t9\t9\t9\n"
              "IPE300\t300\t150\t7.1\t10.7\t15\r\n"
              "IPE3000\t8\t8\t8\t8\t8\n"
              "HEB300 300 300 11 19 27\n"
              "HEA500 broken row of another profile\n");
    DesignInput in = rolled("IPE300");
    const Outcome o = run([&] { return readProfileTable(in); });
    ASSERT_TRUE(o.ok) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_DOUBLE_EQ(in.h, 300);
    EXPECT_DOUBLE_EQ(in.b_f1, 150);
    EXPECT_DOUBLE_EQ(in.b_f2, 150);
    EXPECT_DOUBLE_EQ(in.t_w, 7.1);
    EXPECT_DOUBLE_EQ(in.t_f1, 10.7);
    EXPECT_DOUBLE_EQ(in.t_f2, 10.7);
    EXPECT_DOUBLE_EQ(in.r, 15);
    EXPECT_EQ(o.out,
              "*Geometrie-Baustahl:\n"
              "h : 300 [mm]\tt_f1 : 10.7 [mm]\tt_f2 : 10.7 [mm]\tb_f1 : 150 [mm]\t"
              "b_f2 : 150 [mm]\tt_w: 7.1 [mm]\tr: 15 [mm]\n");
}

TEST(ProfileTable, LastMatchingRowWins) {
    InTempFolder cwd;
    cwd.write("IProfile.txt",
              "HEB300 290 290 10 18 25\n"
              "HEB300 300 300 11 19 27\n"
              "HEA300 290 300 8.5 14 27\n");
    DesignInput in = rolled("HEB300");
    const Outcome o = run([&] { return readProfileTable(in); });
    ASSERT_TRUE(o.ok) << o.err;
    EXPECT_DOUBLE_EQ(in.h, 300);
    EXPECT_DOUBLE_EQ(in.b_f2, 300);
    EXPECT_DOUBLE_EQ(in.t_w, 11);
    EXPECT_DOUBLE_EQ(in.t_f1, 19);
    EXPECT_DOUBLE_EQ(in.r, 27);
}

TEST(ProfileTable, MatchingRowWithoutFiveNumbersStopsTheRun) {
    const char *const rows[] = {
        "IPE300\t300\t150\t7.1\t10.7\n",         // no root radius
        "IPE300\t300\t150\tx\t10.7\t15\n",       // not a number
        "IPE300\t300,0\t150\t7.1\t10.7\t15\n",  // decimal comma
        "IPE300\n",
    };
    for (const char *row : rows) {
        InTempFolder cwd;
        cwd.write("IProfile.txt", std::string("IPE200 200 100 5.6 8.5 12\n") + row);
        DesignInput in = rolled("IPE300");
        const Outcome o = run([&] { return readProfileTable(in); });
        EXPECT_FALSE(o.ok) << row;
        EXPECT_EQ(o.err, geometryMessage) << row;
        EXPECT_EQ(o.out, "") << row;
    }
}

TEST(ProfileTable, WeldedProfilesLeaveTheGeometryAlone) {
    InTempFolder cwd;
    cwd.write("IProfile.txt", "IPE300 300 150 7.1 10.7 15\nHEB300 x\n");
    const struct {
        std::string Profiltyp, Profilname;
    } cases[] = {{"Schweissprofil", "IPE300"}, {"Schweissprofil", "HEB300"},
                 {"walzprofil", "IPE300"}};
    for (const auto &c : cases) {
        DesignInput in;
        in.Profiltyp = c.Profiltyp;
        in.Profilname = c.Profilname;
        in.h = 500, in.t_f1 = 20, in.t_f2 = 25, in.b_f1 = 300, in.b_f2 = 250, in.t_w = 10;
        const Outcome o = run([&] { return readProfileTable(in); });
        EXPECT_TRUE(o.ok) << c.Profiltyp << " " << c.Profilname;
        EXPECT_EQ(o.out + o.err, "") << c.Profiltyp << " " << c.Profilname;
        EXPECT_DOUBLE_EQ(in.h, 500);
        EXPECT_DOUBLE_EQ(in.t_f2, 25);
        EXPECT_DOUBLE_EQ(in.b_f1, 300);
        EXPECT_DOUBLE_EQ(in.r, 0);
    }
}

TEST(ProfileTable, NameWithoutRowIsReported) {
    // Before, nothing was reported here and the geometry check failed later
    // with the sheeting-width message, as h, b, t stayed 0.
    InTempFolder cwd;
    cwd.write("IProfile.txt", "// IPE310 in a comment\nIPE300 300 150 7.1 10.7 15\nipe310 1 1 1 1 1\n");
    for (const std::string name : {"IPE310", "IPE30", "IPE3000"}) {
        DesignInput in = rolled(name);
        const Outcome o = run([&] { return readProfileTable(in); });
        EXPECT_FALSE(o.ok) << name;
        EXPECT_EQ(o.err, "FEHLERMELDUNG: Profil " + name + " nicht in IProfile.txt gefunden\n");
        EXPECT_EQ(o.out, "") << name;
    }
}

TEST(ProfileTable, RowOfTheChosenProfileMustBeUsable) {
    // Before, r = -50 passed (only 2 t_f + 2 r <= h was tested) and gave
    // A_a = 10214 mm2 instead of 8446 for IPE400; r = -1e155 gave NaN rows.
    const std::string prefix = "FEHLERMELDUNG: ungueltiger Wert in 'IProfile.txt', Zeile IPE400, ";
    const std::string positive = ": muss groesser als 0 sein\n";
    const std::string largest = ": darf hoechstens 2000 mm betragen\n";
    const struct {
        std::string row, message;
    } cases[] = {
        {"400 180 8.6 13.5 -50", prefix + "Spalte r: muss mindestens 0 sein\n"},
        {"400 180 8.6 13.5 -1e155", prefix + "Spalte r: muss mindestens 0 sein\n"},
        // A typing error found by fuzzing: h = 10.1 km kept the strain-state
        // searches, which step through the height, busy for hours.
        {"10094000 180 8.6 13.5 21", prefix + "Spalte h" + largest},
        {"400 2000.5 8.6 13.5 21", prefix + "Spalte b" + largest},
        {"400 180 1e300 13.5 21", prefix + "Spalte t_w" + largest},
        {"2000 2000 2000 13.5 21", ""},
        {"400 180 8.6 13.5 1e400", geometryMessage},  // does not read as a number
        // r^2 = 1e310 would make the fillet area infinite.
        {"400 180 8.6 13.5 1e155", prefix + "Spalte r" + largest},
        {"0 180 8.6 13.5 21", prefix + "Spalte h" + positive},
        {"400 -180 8.6 13.5 21", prefix + "Spalte b" + positive},
        {"400 180 0 13.5 21", prefix + "Spalte t_w" + positive},
        {"400 180 8.6 -13.5 21", prefix + "Spalte t_f" + positive},
        // 2 x 13.5 + 2 x 187 = 401 > 400; 400 exactly fits.
        {"400 180 8.6 13.5 187",
         prefix + "Spalte h: Flansche und Ausrundungen (2 t_f + 2 r) muessen hineinpassen\n"},
        {"400 180 8.6 13.5 186.5", ""},
        {"400 180 8.6 13.5 0", ""},
    };
    for (const auto &c : cases) {
        InTempFolder cwd;
        cwd.write("IProfile.txt", "IPE400 " + c.row + "\n");
        DesignInput in = rolled("IPE400");
        const Outcome o = run([&] { return readProfileTable(in); });
        EXPECT_EQ(o.ok, c.message.empty()) << c.row;
        EXPECT_EQ(o.err, c.message) << c.row;
    }
}

// ---- material table --------------------------------------------------------------

TEST(MaterialTable, TakesTheRowsOfTheInputClassesAndEchoesThem) {
    InTempFolder cwd;
    cwd.write("Materialeigenschaften.txt", materialFixture);
    DesignInput in = classes("C30/37", "B");
    const Outcome o = run([&] { return readMaterialTable(in); });
    ASSERT_TRUE(o.ok) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out,
              ">>k1.08\t\n"
              "_festig_klasse : C30/37\t_f_ck : 30 [N/mm^2]\t_f_ctm : 2.9 [N/mm^2]\t"
              "_e_c3 : 1.75 [/1000]\t_e_cu3 : 3.5 [/1000]\n"
              "_klasse_s : B\t_k_ : 1.08 [-]\t_e_uk : 50 [/1000]\n"
              "_E_s : 200000 [N/mm^2]\n"
              "_E_a : 210000 [N/mm^2]\n");

    in = classes("C55/67", "C");
    ASSERT_TRUE(run([&] { return readMaterialTable(in); }).ok);
    EXPECT_DOUBLE_EQ(in.f_ck, 55);
    EXPECT_DOUBLE_EQ(in.f_ctm, 4.2);
    EXPECT_DOUBLE_EQ(in.e_c3, 1.8);
    EXPECT_DOUBLE_EQ(in.e_cu3, 3.1);
    EXPECT_DOUBLE_EQ(in.k, 1.15);
    EXPECT_DOUBLE_EQ(in.e_uk, 75);
}

TEST(MaterialTable, RowsInAnyOrderAndLastRowWins) {
    InTempFolder cwd;
    cwd.write("Materialeigenschaften.txt",
              "E_a\t2.05e5\n"
              "A\t1.05\t25\n"
              "E_s\t195000\n"
              "C30/37\t30\t2.9\t1.75\t3.5\n"
              "Klasse\tf_ck\tf_ctm\te_c3\te_cu3\n"
              "E_s\t205000\n"
              "C30/37\t30\t3\t1.8\t3.2\n"
              "A\t1.06\t30\n");
    DesignInput in = classes("C30/37", "A");
    const Outcome o = run([&] { return readMaterialTable(in); });
    ASSERT_TRUE(o.ok) << o.err;
    EXPECT_DOUBLE_EQ(in.E_a, 205000);
    EXPECT_DOUBLE_EQ(in.E_s, 205000);
    EXPECT_DOUBLE_EQ(in.f_ctm, 3);
    EXPECT_DOUBLE_EQ(in.e_c3, 1.8);
    EXPECT_DOUBLE_EQ(in.e_cu3, 3.2);
    EXPECT_DOUBLE_EQ(in.k, 1.06);
    EXPECT_DOUBLE_EQ(in.e_uk, 30);
}

TEST(MaterialTable, RowOfAKeyInUseNeedsAllItsNumbers) {
    // Before, a missing number silently kept the value of the previous row
    // (here the C25/30 row above), so C30/37 was calculated with 1.8 and 3.1.
    const std::string head = "E_s 200000\nE_a 210000\nB 1.08 50\nC25/30\t25\t2.6\t1.8\t3.1\n";
    const std::string prefix = "FEHLERMELDUNG: ungueltiger Wert in 'Materialeigenschaften.txt', ";
    const struct {
        std::string rows, message;  // message empty: read without error
    } cases[] = {
        {"C30/37\t30\t2.9\n", prefix + "Zeile C30/37, Spalte e_c3: fehlt oder ist keine Zahl\n"},
        {"C30/37\t30\tx\t1.75\t3.5\n",
         prefix + "Zeile C30/37, Spalte f_ctm: fehlt oder ist keine Zahl\n"},
        {"C30/37\t30\t2.9\t1.75\n", prefix + "Zeile C30/37, Spalte e_cu3: fehlt oder ist keine Zahl\n"},
        {"C30/37\t30\t2.9\t1.75\t3.5\nE_a\n", prefix + "Zeile E_a, Spalte E_a: fehlt oder ist keine Zahl\n"},
        {"C30/37\t30\t2.9\t1.75\t3.5\nB\t1.08\n", prefix + "Zeile B, Spalte e_uk: fehlt oder ist keine Zahl\n"},
        // A short row of a key that is not in use does not matter.
        {"C30/37\t30\t2.9\t1.75\t3.5\nC40/50\t40\nA\t1.05\n", ""},
        // Words after the numbers of a row are ignored.
        {"C30/37\t30\t2.9\t1.75\t3.5\t7 Kommentar\n", ""},
    };
    for (const auto &c : cases) {
        InTempFolder cwd;
        cwd.write("Materialeigenschaften.txt", head + c.rows);
        DesignInput in = classes("C30/37", "B");
        const Outcome o = run([&] { return readMaterialTable(in); });
        EXPECT_EQ(o.ok, c.message.empty()) << c.rows;
        EXPECT_EQ(o.err, c.message) << c.rows;
        if (!c.message.empty()) continue;
        EXPECT_DOUBLE_EQ(in.f_ctm, 2.9) << c.rows;
        EXPECT_DOUBLE_EQ(in.e_c3, 1.75) << c.rows;
        EXPECT_DOUBLE_EQ(in.e_cu3, 3.5) << c.rows;
    }
}

TEST(MaterialTable, ValuesOfAKeyInUseArePositive) {
    const std::string prefix = "FEHLERMELDUNG: ungueltiger Wert in 'Materialeigenschaften.txt', ";
    const std::string reason = ": muss groesser als 0 sein\n";
    const struct {
        std::string table, message;
    } cases[] = {
        {"C30/37 30 2.9 -1.75 3.5\nE_s 2e5\nE_a 2.1e5\nB 1.08 50\n",
         prefix + "Zeile C30/37, Spalte e_c3" + reason},
        {"C30/37 30 2.9 1.75 3.5\nE_s 0\nE_a 2.1e5\nB 1.08 50\n", prefix + "Zeile E_s, Spalte E_s" + reason},
        {"C30/37 30 2.9 1.75 3.5\nE_s 2e5\nE_a 2.1e5\nB -1.08 50\n", prefix + "Zeile B, Spalte k" + reason},
        // Unused keys are not checked.
        {"C30/37 30 2.9 1.75 3.5\nC20/25 -20 0 0 0\nE_s 2e5\nE_a 2.1e5\nB 1.08 50\nA 0 0\n", ""},
    };
    for (const auto &c : cases) {
        InTempFolder cwd;
        cwd.write("Materialeigenschaften.txt", c.table);
        DesignInput in = classes("C30/37", "B");
        const Outcome o = run([&] { return readMaterialTable(in); });
        EXPECT_EQ(o.ok, c.message.empty()) << c.table;
        EXPECT_EQ(o.err, c.message) << c.table;
    }
}

TEST(MaterialTable, KeysAreExactAndMissingRowsFailTheCheck) {
    const struct {
        const char *name;
        std::string table, festig_klasse, klasse_s, message;
    } cases[] = {
        {"lower-case e_s", "C30/37 30 2.9 1.75 3.5\ne_s 200000\nE_a 210000\nB 1.08 50\n", "C30/37",
         "B", "FEHLERMELDUNG: E_s muss zwischen 190000 und 220000 liegen\n"},
        {"class without row", materialFixture, "C32/40", "B", classesMessage},
        {"ductility class without row", "C30/37 30 2.9 1.75 3.5\nE_s 2e5\nE_a 2.1e5\n", "C30/37",
         "B", "FEHLERMELDUNG: k=(f_t/f_y) muss zwischen 1 und 1.5 liegen\n"},
        {"E_a missing", "C30/37 30 2.9 1.75 3.5\nE_s 2e5\nB 1.08 50\n", "C30/37", "B",
         "FEHLERMELDUNG: E_a muss zwischen 190000 und 220000 liegen\n"},
    };
    for (const auto &c : cases) {
        InTempFolder cwd;
        cwd.write("Materialeigenschaften.txt", c.table);
        DesignInput in = classes(c.festig_klasse, c.klasse_s);
        const Outcome o = run([&] { return readMaterialTable(in); });
        EXPECT_FALSE(o.ok) << c.name;
        EXPECT_EQ(o.err, c.message) << c.name;
        EXPECT_EQ(o.out.find("_festig_klasse"), std::string::npos) << c.name;
    }
}

TEST(MaterialTable, OffStandardStrengthPassesTheTableButNotTheConcreteCheck) {
    InTempFolder cwd;
    cwd.write("Materialeigenschaften.txt",
              "C30/37\t32\t2.9\t1.75\t3.5\nE_s\t200000\nE_a\t210000\nB\t1.08\t50\n");
    cwd.write("IProfile.txt", "IPE400\t400\t180\t8.6\t13.5\t21\n");
    DesignInput in;
    in.runFolder = cwd.path() + "1";
    fs::create_directory(in.runFolder);
    writeFile(in.runFolder + "/input.txt", testsupport::exampleInput());
    const Outcome o = run([&] { return readInput(in); });
    EXPECT_FALSE(o.ok);
    EXPECT_NE(o.out.find("_festig_klasse : C30/37\t_f_ck : 32 [N/mm^2]"), std::string::npos)
        << o.out;
    EXPECT_EQ(o.err, classesMessage);
}

// ---- the engine without tables -------------------------------------------------------

// Runs a copy of the engine from a folder of its own, so that only the tables
// placed beside the copy or in its current directory can be found.
class IsolatedEngine {
public:
    IsolatedEngine() {
        fs::create_directories(bin());
        fs::create_directories(cwd());
        fs::copy_file(STALVORA_EXE, bin() + platform::engineProgramName());
    }
    std::string bin() const { return folder_.path() + "bin/"; }
    std::string cwd() const { return folder_.path() + "cwd/"; }
    testsupport::EngineRun run(const std::string &input) const {
        TempFolder work;
        testsupport::EngineRun r;
        r.runFolder = work.path() + "1/";
        fs::create_directories(r.runFolder);
        writeFile(r.runFolder + "input.txt", input);
        r.exitCode = testsupport::startEngine(bin() + platform::engineProgramName(), work.path(),
                                              work.path() + "out.log", work.path() + "err.log",
                                              cwd());
        r.out = testsupport::readFile(work.path() + "out.log");
        r.err = testsupport::readFile(work.path() + "err.log");
        return r;
    }

private:
    TempFolder folder_;
};

std::string weldedExample() {
    const std::string welded = testsupport::replaceLine(
        testsupport::exampleInput(), "*Baustahl-Typ:", "*Baustahl-Typ:\tSchweissprofil");
    return testsupport::replaceLine(welded, "*Geometrie-Baustahl:",
                                    "*Geometrie-Baustahl:\t400\t13.5\t13.5\t180\t180\t8.6");
}

TEST(TableFiles, FoundInTheCurrentDirectoryFirstThenBesideTheProgram) {
    if (fs::exists("/usr/local/share/norvel/IProfile.txt") ||
        fs::exists("/usr/share/norvel/IProfile.txt"))
        GTEST_SKIP() << "installed tables would be found";
    const IsolatedEngine engine;
    const std::string material = materialFixture;
    const std::string success = "Berechnung wurde erfolgreich abgeschlossen";

    // No tables anywhere: a welded section does not need the profile table.
    EXPECT_EQ(engine.run(weldedExample()).err, missingMaterialTable);
    writeFile(engine.cwd() + "Materialeigenschaften.txt", material);
    testsupport::EngineRun r = engine.run(weldedExample());
    EXPECT_EQ(r.err.find("FEHLERMELDUNG"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(success), std::string::npos) << r.err;
    // A rolled section does.
    r = engine.run(testsupport::exampleInput());
    EXPECT_EQ(r.err, missingProfileTable);
    EXPECT_EQ(r.out.find("_festig_klasse :"), std::string::npos);

    // Beside the program.
    writeFile(engine.bin() + "IProfile.txt", "IPE400\t400\t180\t8.6\t13.5\t21\n");
    r = engine.run(testsupport::exampleInput());
    EXPECT_EQ(r.err.find("FEHLERMELDUNG"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("h : 400 [mm]"), std::string::npos) << r.out;

    // The current directory comes first.
    writeFile(engine.cwd() + "IProfile.txt", "IPE400\t400\t180\t8.6\t13.5\t-21\n");
    EXPECT_EQ(engine.run(testsupport::exampleInput()).err,
              "FEHLERMELDUNG: ungueltiger Wert in 'IProfile.txt', Zeile IPE400, Spalte r: muss "
              "mindestens 0 sein\n");
}

// ---- the shipped tables ----------------------------------------------------------------

struct Rolled {
    std::string name;
    double h, b, t_w, t_f, r;
};

std::vector<Rolled> shippedProfiles() {
    std::ifstream file(std::string(NORVEL_DATA_SOURCE_DIR) + "/IProfile.txt");
    std::vector<Rolled> rows;
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream line(text);
        Rolled p;
        line >> p.name;
        if (p.name == "//") continue;
        line >> p.h >> p.b >> p.t_w >> p.t_f >> p.r;
        rows.push_back(p);
    }
    return rows;
}

std::vector<std::string> expectedProfileNames() {
    std::vector<std::string> names;
    for (int size : {80, 100, 120, 140, 160, 180, 200, 220, 240, 270, 300, 330, 360, 400, 450,
                     500, 550, 600})
        names.push_back("IPE" + std::to_string(size));
    for (const char *series : {"HEA", "HEB", "HEM"})
        for (int size : {100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320, 340, 360, 400,
                         450, 500, 550, 600, 650, 700, 800, 900, 1000})
            names.push_back(series + std::to_string(size));
    return names;
}

TEST(ShippedTables, ProfileTableHoldsTheFourSeriesWithFivePositiveNumbersEach) {
    std::ifstream file(std::string(NORVEL_DATA_SOURCE_DIR) + "/IProfile.txt");
    ASSERT_TRUE(file);
    std::vector<std::string> names;
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream line(text);
        std::string name;
        // No empty lines: the front end lists the first word of every other line.
        ASSERT_TRUE(line >> name) << "empty line after " << names.size() << " profiles";
        if (name == "//") continue;
        double value = 0.0;
        for (int column = 2; column <= 6; ++column) {
            ASSERT_TRUE(line >> value) << name << " column " << column;
            EXPECT_GT(value, 0.0) << name << " column " << column;
        }
        std::string rest;
        EXPECT_FALSE(line >> rest) << name << " has more than five numbers";
        names.push_back(name);
    }
    EXPECT_EQ(names, expectedProfileNames());
}

// Rolled I-section with four root fillets: flanges and web as rectangles plus
// the spandrel between each fillet and the corner (area (1 - pi/4) r^2).
double area(const Rolled &p) {
    return 2 * p.b * p.t_f + (p.h - 2 * p.t_f) * p.t_w + (4 - M_PI) * p.r * p.r;
}

double secondMoment(const Rolled &p) {
    const double r = p.r;
    const double spandrel = (1 - M_PI / 4) * r * r;
    // Quarter disc cut from the r x r corner square, moments about the flange face.
    const double disc = M_PI * r * r / 4;
    const double discCentre = r - 4 * r / (3 * M_PI);
    const double discMoment = M_PI * std::pow(r, 4) / 16 -
                              disc * std::pow(4 * r / (3 * M_PI), 2) + disc * discCentre * discCentre;
    const double faceMoment = std::pow(r, 4) / 3 - discMoment;
    const double centre = (std::pow(r, 3) / 2 - disc * discCentre) / spandrel;
    const double ownMoment = faceMoment - spandrel * centre * centre;
    const double lever = p.h / 2 - p.t_f - centre;
    const double rectangles =
        (p.b * std::pow(p.h, 3) - (p.b - p.t_w) * std::pow(p.h - 2 * p.t_f, 3)) / 12;
    return rectangles + 4 * (ownMoment + spandrel * lever * lever);
}

TEST(ShippedTables, ProfilesAgreeWithCatalogueAreaAndSecondMoment) {
    // Catalogue values: A in cm^2, I_y in cm^4.
    const struct {
        std::string name;
        double A, I_y;
    } catalogue[] = {
        {"IPE80", 7.64, 80.14},     {"IPE200", 28.48, 1943},     {"IPE300", 53.8, 8356},
        {"IPE400", 84.46, 23130},   {"IPE600", 156, 92080},      {"HEA100", 21.24, 349.2},
        {"HEA300", 112.5, 18260},   {"HEA500", 197.5, 86970},    {"HEA1000", 346.8, 553800},
        {"HEB100", 26.04, 449.5},   {"HEB300", 149.1, 25170},    {"HEB600", 270.0, 171000},
        {"HEB1000", 400.0, 644700}, {"HEM100", 53.24, 1143},     {"HEM300", 303.1, 59200},
        {"HEM1000", 444.2, 722300},
    };
    InTempFolder empty;  // the engine's lookup then finds the shipped copy beside the program
    for (const auto &c : catalogue) {
        DesignInput in = rolled(c.name);
        ASSERT_TRUE(run([&] { return readProfileTable(in); }).ok) << c.name;
        const Rolled p{c.name, in.h, in.b_f1, in.t_w, in.t_f1, in.r};
        EXPECT_NEAR(area(p) / 100, c.A, 0.01 * c.A) << c.name;
        EXPECT_NEAR(secondMoment(p) / 1e4, c.I_y, 0.01 * c.I_y) << c.name;
    }
    const struct {
        std::string name;
        double h, b, t_w, t_f, r;
    } dimensions[] = {
        {"IPE300", 300, 150, 7.1, 10.7, 15},
        {"HEB300", 300, 300, 11, 19, 27},
        {"HEA500", 490, 300, 12, 23, 27},
        {"IPE400", 400, 180, 8.6, 13.5, 21},
    };
    for (const auto &d : dimensions) {
        DesignInput in = rolled(d.name);
        ASSERT_TRUE(run([&] { return readProfileTable(in); }).ok) << d.name;
        EXPECT_DOUBLE_EQ(in.h, d.h) << d.name;
        EXPECT_DOUBLE_EQ(in.b_f1, d.b) << d.name;
        EXPECT_DOUBLE_EQ(in.t_w, d.t_w) << d.name;
        EXPECT_DOUBLE_EQ(in.t_f1, d.t_f) << d.name;
        EXPECT_DOUBLE_EQ(in.r, d.r) << d.name;
    }
}

TEST(ShippedTables, EveryProfileIsUsableThoughTwoExceedTheWeldedPlateBounds) {
    std::vector<std::string> beyondPlateBounds, unusable;
    for (const Rolled &p : shippedProfiles()) {
        // Example slab: 160 mm with 30 mm covers and bars of 10 and 12 mm.
        const Outcome o = run([&] {
            return checkGeometry(160, 2000, 0, 0, 10, 12, 150, 150, 30, 30, p.h, p.t_f, p.t_f,
                                 p.b, p.b, p.t_w, p.r);
        });
        if (!o.ok) beyondPlateBounds.push_back(p.name);
        if (bounds::profileRowFault(p.h, p.b, p.t_w, p.t_f, p.r)) unusable.push_back(p.name);
    }
    // h = 1000 and 1008 mm: the bounds of a welded section would refuse them,
    // the rolled-profile table takes them as they stand.
    EXPECT_EQ(beyondPlateBounds, (std::vector<std::string>{"HEB1000", "HEM1000"}));
    EXPECT_EQ(unusable, std::vector<std::string>{});
}

// Every row of the shipped profile table calculates under the example slab
// and loads (C30/37, B500B, S355, M_t = 400 kNm, V_t = 300 kN, M_g = 200 kNm).
class EveryShippedProfile : public testing::TestWithParam<Rolled> {};

// Last value of each label of the run folder's output.txt.
std::map<std::string, double> labelledValues(const std::string &path) {
    std::map<std::string, double> values;
    for (const std::string &text : testsupport::readLines(path)) {
        std::istringstream line(text);
        std::string label;
        double value = 0.0;
        if (line >> label >> value) values[label] = value;
    }
    return values;
}

TEST_P(EveryShippedProfile, CalculatesUnderTheExampleSlabAndLoads) {
    const Rolled &p = GetParam();
    TempFolder work;
    const testsupport::EngineRun run = testsupport::runInProcess(
        work, testsupport::replaceLine(testsupport::exampleInput(), "*Baustahl-Typ:",
                                       "*Baustahl-Typ:\tWalzprofil\t" + p.name));
    // Success last; the only message a successful run may carry is that of
    // the minimum reinforcement.
    const std::string success = "Berechnung wurde erfolgreich abgeschlossen\n";
    ASSERT_GE(run.err.size(), success.size()) << run.err;
    EXPECT_EQ(run.err.substr(run.err.size() - success.size()), success) << run.err;
    std::string messages = run.err.substr(0, run.err.size() - success.size());
    EXPECT_TRUE(messages.empty() || messages.find("Mindestbewehurng nicht vorhanden") == 15)
        << messages;

    const auto v = labelledValues(run.runFolder + "output.txt");
    // Hand values of the table row: A = 2 b t_f + (h - 2 t_f) t_w + (4 - pi) r^2,
    // EN 1993-1-1 6.2.6(3)a A_v = A - 2 b t_f + (t_w + 2 r) t_f,
    // V_pl,Rd = A_v f_y / (sqrt(3) gamma_M0) with f_y = 355, gamma_M0 = 1.
    const double A = area(p);
    const double A_v = A - 2 * p.b * p.t_f + (p.t_w + 2 * p.r) * p.t_f;
    EXPECT_NEAR(v.at("A_a"), A, 1e-5 * A);
    EXPECT_NEAR(v.at("V_pl_Rd"), A_v * 355 / std::sqrt(3.0), 1e-5 * A_v * 355);
    EXPECT_DOUBLE_EQ(v.at("h"), p.h);
    EXPECT_DOUBLE_EQ(v.at("r"), p.r);
    // Where the shear force leaves the ultimate limit state its bending
    // analysis: plastic beyond elastic beyond zero, both directions.
    if (v.count("M_max_pl")) {
        EXPECT_GE(v.at("M_max_pl"), v.at("M_max_el"));
        EXPECT_GT(v.at("M_max_el"), 0.0);
        EXPECT_LE(v.at("M_min_pl"), v.at("M_min_el"));
        EXPECT_LT(v.at("M_min_el"), 0.0);
    } else {
        EXPECT_LT(v.at("V_pl_Rd"), 3e5);
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedTables, EveryShippedProfile, testing::ValuesIn(shippedProfiles()),
                         [](const testing::TestParamInfo<Rolled> &info) { return info.param.name; });

TEST(ShippedTables, MaterialTableCarriesEurocodeValuesForEveryClass) {
    // EN 1992-1-1 Table 3.1 and Annex C.
    const struct {
        std::string name;
        double f_ck, f_ctm, e_c3, e_cu3;
    } concrete[] = {
        {"C20/25", 20, 2.2, 1.75, 3.5}, {"C25/30", 25, 2.6, 1.75, 3.5},
        {"C30/37", 30, 2.9, 1.75, 3.5}, {"C35/45", 35, 3.2, 1.75, 3.5},
        {"C40/50", 40, 3.5, 1.75, 3.5}, {"C45/55", 45, 3.8, 1.75, 3.5},
        {"C50/60", 50, 4.1, 1.75, 3.5}, {"C55/67", 55, 4.2, 1.8, 3.1},
        {"C60/75", 60, 4.4, 1.9, 2.9},
    };
    const struct {
        std::string name;
        double k, e_uk;
    } ductility[] = {{"A", 1.05, 25}, {"B", 1.08, 50}, {"C", 1.15, 75}};
    InTempFolder empty;
    for (const auto &c : concrete) {
        for (const auto &d : ductility) {
            DesignInput in = classes(c.name, d.name);
            const Outcome o = run([&] { return readMaterialTable(in); });
            ASSERT_TRUE(o.ok) << c.name << " " << d.name << ": " << o.err;
            EXPECT_DOUBLE_EQ(in.f_ck, c.f_ck) << c.name;
            EXPECT_DOUBLE_EQ(in.f_ctm, c.f_ctm) << c.name;
            EXPECT_DOUBLE_EQ(in.e_c3, c.e_c3) << c.name;
            EXPECT_DOUBLE_EQ(in.e_cu3, c.e_cu3) << c.name;
            EXPECT_DOUBLE_EQ(in.k, d.k) << d.name;
            EXPECT_DOUBLE_EQ(in.e_uk, d.e_uk) << d.name;
            EXPECT_DOUBLE_EQ(in.E_s, 200000);
            EXPECT_DOUBLE_EQ(in.E_a, 210000);
            EXPECT_TRUE(run([&] { return checkConcreteInput("ON", in.f_ck, 1.5, 0.85); }).ok)
                << c.name;
        }
    }
}

}  // namespace
