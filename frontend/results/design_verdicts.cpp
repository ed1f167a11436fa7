#include "results/design_verdicts.h"

#include "results/readable_numbers.h"

#include <fstream>

namespace results {

namespace {

// The protocol's row reader: the check's name and its row as the views take it.
bool parseRow(const std::string &line, std::string &name, DesignCheck &check) {
    protocol::verdict::Row row;
    if (!protocol::verdict::parseRow(line, row)) return false;
    name = row.check;
    check.E_d = row.E_d;
    check.R_d = row.R_d;
    check.eta = row.eta;
    check.result = row.result;
    check.basis = row.basis;
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
                              : name == verdict::shearConnection      ? &verdicts.shearConnection
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
