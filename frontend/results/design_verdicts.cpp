#include "results/design_verdicts.h"

#include "results/readable_numbers.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>
#include <vector>

namespace results {

const char *const verdictFile = "Nachweise.txt";
const char *const class3File = "Klasse3_Nachweis.txt";

namespace verdict {
const char *const shear = "querkraft";
const char *const bending = "biegung";
const char *const bendingShear = "biegung_querkraft";
const char *const minimumReinforcement = "mindestbewehrung";
const char *const overall = "gesamt";
const char *const fulfilled = "erfuellt";
const char *const notFulfilled = "nicht_erfuellt";
const char *const notDetermined = "nicht_ermittelt";
const char *const notGoverning = "nicht_massgebend";
const char *const shearBuckling = "Schubbeulen";
const char *const plasticClass1 = "Klasse1_M_pl,Rd(V_Ed)";
const char *const plasticClass2 = "Klasse2_M_pl,Rd(V_Ed)";
const char *const elasticClass3 = "Klasse3_M_el,Rd";
const char *const effectiveWeb = "Klasse2_Loch_im_Steg_M_pl,Rd(V_Ed)";
const char *const notCoveredClass4 = "Klasse4_nicht_abgedeckt";
const char *const tensileZoneTop = "Zugzone_oben";
const char *const tensileZoneBottom = "Zugzone_unten";
const char *const slabWithoutTension = "Platte_ohne_Zug";
const char *const noServiceMoment = "M_Ed_GZG_null";
const char *const serviceShearFailure = "Querkraftversagen_GZG";
const char *const serviceStateFailure = "Querschnittsversagen_GZG";
}  // namespace verdict

namespace class3 {
const char *const M_el_Rd = "M_el_Rd";
const char *const eta_el = "eta_el";
const char *const M_pl_Rd = "M_pl_Rd";
const char *const M_f_Rd = "M_f_Rd";
const char *const eta1 = "eta1";
const char *const eta3 = "eta3";
const char *const loch_im_steg = "loch_im_steg";
const char *const l_flansch = "l_flansch";
const char *const l_nullinie = "l_nullinie";
const char *const z_loch_u = "z_loch_u";
const char *const z_loch_o = "z_loch_o";
const char *const Z_pl_eff = "Z_pl_eff";
const char *const M_pl_eff_Rd = "M_pl_eff_Rd";
const char *const eta_eff = "eta_eff";
}  // namespace class3

namespace {

// A number, or "-" for none; false for anything else.
bool parseNumber(const std::string &text, std::optional<double> &value) {
    if (text == "-") {
        value.reset();
        return true;
    }
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double v = 0.0;
    if (!(in >> v) || !in.eof() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parseResult(const std::string &word, CheckResult &result) {
    const struct {
        const char *word;
        CheckResult result;
    } words[] = {{verdict::fulfilled, CheckResult::Fulfilled},
                 {verdict::notFulfilled, CheckResult::NotFulfilled},
                 {verdict::notDetermined, CheckResult::NotDetermined},
                 {verdict::notGoverning, CheckResult::NotGoverning}};
    for (const auto &w : words)
        if (word == w.word) {
            result = w.result;
            return true;
        }
    return false;
}

bool parseRow(const std::string &line, std::string &name, DesignCheck &check) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    if (fields.size() != 6 || fields[5].empty()) return false;
    if (!parseNumber(fields[1], check.E_d) || !parseNumber(fields[2], check.R_d) ||
        !parseNumber(fields[3], check.eta) || !parseResult(fields[4], check.result))
        return false;
    name = fields[0];
    check.basis = fields[5];
    if (!check.basis.empty() && check.basis.back() == '\r') check.basis.pop_back();
    check.present = true;
    return true;
}

}  // namespace

bool DesignVerdicts::present() const {
    return shear.present && bending.present && bendingShear.present && minimum.present &&
           overall.present;
}

DesignVerdicts DesignVerdicts::readFile(const std::string &path) {
    DesignVerdicts verdicts;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string name;
        DesignCheck check;
        if (!parseRow(line, name, check)) continue;
        DesignCheck *target = name == verdict::shear                  ? &verdicts.shear
                              : name == verdict::bending              ? &verdicts.bending
                              : name == verdict::bendingShear         ? &verdicts.bendingShear
                              : name == verdict::minimumReinforcement ? &verdicts.minimum
                              : name == verdict::overall              ? &verdicts.overall
                                                                      : nullptr;
        if (target) *target = check;
    }
    return verdicts;
}

DesignVerdicts DesignVerdicts::read(const std::string &runFolder) {
    return readFile(runFolder + verdictFile);
}

QString utilisationNumber(double eta) {
    // Three significant digits; an absurd action (1e300 kNm) reads "1e+300",
    // not a ratio of 298 digits.
    return significant(eta, 3);
}

}  // namespace results
