#include "results/section_class.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

#include "analysis/class_limits.h"
#include "protocol/result_files.h"

namespace results {

namespace {

bool isClass(double k) { return k >= 1.0 && k <= 4.0 && k == std::floor(k); }

// One data row: the direction word and eight finite numbers with valid classes.
bool parseRow(const std::string &line, std::string &direction, SectionClassRow &row) {
    using namespace protocol::classification;  // the column indices
    std::istringstream fields(line);
    fields.imbue(std::locale::classic());
    double v[columnCount];  // v[richtung] stays unused: the word
    if (!(fields >> direction)) return false;
    for (int c = eps; c < columnCount; ++c)
        if (!(fields >> v[c]) || !std::isfinite(v[c])) return false;
    if (!isClass(v[klasse_flansch]) || !isClass(v[klasse_steg]) || !isClass(v[klasse])) return false;
    row.present = true;
    row.eps = v[eps];
    row.c_t_flansch = v[c_t_flansch];
    row.klasse_flansch = static_cast<int>(v[klasse_flansch]);
    row.alpha = v[alpha];
    row.psi = v[psi];
    row.c_t_steg = v[c_t_steg];
    row.klasse_steg = static_cast<int>(v[klasse_steg]);
    row.klasse = static_cast<int>(v[klasse]);
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
        if (direction == protocol::classification::sagging) classes.positive = row;
        else if (direction == protocol::classification::hogging) classes.negative = row;
    }
    return classes;
}

SectionClasses readSectionClasses(const std::string &runFolder) {
    return readSectionClassFile(runFolder + protocol::classificationFile);
}

QString classText(const SectionClassRow &row) {
    return row.present ? QString::number(row.klasse) : QStringLiteral("nicht ermittelt");
}

// The limit a part met, or for Class 4 the Class 3 limit it exceeded.
DecidingLimit decidingLimit(const ClassLimits &l, int klasse) {
    switch (klasse) {
    case 1: return limit(l.class1, l.formula1);
    case 2: return limit(l.class2, l.formula2);
    default: return limit(l.class3, l.formula3);
    }
}

DecidingLimit flangeLimit(const SectionClassRow &row, bool sagging) {
    if (!row.present || sagging) return {};
    return decidingLimit(outstandFlangeLimits(row.eps), row.klasse_flansch);
}

DecidingLimit webLimit(const SectionClassRow &row) {
    if (!row.present || !(row.alpha > 0.0)) return {};
    return decidingLimit(webLimits(row.eps, row.alpha, row.psi), row.klasse_steg);
}

}  // namespace results
