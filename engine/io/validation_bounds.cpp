#include "io/validation_bounds.h"

#include <cmath>
#include <limits>

namespace bounds {

namespace {
constexpr double none = std::numeric_limits<double>::infinity();
constexpr bool incl = true;
constexpr bool excl = false;

bool aboveLower(double x, double lower, bool included) {
    return included ? x >= lower : x > lower;
}
bool belowUpper(double x, double upper, bool included) {
    return included ? x <= upper : x < upper;
}

const char *const diameterMessage =
    "FEHLERMELDUNG: Durchmesser der Bewehrung muss zwischen 0  und 50 liegen";
const char *const spacingMessage =
    "FEHLERMELDUNG: Abstand der Bewehrung muss zwischen dem Durchmesser der Bewehrungund "
    "und b_e liegen";
const char *const coverMessage = "FEHLERMELDUNG: die Betondeckung muss groesser als 0 sein";
const char *const flangeThicknessMessage =
    "FEHLERMELDUNG:die Flanschdicke des Baustahlquerschnitts muss zwischen 0 und 50 liegen";
const char *const flangeWidthMessage =
    "FEHLERMELDUNG:die Flanschbreite des Baustahlquerschnitts muss zwischen 0 und 800 liegen";
const char *const flangeCoversWebMessage =
    "FEHLERMELDUNG:die Flanschbreite des Baustahlquerschnitts muss mindestens so gross wie die "
    "Stegdicke sein";
const char *const concreteClassesMessage =
    "FEHLERMELDUNG: Moegliche Betonfestigkeitsklassen: C20/25, C25/30, C30/37, C35/45, C40/50, "
    "C45/55, C50/60, C55/67, C60/75";
}  // namespace

bool Range::hasLower() const { return lower != -none || *lowerBy != '\0'; }
bool Range::hasUpper() const { return upper != none || *upperBy != '\0'; }

bool Range::contains(double x) const {
    if (!std::isfinite(x)) return false;
    // 18.5 studs are 18: a fraction would raise N_c = n P_Rd and the degree of connection.
    if (whole && x != std::floor(x)) return false;
    return aboveLower(x, lower, lowerIncluded) && belowUpper(x, upper, upperIncluded);
}

bool Range::contains(double x, double lowerByValue, double upperByValue) const {
    if (!contains(x)) return false;
    if (*lowerBy != '\0' && !aboveLower(x, lowerByValue, lowerByIncluded)) return false;
    if (*upperBy != '\0' && !belowUpper(x, upperByValue, upperByIncluded)) return false;
    return true;
}

// name, lower, incl., upper, incl., lower by, incl., upper by, incl., message[, whole]
const Range gamma_c{"gamma_c", 0, excl, 5, incl, "", incl, "", incl,
                    "FEHLERMELDUNG: gamma_c muss zwischen 0 und 5 liegen"};
const Range alpha_c{"alpha_c", 0, excl, 1, incl, "", incl, "", incl,
                    "FEHLERMELDUNG: alpha_c muss zwischen 0 und 1 liegen"};
const Range f_sk{"f_sk", 400, incl, 600, incl, "", incl, "", incl,
                 "FEHLERMELDUNG: f_sk muss zwischen 400 und 600 liegen"};
const Range gamma_s{"gamma_s", 0, excl, 5, incl, "", incl, "", incl,
                    "FEHLERMELDUNG: gamma_s muss zwischen 0 und 5 liegen"};
const Range f_yk{"f_yk", 0, excl, 460, incl, "", incl, "", incl,
                 "FEHLERMELDUNG: f_yk muss zwischen 0 und 460 liegen"};
const Range gamma_M{"gamma_M", 0, excl, 5, incl, "", incl, "", incl,
                    "FEHLERMELDUNG: gamma_M muss zwischen 0 und 5 liegen"};

// Sheeting, both covers and both bar layers must fit into the slab height.
const Range h_c{"h_c", 0, incl, 1500, incl, "h_profilblech + c_nom_u + d_u + d_o + c_nom_o", incl,
                "", incl,
                "FEHLERMELDUNG: h_c muss zwischen summe(h_p+c_nom_u+d_u+d_o+c_nom_o) und 1500 "
                "liegen"};
const Range b_e{"b_e", 0, incl, 10000, incl, "", incl, "", incl,
                "FEHLERMELDUNG: b_e muss zwischen 0 und 10000 liegen"};
const Range h_p{"h_profilblech", 0, incl, none, incl, "", incl, "h_c", incl,
                "FEHLERMELDUNG: h_profilblech muss zwischen 0  und h_c liegen"};
// The sheeting rests on the top flange: the concrete between its ribs is narrower.
const Range b_p{"b_p", 0, incl, none, incl, "", incl, "b_f2", excl,
                "FEHLERMELDUNG: Breite Beton zwischen Profilblech muss zwischen 0  und b_fu "
                "liegen"};
const Range d_u{"d_u", 0, incl, 50, excl, "", incl, "", incl, diameterMessage};
const Range d_o{"d_o", 0, incl, 50, excl, "", incl, "", incl, diameterMessage};
const Range spacing_u{"AbstanduntereLage", -none, incl, none, incl, "d_u", incl, "b_e", incl,
                      spacingMessage};
const Range spacing_o{"AbstandobereLage", -none, incl, none, incl, "d_o", incl, "b_e", incl,
                      spacingMessage};
const Range c_nom_u{"c_nom_u", 0, excl, none, incl, "", incl, "", incl, coverMessage};
const Range c_nom_o{"c_nom_o", 0, excl, none, incl, "", incl, "", incl, coverMessage};

const Range h{"h", 0, excl, 1000, excl, "", incl, "", incl,
              "FEHLERMELDUNG: die Hoehe des Baustahlquerschnitts muss zwischen 0 und 1000 "
              "liegen"};
const Range t_f1{"t_f1", 0, excl, 50, excl, "", incl, "", incl, flangeThicknessMessage};
const Range t_f2{"t_f2", 0, excl, 50, excl, "", incl, "", incl, flangeThicknessMessage};
const Range b_f1{"b_f1", 0, excl, 800, excl, "", incl, "", incl, flangeWidthMessage};
const Range b_f2{"b_f2", 0, excl, 800, excl, "", incl, "", incl, flangeWidthMessage};
const Range t_w{"t_w", 0, excl, 50, incl, "", incl, "", incl,
                "FEHLERMELDUNG:die Stegdicke des Baustahlquerschnitts muss zwischen 0 und 50 "
                "liegen"};
const Range steelHeightFit{"h", -none, incl, none, incl, "t_f1 + t_f2 + 2 r", incl, "", incl,
                           "FEHLERMELDUNG: die Hoehe des Baustahlquerschnitts ist zu klein"};

const Range flange1CoversWeb{"b_f1", -none, incl, none, incl, "t_w", incl, "", incl,
                             flangeCoversWebMessage};
const Range flange2CoversWeb{"b_f2", -none, incl, none, incl, "t_w", incl, "", incl,
                             flangeCoversWebMessage};

const Range k_min{"k", 0, incl, 1, incl, "", incl, "", incl,
                  "FEHLERMELDUNG: k muss zwischen 0 und 1 liegen"};
const Range k_c{"k_c", 0, incl, 1, incl, "", incl, "", incl,
                "FEHLERMELDUNG: k_c muss zwischen 0 und 1 liegen"};
const Range s_s{"s_s", 0, excl, none, incl, "", incl, "", incl,
                "FEHLERMELDUNG: s_s muss groesser als 0 sein"};

const Range d_stud{"d", 16, incl, 25, incl, "", incl, "", incl,
                   "FEHLERMELDUNG: d der Kopfbolzenduebel muss zwischen 16 und 25 liegen"};
const Range h_sc{"h_sc", -none, incl, none, incl, "3 d", incl, "", incl,
                 "FEHLERMELDUNG: h_sc muss mindestens 3 d betragen"};
const Range f_u{"f_u", 0, excl, 500, incl, "", incl, "", incl,
                "FEHLERMELDUNG: f_u muss zwischen 0 und 500 liegen"};
const Range n_studs{"n", 0, incl, none, incl, "", incl, "", incl,
                    "FEHLERMELDUNG: n muss eine ganze Zahl ab 0 sein", true};
const Range L_e{"L_e", 0, excl, none, incl, "", incl, "", incl,
                "FEHLERMELDUNG: L_e muss groesser als 0 sein"};
const Range n_r{"n_r", 1, incl, 2, incl, "", incl, "", incl,
                "FEHLERMELDUNG: n_r muss 1 oder 2 sein", true};
const Range t_blech{"t_blech", 0, incl, none, incl, "", incl, "", incl,
                    "FEHLERMELDUNG: t_blech darf nicht negativ sein"};
const Range h_scAboveRibs{"h_sc", -none, incl, none, incl, "h_profilblech + 2 d", incl, "", incl,
                          "FEHLERMELDUNG: h_sc muss mit Profilblech mindestens h_profilblech + 2 d "
                          "betragen"};
const Range h_pForKt{"h_profilblech", -none, incl, 85, incl, "", incl, "", incl,
                     "FEHLERMELDUNG: Rippen quer: k_t gilt nur fuer h_profilblech bis 85 mm"};
const Range b_0ForKt{"b_p", -none, incl, none, incl, "h_profilblech", incl, "", incl,
                     "FEHLERMELDUNG: Rippen quer: k_t gilt nur fuer b_p (b_0) mindestens "
                     "h_profilblech"};
const char *const ribWordMessage = "FEHLERMELDUNG: Rippen muss keine, quer oder parallel sein";
const char *const ribsWithoutSheetingMessage =
    "FEHLERMELDUNG: Rippen quer oder parallel verlangt ein Profilblech (h_profilblech > 0)";
const char *const sheetingWithoutRibsMessage =
    "FEHLERMELDUNG: Rippen keine verlangt eine Platte ohne Profilblech (h_profilblech = 0)";

const Range f_ck{"f_ck", 20, incl, 60, incl, "", incl, "", incl, concreteClassesMessage};
const Range f_ctm{"f_ctm", 2, incl, 4.5, incl, "", incl, "", incl,
                  "FEHLERMELDUNG: f_ctm muss zwischen 2 und 4.5 liegen"};
const Range e_c3{"e_c3", 1.7, incl, 2, incl, "", incl, "", incl,
                 "FEHLERMELDUNG: e_c3 muss zwischen 1.7 und 2 liegen"};
const Range e_cu3{"e_cu3", 2.8, incl, 3.6, incl, "", incl, "", incl,
                  "FEHLERMELDUNG: e_cu3 muss zwischen 2.8 und 3.6 liegen"};
const Range E_s{"E_s", 190000, incl, 220000, incl, "", incl, "", incl,
                "FEHLERMELDUNG: E_s muss zwischen 190000 und 220000 liegen"};
const Range k{"k", 1, incl, 1.5, incl, "", incl, "", incl,
              "FEHLERMELDUNG: k=(f_t/f_y) muss zwischen 1 und 1.5 liegen"};
const Range e_uk{"e_uk", 22, incl, 80, incl, "", incl, "", incl,
                 "FEHLERMELDUNG: e_uk muss zwischen 22 und 80 liegen"};
const Range E_a{"E_a", 190000, incl, 220000, incl, "", incl, "", incl,
                "FEHLERMELDUNG: E_a muss zwischen 190000 und 220000 liegen"};

const char *profileRowFault(double h, double b, double t_w, double t_f, double r) {
    const auto dimension = [](double x) { return x > 0 && x <= maxProfileDimension; };
    if (!dimension(h)) return "h";
    if (!dimension(b)) return "b";
    if (!dimension(t_w)) return "t_w";
    if (!dimension(t_f)) return "t_f";
    if (!(r >= 0 && r <= maxProfileDimension)) return "r";
    if (!(2 * t_f + 2 * r <= h)) return "h";
    return nullptr;
}

const std::vector<const Range *> &inputRanges() {
    static const std::vector<const Range *> all{
        &f_sk, &gamma_s, &f_yk, &gamma_M, &k_min, &k_c, &s_s,
        &h_c, &b_e, &h_p, &b_p, &d_u, &d_o, &spacing_u, &spacing_o, &c_nom_u, &c_nom_o,
        &h, &t_f1, &t_f2, &b_f1, &b_f2, &steelHeightFit, &t_w, &flange1CoversWeb, &flange2CoversWeb,
        &gamma_c, &alpha_c,
        &d_stud, &h_sc, &f_u, &n_studs, &L_e, &n_r, &t_blech};
    return all;
}

}  // namespace bounds
