#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One row of the moment-curvature relation: curvature (per mille per mm),
// neutral-axis height above the steel underside (mm), moment (Nmm) and axial
// force (N) of the section in that plane, and the section's state text.
struct CurvatureRow {
    double kappa = 0.0, Z_na = 0.0, sum_M = 0.0, sum_N = 0.0;
    std::string zustand;
};

// One row of a stress file: a sub-zone of concrete, reinforcement or steel.
// Heights in mm above the underside of the steel section, strains in per mille.
struct PartRow {
    std::string zustand;
    double Z_u = 0.0, Z_o = 0.0, Z_s = 0.0;
    double e_u = 0.0, e_o = 0.0;
    double s_u = 0.0, s_o = 0.0;
    double A = 0.0, I = 0.0, N = 0.0, M = 0.0;
};

enum class PartFile { Concrete, Reinforcement, Steel };

// One row of the cross-section classification file: the bending direction
// ("positiv" or "negativ"), epsilon, c/t and class of the compression flange,
// alpha and psi of the web, its c/t and class, and the section class.
struct ClassificationRow {
    std::string richtung;
    double eps = 0.0, c_t_flansch = 0.0, klasse_flansch = 0.0;
    double alpha = 0.0, psi = 0.0, c_t_steg = 0.0, klasse_steg = 0.0, klasse = 0.0;
};

// One row of the design checks file: the check, its action E_d, its
// resistance R_d and the utilisation eta (each missing where the check has
// no such number, written "-"), the result word and the rule it rests on.
struct VerdictRow {
    std::string nachweis;
    std::optional<double> E_d, R_d, eta;
    std::string ergebnis, grundlage;
};

// Names of the design checks file and of the class 3 file: the rows in
// their order, the result words and the keys of the class 3 values.
struct VerdictNames {
    // Rows of "Nachweise.txt".
    static const char *const shear;               // "querkraft"
    static const char *const bending;             // "biegung"
    static const char *const bendingShear;        // "biegung_querkraft"
    static const char *const minimumReinforcement;  // "mindestbewehrung"
    static const char *const overall;             // "gesamt"
    // Result words.
    static const char *const fulfilled;      // "erfuellt"
    static const char *const notFulfilled;   // "nicht_erfuellt"
    static const char *const notDetermined;  // "nicht_ermittelt"
    static const char *const notGoverning;   // "nicht_massgebend"
    // A number the check does not have.
    static const char *const noNumber;  // "-"
    // Keys of "Klasse3_Nachweis.txt".
    static const char *const M_el_Rd, *const eta_el, *const M_pl_Rd, *const M_f_Rd,
        *const eta1, *const eta3, *const loch_im_steg, *const l_flansch, *const l_nullinie,
        *const z_loch_u, *const z_loch_o, *const Z_pl_eff, *const M_pl_eff_Rd, *const eta_eff;
};

// Owner of the result files of one run. Creates the folder tree and every file
// with its header line at construction; afterwards only appends (and rewrites
// a state output file on cross-section failure). No file stays open between calls.
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
    // the state text, tab-separated), all appended at one opening of the file.
    void writeCurvatureRows(const std::vector<CurvatureRow> &rows) const;
    // Current state/TS output.txt: one strain-state row of six numbers.
    void writeStateRow(double M, double V, double kappa, double Z_na, double EI_i,
                       double fyd_red) const;
    // Current state/TS output.txt rewritten to hold only the failure line.
    void writeFailure() const;
    // Current state/TS stress file of the part: the rows, appended at one
    // opening of the file (see writePartRow).
    void writePartRows(PartFile part, const std::vector<PartRow> &rows) const;
    // Current state/TS stress file of the part: eleven numbers and the state text.
    void writePartRow(PartFile part, const PartRow &row) const;
    // Querschnittsklasse.txt: the direction and eight numbers, tab-separated.
    void writeClassificationRow(const ClassificationRow &row) const;
    // Nachweise.txt: the rows in the order given, all appended at one opening.
    void writeVerdictRows(const std::vector<VerdictRow> &rows) const;
    // Klasse3_Nachweis.txt: one "key<TAB>value" line per value, in the order given.
    void writeClass3Values(const std::vector<std::pair<std::string, double>> &values) const;

    void selectServiceability();
    void selectUltimate();
    void selectWithoutTensionStiffening();
    void selectWithTensionStiffening();

    const std::string &runFolder() const { return runFolder_; }
    // Full path of a file in the current state and TS folder ("output.txt", "spannung_c.txt", ...).
    std::string currentStateFile(const std::string &fileName) const;

    // File and folder names as they appear below the run folder.
    static const char *const kappaFile;
    static const char *const interactionFile;
    static const char *const outputFile;
    static const char *const concreteFile;
    static const char *const reinforcementFile;
    static const char *const steelFile;
    static const char *const serviceabilityFolder;
    static const char *const ultimateFolder;
    static const char *const withoutTsFolder;
    static const char *const withTsFolder;
    static const char *const classificationFile;
    static const char *const verdictFile;
    static const char *const class3File;

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
