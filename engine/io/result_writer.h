#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "protocol/result_files.h"

// One row of the moment-curvature relation: curvature (per mille per mm),
// neutral-axis height above the steel underside (mm), moment (Nmm) and axial
// force (N) of the section in that plane, and the section's state.
struct CurvatureRow {
    double kappa = 0.0, Z_na = 0.0, sum_M = 0.0, sum_N = 0.0;
    protocol::ZoneState zustand = protocol::ZoneState::Elastic;
};

// One row of a stress file: a sub-zone of concrete, reinforcement or steel.
// Heights in mm above the underside of the steel section, strains in per mille.
struct PartRow {
    protocol::ZoneState zustand = protocol::ZoneState::Elastic;
    double Z_u = 0.0, Z_o = 0.0, Z_s = 0.0;
    double e_u = 0.0, e_o = 0.0;
    double s_u = 0.0, s_o = 0.0;
    double A = 0.0, I = 0.0, N = 0.0, M = 0.0;
};

enum class PartFile { Concrete, Reinforcement, Steel };

// One row of the cross-section classification file: the bending direction
// (protocol::classification::sagging or hogging), epsilon, c/t and class of the compression flange,
// alpha and psi of the web, its c/t and class, and the section class.
struct ClassificationRow {
    std::string richtung;
    double eps = 0.0, c_t_flansch = 0.0, klasse_flansch = 0.0;
    double alpha = 0.0, psi = 0.0, c_t_steg = 0.0, klasse_steg = 0.0, klasse = 0.0;
};

// One row of the design checks file (protocol/verdict_files.h): the check,
// its action E_d, its resistance R_d and the utilisation eta (each missing
// where the check has no such number, written "-"), the result word and the
// rule it rests on.
struct VerdictRow {
    std::string nachweis;
    std::optional<double> E_d, R_d, eta;
    std::string ergebnis, grundlage;
};

// Owner of the result files of one run. Creates the folder tree and every file
// with its header line at construction; afterwards only appends (and rewrites
// a state output file on cross-section failure). No file stays open between
// calls. File names, headers and state words are those of protocol/result_files.h;
// a state is written as its word only here.
class ResultWriter {
public:
    explicit ResultWriter(const std::string &runFolder);

    // Run folder output.txt: an empty line, then the heading.
    void writeHeading(const std::string &text) const;
    // Run folder output.txt: label, tab, number.
    void writeValue(const std::string &label, double value) const;
    // A heading followed by its labelled values, in the order given (one append).
    void writeBlock(const std::string &heading,
                    std::initializer_list<std::pair<const char *, double>> values) const;
    // V_M_beziehung.txt: V, M_pl, M_el.
    void writeInteractionRow(double V, double M_pl, double M_el) const;
    // kappa_M_beziehung.txt: one line per row (kappa, Z_na, sum_M, sum_N and
    // the state word, tab-separated), all appended at one opening of the file.
    void writeCurvatureRows(const std::vector<CurvatureRow> &rows) const;
    // Current state/TS output.txt: one strain-state row of six numbers.
    void writeStateRow(double M, double V, double kappa, double Z_na, double EI_i,
                       double fyd_red) const;
    // Current state/TS output.txt rewritten to hold only the failure line.
    void writeFailure() const;
    // Current state/TS stress file of the part: the rows, appended at one
    // opening of the file (see writePartRow).
    void writePartRows(PartFile part, const std::vector<PartRow> &rows) const;
    // Current state/TS stress file of the part: eleven numbers and the state word.
    void writePartRow(PartFile part, const PartRow &row) const;
    // Querschnittsklasse.txt: the direction and eight numbers, tab-separated.
    void writeClassificationRow(const ClassificationRow &row) const;
    // Nachweise.txt: the rows in the order given, all appended at one opening.
    void writeVerdictRows(const std::vector<VerdictRow> &rows) const;
    // Klasse3_Nachweis.txt: one "key<TAB>value" line per value, in the order given.
    void writeClass3Values(const std::vector<std::pair<std::string, double>> &values) const;
    // Verduebelung.txt: its one row, the columns of protocol::connection in
    // order, "-" for a number the run has not got.
    void writeConnectionRow(const std::vector<std::optional<double>> &row) const;
    // V_M_Teilverduebelung.txt: V and M_Rd(eta) per row, at one opening.
    void writePartialInteractionRows(const std::vector<std::pair<double, double>> &rows) const;

    void selectServiceability();
    void selectUltimate();
    void selectWithoutTensionStiffening();
    void selectWithTensionStiffening();

    const std::string &runFolder() const { return runFolder_; }
    // Full path of a file in the current state and TS folder ("output.txt", "spannung_c.txt", ...).
    std::string currentStateFile(const std::string &fileName) const;

private:
    void createStateFolder(const std::string &stateFolder, const std::string &tsFolder,
                           bool withFydRed) const;
    void createFile(const std::string &path, const std::string &content) const;
    void appendLine(const std::string &path, const std::string &line) const;
    void appendText(const std::string &path, const std::string &text) const;
    std::string inRun(const std::string &name) const;

    std::string runFolder_;
    std::string stateFolder_;  // full path, empty until a state is selected
    std::string tsFolder_;     // name, empty until set
};
