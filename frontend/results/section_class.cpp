#include "results/section_class.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

namespace results {

const char *const sectionClassFile = "Querschnittsklasse.txt";

namespace {

bool isClass(double k) { return k >= 1.0 && k <= 4.0 && k == std::floor(k); }

// One data row: the direction word and eight finite numbers with valid classes.
bool parseRow(const std::string &line, std::string &direction, SectionClassRow &row) {
    std::istringstream fields(line);
    fields.imbue(std::locale::classic());
    double v[8];
    if (!(fields >> direction)) return false;
    for (double &x : v)
        if (!(fields >> x) || !std::isfinite(x)) return false;
    if (!isClass(v[2]) || !isClass(v[6]) || !isClass(v[7])) return false;
    row.present = true;
    row.eps = v[0];
    row.c_t_flansch = v[1];
    row.klasse_flansch = static_cast<int>(v[2]);
    row.alpha = v[3];
    row.psi = v[4];
    row.c_t_steg = v[5];
    row.klasse_steg = static_cast<int>(v[6]);
    row.klasse = static_cast<int>(v[7]);
    return true;
}

DecidingLimit limit(double value, const char *formula) {
    return {true, value, QString::fromUtf8(formula)};
}

}  // namespace

const SectionClassRow &SectionClasses::forMoment(double mEd) const {
    return mEd >= 0.0 ? positive : negative;
}

SectionClasses readSectionClassFile(const std::string &path) {
    SectionClasses classes;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::string direction;
        SectionClassRow row;
        if (!parseRow(line, direction, row)) continue;
        if (direction == "positiv") classes.positive = row;
        else if (direction == "negativ") classes.negative = row;
    }
    return classes;
}

SectionClasses readSectionClasses(const std::string &runFolder) {
    return readSectionClassFile(runFolder + sectionClassFile);
}

QString classText(const SectionClassRow &row) {
    return row.present ? QString::number(row.klasse) : QStringLiteral("nicht ermittelt");
}

// EN 1993-1-1 Table 5.2, outstand flange in compression.
DecidingLimit flangeLimit(const SectionClassRow &row, bool sagging) {
    if (!row.present || sagging) return {};
    const double e = row.eps;
    switch (row.klasse_flansch) {
    case 1: return limit(9.0 * e, "9ε");
    case 2: return limit(10.0 * e, "10ε");
    default: return limit(14.0 * e, "14ε");
    }
}

// EN 1993-1-1 Table 5.2, internal part in bending and compression.
DecidingLimit webLimit(const SectionClassRow &row) {
    if (!row.present || !(row.alpha > 0.0)) return {};
    const double e = row.eps, a = row.alpha, p = row.psi;
    if (row.klasse_steg == 1)
        return a > 0.5 ? limit(396.0 * e / (13.0 * a - 1.0), "396ε/(13α−1)")
                       : limit(36.0 * e / a, "36ε/α");
    if (row.klasse_steg == 2)
        return a > 0.5 ? limit(456.0 * e / (13.0 * a - 1.0), "456ε/(13α−1)")
                       : limit(41.5 * e / a, "41.5ε/α");
    return p > -1.0 ? limit(42.0 * e / (0.67 + 0.33 * p), "42ε/(0.67+0.33ψ)")
                    : limit(62.0 * e * (1.0 - p) * std::sqrt(-p), "62ε(1−ψ)√(−ψ)");
}

BendingCheck bendingCheck(const SectionClassRow &row, double mEd, double mElRd, double mPlRd) {
    BendingCheck check;
    const int k = row.present ? row.klasse : 0;
    if (k == 4) {
        check.made = false;
        check.fulfilled = false;
        check.message = QString::fromUtf8(
            "Querschnittsklasse 4: wirksamer Querschnitt nicht abgedeckt – Nachweis nicht möglich");
        return check;
    }
    check.elastic = k == 3;
    check.resistance = check.elastic ? mElRd : mPlRd;
    // Each direction against the resistance of its own sign.
    check.fulfilled = mEd >= 0.0 ? mEd <= check.resistance : mEd >= check.resistance;
    if (check.elastic && !check.fulfilled)
        check.message = QString::fromUtf8("Querschnittsklasse 3: nur elastische Bemessung zulässig");
    return check;
}

}  // namespace results
