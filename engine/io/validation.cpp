#include "io/validation.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "io/console.h"
#include "io/validation_bounds.h"
#include "protocol/input_lines.h"

// The ranges and their messages are those of io/validation_bounds.h. A value
// that is no finite number lies outside every range.

namespace {

bool reject(const std::string &message) {
    errorLine(message);
    return false;
}

bool isOnOrOff(const std::string &text) {
    return text == protocol::input::on || text == protocol::input::off;
}

bool isOneOf(const std::string &text, const std::vector<std::string> &words) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

// Tests one value against its range; on a violation writes the range's message.
bool within(const bounds::Range &range, double x) {
    return range.contains(x) || reject(range.message);
}

bool within(const bounds::Range &range, double x, double lowerBy, double upperBy) {
    return range.contains(x, lowerBy, upperBy) || reject(range.message);
}

}  // namespace

bool checkReinforcementInput(const std::string &klasse_s, const std::string &set_verfestigung_s,
                             double f_sk, double gamma_s) {
    if (!within(bounds::f_sk, f_sk)) return false;
    if (!within(bounds::gamma_s, gamma_s)) return false;
    if (!isOneOf(klasse_s, protocol::input::ductilityClasses))
        return reject("FEHLERMELDUNG: moegliche Duktilitaetsklassen: A, B, C ");
    if (!isOnOrOff(set_verfestigung_s))
        return reject(
            "FEHLERMELDUNG: Verfestigung der Bewehrung muss auf ON oder OFF gestellt sein");
    return true;
}

bool checkSteelInput(double f_yk, double gamma_M) {
    return within(bounds::f_yk, f_yk) && within(bounds::gamma_M, gamma_M);
}

bool checkProfileType(const std::string &Profiltyp) {
    if (!isOneOf(Profiltyp, protocol::input::profileTypes))
        return reject("FEHLERMELDUNG: moegliche Profiltypen: Schweissprofil, Walzprofil ");
    return true;
}

bool checkMinimumReinforcementInput(double k_c, double k_min, double s_s) {
    // k is tested before k_c.
    return within(bounds::k_min, k_min) && within(bounds::k_c, k_c) && within(bounds::s_s, s_s);
}

bool checkSlabGeometry(double h_c, double b_e, double h_p, double b_p, double d_u, double d_o,
                       double AbstanduntereLage, double AbstandobereLage, double c_nom_u,
                       double c_nom_o, double b_f2) {
    // The sum of the layers is formed left to right, as the message writes it.
    const double layers = h_p + c_nom_u + d_u + d_o + c_nom_o;
    return within(bounds::h_c, h_c, layers, 0) && within(bounds::b_e, b_e) &&
           within(bounds::h_p, h_p, 0, h_c) && within(bounds::b_p, b_p, 0, b_f2) &&
           within(bounds::d_u, d_u) && within(bounds::d_o, d_o) &&
           within(bounds::spacing_u, AbstanduntereLage, d_u, b_e) &&
           within(bounds::spacing_o, AbstandobereLage, d_o, b_e) &&
           within(bounds::c_nom_u, c_nom_u) && within(bounds::c_nom_o, c_nom_o);
}

bool checkGeometry(double h_c, double b_e, double h_p, double b_p, double d_u, double d_o,
                   double AbstanduntereLage, double AbstandobereLage, double c_nom_u,
                   double c_nom_o, double h, double t_f1, double t_f2, double b_f1, double b_f2,
                   double t_w, double r) {
    return checkSlabGeometry(h_c, b_e, h_p, b_p, d_u, d_o, AbstanduntereLage, AbstandobereLage,
                             c_nom_u, c_nom_o, b_f2) &&
           within(bounds::h, h) && within(bounds::t_f1, t_f1) && within(bounds::t_f2, t_f2) &&
           within(bounds::b_f1, b_f1) && within(bounds::b_f2, b_f2) &&
           within(bounds::steelHeightFit, h, t_f1 + t_f2 + 2 * r, 0) &&
           within(bounds::t_w, t_w) && within(bounds::flange1CoversWeb, b_f1, t_w, 0) &&
           within(bounds::flange2CoversWeb, b_f2, t_w, 0);
}

bool checkTableValues(double f_ck, double f_ctm, double e_c3, double e_cu3, double E_s, double k,
                      double e_uk, double E_a) {
    if (!(within(bounds::f_ck, f_ck) && within(bounds::f_ctm, f_ctm) &&
          within(bounds::e_c3, e_c3) && within(bounds::e_cu3, e_cu3) && within(bounds::E_s, E_s)))
        return false;
    std::cout << ">>k" << k << "\t" << std::endl;
    return within(bounds::k, k) && within(bounds::e_uk, e_uk) && within(bounds::E_a, E_a);
}

bool checkConnectorInput(double d, double h_sc, double f_u, double n, double L_e,
                         const std::string &Rippen, double n_r, double t_blech) {
    if (!(within(bounds::d_stud, d) && within(bounds::h_sc, h_sc, 3 * d, 0) &&
          within(bounds::f_u, f_u) && within(bounds::n_studs, n) && within(bounds::L_e, L_e)))
        return false;
    if (!isOneOf(Rippen, protocol::input::ribWords)) return reject(bounds::ribWordMessage);
    // Studs per rib count whole: one or two.
    if (!within(bounds::n_r, n_r)) return false;
    return within(bounds::t_blech, t_blech);
}

bool checkConnectorRibs(const std::string &Rippen, double d, double h_sc, double h_p, double b_p) {
    const bool ribs = Rippen != protocol::input::ribsNone;
    if (ribs && !(h_p > 0)) return reject(bounds::ribsWithoutSheetingMessage);
    if (!ribs && h_p != 0) return reject(bounds::sheetingWithoutRibsMessage);
    if (!ribs) return true;
    if (!within(bounds::h_scAboveRibs, h_sc, h_p + 2 * d, 0)) return false;
    if (Rippen != protocol::input::ribsTransverse) return true;
    return within(bounds::h_pForKt, h_p) && within(bounds::b_0ForKt, b_p, h_p, 0);
}

bool checkConcreteInput(const std::string &set_e_cu3, double f_ck, double gamma_c, double alpha_c) {
    // The strength class is known only through the f_ck of its table row.
    const bool standardClass = f_ck == 20 || f_ck == 25 || f_ck == 30 || f_ck == 35 ||
                               f_ck == 40 || f_ck == 45 || f_ck == 50 || f_ck == 55 || f_ck == 60;
    if (!standardClass) return reject(bounds::f_ck.message);
    if (!within(bounds::gamma_c, gamma_c)) return false;
    if (!within(bounds::alpha_c, alpha_c)) return false;
    if (!isOnOrOff(set_e_cu3))
        return reject(
            "FEHLERMELDUNG: Begrenzung der Bruchdehnung muss auf ON oder OFF gestellt sein");
    return true;
}
