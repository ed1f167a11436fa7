#pragma once
// The design checks of a run as the engine decides them, once: "Nachweise.txt"
// (one row per check with its action E_d, resistance R_d, utilisation eta,
// result word and the rule it rests on) and, for a Class 3 section, the values
// of its two routes in "Klasse3_Nachweis.txt" ("key<TAB>value" rows). The
// engine writes both; the front end shows them and decides nothing; the
// engine's exit code and the batch mode's tell the overall result.
#include <optional>
#include <string>

#include "protocol/result_files.h"

namespace protocol {

inline constexpr char verdictFile[] = "Nachweise.txt";
inline constexpr char class3File[] = "Klasse3_Nachweis.txt";

namespace verdict {

enum Column { nachweis, E_d, R_d, eta, ergebnis, grundlage, columnCount };
extern const Columns columns;

// The checks, one row each, in the order of the file.
inline constexpr char shear[] = "querkraft";
inline constexpr char bending[] = "biegung";
inline constexpr char bendingShear[] = "biegung_querkraft";
inline constexpr char minimumReinforcement[] = "mindestbewehrung";
// The degree of shear connection: E_d = eta_min, R_d = eta, eta = eta_min/eta.
// Older runs have no such row.
inline constexpr char shearConnection[] = "verduebelung";
inline constexpr char overall[] = "gesamt";

// The result words, and the number a check does not have.
inline constexpr char fulfilled[] = "erfuellt";
inline constexpr char notFulfilled[] = "nicht_erfuellt";
inline constexpr char notDetermined[] = "nicht_ermittelt";
inline constexpr char notGoverning[] = "nicht_massgebend";
inline constexpr char noNumber[] = "-";

// The rules a row rests on ("grundlage").
inline constexpr char plasticShear[] = "V_pl,Rd";
inline constexpr char shearBuckling[] = "Schubbeulen";
inline constexpr char plasticClass1[] = "Klasse1_M_pl,Rd(V_Ed)";
inline constexpr char plasticClass2[] = "Klasse2_M_pl,Rd(V_Ed)";
inline constexpr char elasticClass3[] = "Klasse3_M_el,Rd";
inline constexpr char effectiveWeb[] = "Klasse2_Loch_im_Steg_M_pl,Rd(V_Ed)";
inline constexpr char notCoveredClass4[] = "Klasse4_nicht_abgedeckt";
inline constexpr char interactionRule[] = "EN1993-1-5_7.1";
inline constexpr char noUtilisation[] = "keine_Ausnutzung";
inline constexpr char tensileZoneTop[] = "Zugzone_oben";
inline constexpr char tensileZoneBottom[] = "Zugzone_unten";
inline constexpr char slabWithoutTension[] = "Platte_ohne_Zug";
inline constexpr char noServiceMoment[] = "M_Ed_GZG_null";
inline constexpr char serviceShearFailure[] = "Querkraftversagen_GZG";
inline constexpr char serviceStateFailure[] = "Querschnittsversagen_GZG";
// Sagging with a partial shear connection (eta < 1, EN 1994-1-1 6.2.1.3(3)):
// M_Rd(eta)(V_Ed) for a Class 1 or 2 section; a Class 3 section is not
// covered, for partial connection rests on plastic theory.
inline constexpr char partialClass1[] = "Klasse1_Teilverduebelung_M_Rd(eta)";
inline constexpr char partialClass2[] = "Klasse2_Teilverduebelung_M_Rd(eta)";
inline constexpr char partialNotCoveredClass3[] = "Klasse3_Teilverduebelung_nicht_abgedeckt";
// The verduebelung row: eta against eta_min (EN 1994-1-1 6.6.1.2); without
// the *Verbundmittel: line full connection is assumed, and a hogging M_Ed
// rests on the bars, for which full connection is assumed as well.
inline constexpr char minimumDegree[] = "EN1994-1-1_6.6.1.2";
inline constexpr char fullConnectionAssumed[] = "vollstaendige_Verduebelung_angenommen";
inline constexpr char hoggingFullConnection[] = "Stuetzmoment_vollstaendige_Verduebelung";

enum class Result { Fulfilled, NotFulfilled, NotDetermined, NotGoverning };
const char *resultWord(Result result);
bool parseResult(const std::string &word, Result &result);

// One row as read: numbers as written (N, Nmm, mm², or the dimensionless
// utilisation), each missing where the file says "-".
struct Row {
    std::string check;
    std::optional<double> E_d, R_d, eta;
    Result result = Result::NotDetermined;
    std::string basis;
};
// A line counts as a row when it has the six tab-separated fields: a check
// name, a number or "-" in each of E_d, R_d and eta (a number must be
// finite), a known result word and a rule.
bool parseRow(const std::string &line, Row &row);

// The result of the "gesamt" row of the file (its last one); false when the
// file holds none (a run the engine stopped, or an older run).
bool readOverall(const std::string &verdictFilePath, Result &result);

}  // namespace verdict

// Keys of "Klasse3_Nachweis.txt": the elastic route (M_el,Rd, eta_el), the
// EN 1993-1-5 7.1 terms (M_pl,Rd, M_f,Rd, eta1, eta3) and the effective
// Class 2 web (its hole, the kept lengths, the plastic axis and resistance).
namespace class3 {
enum Column { groesse, wert, columnCount };
extern const Columns columns;
inline constexpr char M_el_Rd[] = "M_el_Rd";
inline constexpr char eta_el[] = "eta_el";
inline constexpr char M_pl_Rd[] = "M_pl_Rd";
inline constexpr char M_f_Rd[] = "M_f_Rd";
inline constexpr char eta1[] = "eta1";
inline constexpr char eta3[] = "eta3";
inline constexpr char loch_im_steg[] = "loch_im_steg";
inline constexpr char l_flansch[] = "l_flansch";
inline constexpr char l_nullinie[] = "l_nullinie";
inline constexpr char z_loch_u[] = "z_loch_u";
inline constexpr char z_loch_o[] = "z_loch_o";
inline constexpr char Z_pl_eff[] = "Z_pl_eff";
inline constexpr char M_pl_eff_Rd[] = "M_pl_eff_Rd";
inline constexpr char eta_eff[] = "eta_eff";
}  // namespace class3

}  // namespace protocol
