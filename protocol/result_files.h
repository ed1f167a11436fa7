#pragma once
// The result files of a run folder as both programs know them: the names of
// the files and folders, the column headers and row layouts, the headings
// and keys of the labelled blocks in the run folder's output.txt, and the
// words of the state column. The engine writes every file with these names;
// the front end reads them with the same names, so that a renamed key or
// column changes both programs at once.
//
// Tree below a run folder (the engine creates all of it before it reads the
// input, every file with its header line):
//   output.txt, V_M_beziehung.txt, kappa_M_beziehung.txt, Querschnittsklasse.txt,
//   Verduebelung.txt, V_M_Teilverduebelung.txt
//   Gebrauchstauglichkeit/spannung_ohne_ts/  output.txt spannung_c.txt spannung_s.txt spannung_a.txt
//   Gebrauchstauglichkeit/spannung_mit_ts/   the same four files
//   Tragfaehigkeitkeit/spannung_ohne_ts/     the same four files
// Non-ASCII letters in headings are single Windows-1252 bytes ("\xE4" is "ä").
#include <cstddef>
#include <string>
#include <vector>

namespace protocol {

// Files of the run folder.
inline constexpr char outputFile[] = "output.txt";  // also the row file of each state folder
inline constexpr char interactionFile[] = "V_M_beziehung.txt";
inline constexpr char curvatureFile[] = "kappa_M_beziehung.txt";
inline constexpr char classificationFile[] = "Querschnittsklasse.txt";
inline constexpr char connectionFile[] = "Verduebelung.txt";
inline constexpr char partialInteractionFile[] = "V_M_Teilverduebelung.txt";

// Stress files of a state folder: concrete, reinforcement, structural steel.
inline constexpr char concreteFile[] = "spannung_c.txt";
inline constexpr char reinforcementFile[] = "spannung_s.txt";
inline constexpr char steelFile[] = "spannung_a.txt";

// State folders below the run folder and their folders with and without
// tension stiffening ("Tragfaehigkeitkeit" with the doubled syllable, as the
// engine has always named it).
inline constexpr char serviceabilityFolder[] = "Gebrauchstauglichkeit";
inline constexpr char ultimateFolder[] = "Tragfaehigkeitkeit";
inline constexpr char withoutTsFolder[] = "spannung_ohne_ts";
inline constexpr char withTsFolder[] = "spannung_mit_ts";

// The three analysed states; there is no ultimate state with tension stiffening.
enum class AnalysedState { ServiceabilityWithoutTs, ServiceabilityWithTs, Ultimate };
inline constexpr AnalysedState analysedStates[] = {AnalysedState::ServiceabilityWithoutTs,
                                                   AnalysedState::ServiceabilityWithTs,
                                                   AnalysedState::Ultimate};
// Names of the state folder and of its tension-stiffening folder.
const char *limitStateFolder(AnalysedState state);
const char *tensionStiffeningFolder(AnalysedState state);
// The folder of a state below the run folder, with a trailing separator:
// "Gebrauchstauglichkeit/spannung_ohne_ts/".
std::string stateFolder(AnalysedState state);

// A state's output.txt holds only this line (no header) when no strain state
// carries its actions: a cross-section failure or a shear failure.
inline constexpr char failureLine[] = "Querschnittsversagen ";

// The state column of the stress files and of the moment-curvature rows.
enum class ZoneState {
    Elastic,  // "el": linear
    Yielded,  // "nel": yielded or on a plateau
    Failed,   // "ver": beyond the strain limit
    Cracked,  // "riss": cracked concrete, carries no stress
};
const char *stateWord(ZoneState state);
// False for a word that is no state.
bool parseState(const std::string &word, ZoneState &state);

// Column headers: the names of a file's columns in order, and an index per
// column for reading a row of numbers.
struct Columns {
    const char *const *names;
    std::size_t count;
};
// The header line: the names separated by tabs, with a line end.
std::string headerLine(Columns columns);

// spannung_c/s/a.txt: one row per sub-zone of the part, eleven numbers and
// the state word. Heights in mm above the steel underside, strains in per
// mille, stresses in N/mm², A mm², I mm⁴, N in N, M in Nmm.
namespace zone {
enum Column { Z_u, Z_o, Z_s, e_u, e_o, s_u, s_o, A, I, N, M, zustand, columnCount };
extern const Columns columns;
inline constexpr int numberCount = zustand;  // the numbers before the state word
}  // namespace zone

// output.txt of a state folder: one row M (Nmm), V (N), kappa (per mille per
// mm), Z_na (mm), EI_i (Nmm²), fyd_red (N/mm²). The header of the
// serviceability states names the first five; every row holds all six.
namespace state {
enum Column { M, V, kappa, Z_na, EI_i, fyd_red, columnCount };
extern const Columns columns;             // the ultimate state's header
extern const Columns serviceabilityColumns;  // without fyd_red
}  // namespace state

// V_M_beziehung.txt: V (N), M_pl and M_el (Nmm) of the interaction.
namespace interaction {
enum Column { V, M_pl, M_el, columnCount };
extern const Columns columns;
}  // namespace interaction

// kappa_M_beziehung.txt: curvature (per mille per mm), neutral axis (mm),
// moment (Nmm), axial force (N) and the section's state word.
namespace curvature {
enum Column { kappa, Z_na, sum_M, sum_N, zustand, columnCount };
extern const Columns columns;
inline constexpr int numberCount = zustand;
}  // namespace curvature

// Verduebelung.txt: one row where the input has a *Verbundmittel: line, else
// the header alone. P_Rd (N) of one stud with the sheeting's reduction factor
// applied, the studs n, that factor k_t (k_t across the ribs, k_l along them,
// 1 in a solid slab), the slab force of full connection N_c_f and the force
// the studs transfer N_c = min(n P_Rd, N_c_f) (N), the degree eta = N_c/N_c_f,
// its minimum eta_min and the sagging resistance M_Rd_eta (Nmm) at V_Ed that
// the connection allows. A number the run has not got is written "-": eta
// without a slab force, M_Rd_eta for a hogging M_Ed, beyond V_pl,Rd or for a
// partial connection of a Class 3 or 4 section (not covered).
namespace connection {
enum Column { P_Rd, n, k_t, N_c_f, N_c, eta, eta_min, M_Rd_eta, columnCount };
extern const Columns columns;
inline constexpr char missing[] = "-";
}  // namespace connection

// V_M_Teilverduebelung.txt: the sagging resistance M_Rd(eta) (Nmm) of a
// partial connection at each shear force V (N) of V_M_beziehung.txt, its
// closing row included; the header alone where the connection is full, the
// moment is hogging, the section of a partial connection is Class 3 or 4, or
// the input has no *Verbundmittel: line.
namespace partialInteraction {
enum Column { V, M_Rd_eta, columnCount };
extern const Columns columns;
}  // namespace partialInteraction

// Querschnittsklasse.txt: the direction word, then eight numbers.
namespace classification {
enum Column {
    richtung, eps, c_t_flansch, klasse_flansch, alpha, psi, c_t_steg, klasse_steg, klasse, columnCount
};
extern const Columns columns;
inline constexpr char sagging[] = "positiv";
inline constexpr char hogging[] = "negativ";
}  // namespace classification

// Headings of the labelled blocks of the run folder's output.txt. A block is
// an empty line, its heading, and one "key<TAB>number" line per value.
namespace block {
inline constexpr char shearResistance[] = "*Querkrafttragf\xE4higkeit";
inline constexpr char limitMoments[] = "*Grenzmomente";
inline constexpr char minimumReinforcement[] = "*Mindestbewehrung";
inline constexpr char steelGeometry[] = "*Geometrie Baustahlquerschnitt";
inline constexpr char slabGeometry[] = "*Geometrie Betonquerschnitt";
inline constexpr char barGeometry[] = "*Geometrie Bewehrungsstahl";
inline constexpr char steelValues[] = "*Querschnittswerte Baustahlquerschnitt";
inline constexpr char concreteValues[] = "*Querschnittswerte Beton";
inline constexpr char barValues[] = "*Querschnittswerte Bewehrungsstahl";
inline constexpr char concreteProperties[] = "*Eigenschaften Beton";
inline constexpr char steelProperties[] = "*Eigenschaften Baustahl";
inline constexpr char reinforcementProperties[] = "*Eigenschaften Bewehrungsstahl";
inline constexpr char ultimateActions[] = "*Tragf\xE4higkeit";
inline constexpr char serviceabilityActions[] = "*Gebrauchstauglichkeit";
// Written last, and only where the input has a *Verbundmittel: line.
inline constexpr char shearConnection[] = "*Verd\xFC" "belung";
}  // namespace block

// Keys of output.txt, by block. Units: N, Nmm, mm, N/mm², strains in per
// mille, curvatures in per mille per mm.
namespace key {
// *Querkrafttragfähigkeit
inline constexpr char V_pl_Rd[] = "V_pl_Rd";
// *Grenzmomente: each limit moment with its curvature and neutral axis ("Zna" four times)
inline constexpr char V_ed[] = "V_ed";
inline constexpr char M_min_el[] = "M_min_el";
inline constexpr char kappa_min_el[] = "kappa_min_el";
inline constexpr char M_max_el[] = "M_max_el";
inline constexpr char kappa_max_el[] = "kappa_max_el";
inline constexpr char M_min_pl[] = "M_min_pl";
inline constexpr char kappa_min_pl[] = "kappa_min_pl";
inline constexpr char M_max_pl[] = "M_max_pl";
inline constexpr char kappa_max_pl[] = "kappa_max_pl";
inline constexpr char Zna[] = "Zna";
// *Mindestbewehrung
inline constexpr char A_s_min[] = "A_s,min";
inline constexpr char A_svor[] = "A_svor";
// The tensile zone of the slab the minimum rests on (mm²), after the two above.
inline constexpr char A_ct[] = "A_ct";
// *Geometrie Baustahlquerschnitt
inline constexpr char r[] = "r";
inline constexpr char t_f1[] = "t_f1";
inline constexpr char t_f2[] = "t_f2";
inline constexpr char b_f1[] = "b_f1";
inline constexpr char b_f2[] = "b_f2";
inline constexpr char t_w[] = "t_w";
inline constexpr char h[] = "h";
// *Geometrie Betonquerschnitt
inline constexpr char h_c[] = "h_c";
inline constexpr char b_e[] = "b_e";
inline constexpr char h_profilblech[] = "h_profilblech";
inline constexpr char b_p[] = "b_p";
// *Geometrie Bewehrungsstahl
inline constexpr char c_nom_u[] = "c_nom_u";
inline constexpr char c_nom_o[] = "c_nom_o";
inline constexpr char d_u[] = "d_u";
inline constexpr char d_o[] = "d_o";
inline constexpr char AbstandobereLage[] = "AbstandobereLage";
inline constexpr char AbstanduntereLage[] = "AbstanduntereLage";
// *Querschnittswerte ...
inline constexpr char A_a[] = "A_a";
inline constexpr char z_sa[] = "z_sa";
inline constexpr char I_a[] = "I_a";
inline constexpr char A_c[] = "A_c";
inline constexpr char z_sc[] = "z_sc";
inline constexpr char I_c[] = "I_c";
inline constexpr char A_s[] = "A_s";
inline constexpr char z_ss[] = "z_ss";
inline constexpr char I_s[] = "I_s";
// *Eigenschaften Beton
inline constexpr char f_ck[] = "f_ck";
inline constexpr char f_cd[] = "_f_cd";
inline constexpr char f_ct_eff[] = "_f_ct_eff";
inline constexpr char e_c3[] = "_e_c3";
inline constexpr char e_cu3[] = "_e_cu3";
inline constexpr char e_ct_eff[] = "_e_ct_eff";
inline constexpr char alpha_c[] = "_alpha_c";
inline constexpr char gamma_c[] = "_gamma_c";
inline constexpr char E_c[] = "_E_c";
// *Eigenschaften Baustahl
inline constexpr char f_yk[] = "f_yk";
inline constexpr char f_yd[] = "f_yd";
inline constexpr char e_y[] = "e_y";
inline constexpr char E_a[] = "E_a";
// *Eigenschaften Bewehrungsstahl
inline constexpr char f_sk[] = "f_sk";
inline constexpr char f_sd[] = "f_sd";
inline constexpr char f_ud[] = "f_ud";
inline constexpr char e_sd[] = "e_sd";
inline constexpr char e_uk[] = "e_uk";
inline constexpr char e_ud[] = "e_ud";
inline constexpr char E_s[] = "E_s";
// *Tragfähigkeit, *Gebrauchstauglichkeit: the design actions
inline constexpr char M_Ed_t[] = "M_Ed_t";
inline constexpr char V_Ed_t[] = "V_Ed_t";
inline constexpr char M_Ed_g[] = "M_Ed_g";
inline constexpr char V_Ed_g[] = "V_Ed_g";
// *Verdübelung: the stud's two resistances (N) of EN 1994-1-1 6.6.3.1, the
// shank 0.8 f_u pi d^2/4 / gamma_V (formula 1) and the concrete
// 0.29 alpha d^2 sqrt(f_ck E_cm) / gamma_V (formula 2), the number of the
// smaller (1 or 2), alpha and E_cm (N/mm²); the rule of eta_min
// (protocol::minimumDegreeRule) and the section class the bending check of a
// partial connection rests on (0 where it is not made).
inline constexpr char P_Rd_1[] = "P_Rd_1";
inline constexpr char P_Rd_2[] = "P_Rd_2";
inline constexpr char P_Rd_Formel[] = "P_Rd_Formel";
inline constexpr char alpha_sc[] = "alpha_sc";
inline constexpr char E_cm[] = "E_cm";
inline constexpr char eta_min_Regel[] = "eta_min_Regel";
inline constexpr char klasse_eta[] = "klasse_eta";
}  // namespace key

// The rules of eta_min (EN 1994-1-1 6.6.1.2), as the key eta_min_Regel writes them.
enum class MinimumDegreeRule {
    EqualFlanges = 1,       // 1 - (355/f_y)(0.75 - 0.03 L_e), at least 0.4; 1 for L_e > 25 m
    BottomFlangeLarger = 2, // 1 - (355/f_y)(0.30 - 0.015 L_e), at least 0.4; 1 for L_e > 20 m
    BottomFlangeBeyond3 = 3,   // A_f1 > 3 A_f2: full connection
    BottomFlangeSmaller = 4,   // A_f1 < A_f2: not covered, full connection
    StudsNotDuctile = 5,       // h_sc < 4 d: the studs do not count as ductile, full connection
};

// A block of output.txt: its heading and its keys in the order written.
struct Block {
    const char *heading;
    std::vector<const char *> keys;
};
// Every block in the order a complete run writes it (shear resistance, limit
// moments, minimum reinforcement, the section blocks, the action blocks).
const std::vector<Block> &outputBlocks();

}  // namespace protocol
