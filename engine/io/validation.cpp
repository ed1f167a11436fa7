#include "io/validation.h"

#include <iostream>

#include "io/console.h"

// Every condition is written as the range that passes, negated as a whole, so
// that a value outside the range and a value that is no number at all both fail.

namespace {

bool reject(const std::string &message) {
    errorLine(message);
    return false;
}

bool isOnOrOff(const std::string &text) { return text == "ON" || text == "OFF"; }

const char *const concreteClasses =
    "FEHLERMELDUNG: Moegliche Betonfestigkeitsklassen: C20/25, C25/30, C30/37, C35/45, C40/50, "
    "C45/55, C50/60, C55/67, C60/75";

}  // namespace

bool checkReinforcementInput(const std::string &klasse_s, const std::string &set_verfestigung_s,
                             double f_sk, double gamma_s) {
    if (!(400 <= f_sk && f_sk <= 600))
        return reject("FEHLERMELDUNG: f_sk muss zwischen 400 und 600 liegen");
    if (!(0 < gamma_s && gamma_s <= 5))
        return reject("FEHLERMELDUNG: gamma_s muss zwischen 0 und 5 liegen");
    if (!(klasse_s == "A" || klasse_s == "B" || klasse_s == "C"))
        return reject("FEHLERMELDUNG: moegliche Duktilitaetsklassen: A, B, C ");
    if (!isOnOrOff(set_verfestigung_s))
        return reject(
            "FEHLERMELDUNG: Verfestigung der Bewehrung muss auf ON oder OFF gestellt sein");
    return true;
}

bool checkSteelInput(double f_yk, double gamma_M) {
    if (!(0 < f_yk && f_yk <= 460))
        return reject("FEHLERMELDUNG: f_yk muss zwischen 0 und 460 liegen");
    if (!(0 < gamma_M && gamma_M <= 5))
        return reject("FEHLERMELDUNG: gamma_M muss zwischen 0 und 5 liegen");
    return true;
}

bool checkProfileType(const std::string &Profiltyp) {
    if (!(Profiltyp == "Schweissprofil" || Profiltyp == "Walzprofil"))
        return reject("FEHLERMELDUNG: moegliche Profiltypen: Schweissprofil, Walzprofil ");
    return true;
}

bool checkMinimumReinforcementInput(double k_c, double k_min, double s_s) {
    if (!(0 <= k_min && k_min <= 1))
        return reject("FEHLERMELDUNG: k muss zwischen 0 und 1 liegen");
    if (!(0 <= k_c && k_c <= 1))
        return reject("FEHLERMELDUNG: k_c muss zwischen 0 und 1 liegen");
    if (!(s_s > 0)) return reject("FEHLERMELDUNG: s_s muss groesser als 0 sein");
    return true;
}

bool checkGeometry(double h_c, double b_e, double h_p, double b_p, double d_u, double d_o,
                   double AbstanduntereLage, double AbstandobereLage, double c_nom_u,
                   double c_nom_o, double h, double t_f1, double t_f2, double b_f1, double b_f2,
                   double t_w, double r) {
    // Slab: sheeting, both covers and both bar layers must fit into the slab height.
    const double layers = h_p + c_nom_u + d_u + d_o + c_nom_o;
    if (!(h_c >= 0 && layers <= h_c && h_c <= 1500))
        return reject(
            "FEHLERMELDUNG: h_c muss zwischen summe(h_p+c_nom_u+d_u+d_o+c_nom_o) und 1500 liegen");
    if (!(0 <= b_e && b_e <= 10000))
        return reject("FEHLERMELDUNG: b_e muss zwischen 0 und 10000 liegen");
    if (!(0 <= h_p && h_p <= h_c))
        return reject("FEHLERMELDUNG: h_profilblech muss zwischen 0  und h_c liegen");
    // The sheeting rests on the top flange: the concrete between its ribs is narrower.
    if (!(0 <= b_p && b_p < b_f2))
        return reject(
            "FEHLERMELDUNG: Breite Beton zwischen Profilblech muss zwischen 0  und b_fu liegen");
    const char *const diameter =
        "FEHLERMELDUNG: Durchmesser der Bewehrung muss zwischen 0  und 50 liegen";
    if (!(0 <= d_u && d_u < 50)) return reject(diameter);
    if (!(0 <= d_o && d_o < 50)) return reject(diameter);
    const char *const spacing =
        "FEHLERMELDUNG: Abstand der Bewehrung muss zwischen dem Durchmesser der Bewehrungund "
        "und b_e liegen";
    if (!(d_u <= AbstanduntereLage && AbstanduntereLage <= b_e)) return reject(spacing);
    if (!(d_o <= AbstandobereLage && AbstandobereLage <= b_e)) return reject(spacing);
    const char *const cover = "FEHLERMELDUNG: die Betondeckung muss groesser als 0 sein";
    if (!(c_nom_u > 0)) return reject(cover);
    if (!(c_nom_o > 0)) return reject(cover);
    if (!(0 < h && h < 1000))
        return reject(
            "FEHLERMELDUNG: die Hoehe des Baustahlquerschnitts muss zwischen 0 und 1000 liegen");
    const char *const flangeThickness =
        "FEHLERMELDUNG:die Flanschdicke des Baustahlquerschnitts muss zwischen 0 und 50 liegen";
    if (!(0 < t_f1 && t_f1 < 50)) return reject(flangeThickness);
    if (!(0 < t_f2 && t_f2 < 50)) return reject(flangeThickness);
    const char *const flangeWidth =
        "FEHLERMELDUNG:die Flanschbreite des Baustahlquerschnitts muss zwischen 0 und 800 liegen";
    if (!(0 < b_f1 && b_f1 < 800)) return reject(flangeWidth);
    if (!(0 < b_f2 && b_f2 < 800)) return reject(flangeWidth);
    // Both flanges and the root radii of a rolled profile must fit into its height.
    if (!(t_f1 + t_f2 + 2 * r <= h))
        return reject("FEHLERMELDUNG: die Hoehe des Baustahlquerschnitts ist zu klein");
    if (!(0 < t_w && t_w <= 50))
        return reject(
            "FEHLERMELDUNG:die Stegdicke des Baustahlquerschnitts muss zwischen 0 und 50 liegen");
    return true;
}

bool checkTableValues(double f_ck, double f_ctm, double e_c3, double e_cu3, double E_s, double k,
                      double e_uk, double E_a) {
    if (!(20 <= f_ck && f_ck <= 60)) return reject(concreteClasses);
    if (!(2 <= f_ctm && f_ctm <= 4.5))
        return reject("FEHLERMELDUNG: f_ctm muss zwischen 2 und 4.5 liegen");
    if (!(1.7 <= e_c3 && e_c3 <= 2))
        return reject("FEHLERMELDUNG: e_c3 muss zwischen 1.7 und 2 liegen");
    if (!(2.8 <= e_cu3 && e_cu3 <= 3.6))
        return reject("FEHLERMELDUNG: e_cu3 muss zwischen 2.8 und 3.6 liegen");
    if (!(190000 <= E_s && E_s <= 220000))
        return reject("FEHLERMELDUNG: E_s muss zwischen 190000 und 220000 liegen");
    std::cout << ">>k" << k << "\t" << std::endl;
    if (!(1 <= k && k <= 1.5))
        return reject("FEHLERMELDUNG: k=(f_t/f_y) muss zwischen 1 und 1.5 liegen");
    if (!(22 <= e_uk && e_uk <= 80))
        return reject("FEHLERMELDUNG: e_uk muss zwischen 22 und 80 liegen");
    if (!(190000 <= E_a && E_a <= 220000))
        return reject("FEHLERMELDUNG: E_a muss zwischen 190000 und 220000 liegen");
    return true;
}

bool checkConcreteInput(const std::string &set_e_cu3, double f_ck, double gamma_c, double alpha_c) {
    // The strength class is known only through the f_ck of its table row.
    const bool standardClass = f_ck == 20 || f_ck == 25 || f_ck == 30 || f_ck == 35 ||
                               f_ck == 40 || f_ck == 45 || f_ck == 50 || f_ck == 55 || f_ck == 60;
    if (!standardClass) return reject(concreteClasses);
    if (!(0 < gamma_c && gamma_c <= 5))
        return reject("FEHLERMELDUNG: gamma_c muss zwischen 0 und 5 liegen");
    if (!(0 < alpha_c && alpha_c <= 1))
        return reject("FEHLERMELDUNG: alpha_c muss zwischen 0 und 1 liegen");
    if (!isOnOrOff(set_e_cu3))
        return reject(
            "FEHLERMELDUNG: Begrenzung der Bruchdehnung muss auf ON oder OFF gestellt sein");
    return true;
}
