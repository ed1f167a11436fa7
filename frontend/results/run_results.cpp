#include "results/run_results.h"

#include <cmath>

#include "files/units.h"
#include "protocol/result_files.h"

namespace results {

namespace key = protocol::key;

namespace {

std::size_t indexOf(AnalysedState state) { return static_cast<std::size_t>(state); }

bool isUltimate(AnalysedState state) { return state == AnalysedState::Ultimate; }

// The engine skips a state whose shear force exceeds the plastic shear
// resistance (|V| > V_pl,Rd, EN 1994-1-1 6.2.2.2) and writes only the failure
// line; any other failure line means that no strain state was found.
Missing whyStateMissing(const KeyValues &output, const StateFile &file, AnalysedState state) {
    const std::optional<double> vPl = output.find(key::V_pl_Rd);
    if (!vPl) return Missing::NoCalculation;
    if (!file.failureLine) return Missing::NoCalculation;
    const std::optional<double> v = output.find(isUltimate(state) ? key::V_Ed_t : key::V_Ed_g);
    if (v && std::fabs(*v) > *vPl) return Missing::ShearFailure;
    return Missing::SectionFailure;
}

}  // namespace

QString missingReason(Missing missing) {
    switch (missing) {
    case Missing::ShearFailure: return QStringLiteral("Querkraftversagen");
    case Missing::SectionFailure: return QStringLiteral("Querschnittsversagen");
    case Missing::NoCalculation: return QStringLiteral("keine Berechnung");
    case Missing::None: break;
    }
    return QString();
}

QString notDetermined(Missing missing) {
    if (missing == Missing::None) return QString();
    return "nicht ermittelt (" + missingReason(missing) + ")";
}

AnalysedState analysedState(int limitState, int withTs) {
    if (limitState == 1) return AnalysedState::Ultimate;
    return withTs == 1 ? AnalysedState::ServiceabilityWithTs : AnalysedState::ServiceabilityWithoutTs;
}

int limitStateIndex(AnalysedState state) { return isUltimate(state) ? 1 : 0; }

int tensionStiffeningIndex(AnalysedState state) {
    return state == AnalysedState::ServiceabilityWithTs ? 1 : 0;
}

StateFile StateFile::read(const std::string &stateFolder) {
    StateFile file;
    const std::string path = stateFolder + protocol::outputFile;
    file.rows = readNumberRows(path, protocol::state::EI_i + 1);
    // The failure line as its first word ("Querschnittsversagen").
    const std::string failureLine = protocol::failureLine;
    file.failureLine = hasLineStartingWith(path, failureLine.substr(0, failureLine.find(' ')));
    return file;
}

StateSummary StateResult::summary() const {
    return row ? StateSummary::fromStateRow(*row) : StateSummary();
}

RunResults::RunResults(KeyValues output, const StateFile &serviceabilityWithoutTs,
                       const StateFile &serviceabilityWithTs, const StateFile &ultimate,
                       SectionClasses sectionClasses, DesignVerdicts verdicts, KeyValues class3)
    : output_(std::move(output)), sectionClasses_(sectionClasses), verdicts_(std::move(verdicts)),
      class3_(std::move(class3)) {
    const StateFile *files[] = {&serviceabilityWithoutTs, &serviceabilityWithTs, &ultimate};
    for (AnalysedState state : {AnalysedState::ServiceabilityWithoutTs,
                                AnalysedState::ServiceabilityWithTs, AnalysedState::Ultimate}) {
        const StateFile &file = *files[indexOf(state)];
        StateResult &result = states_[indexOf(state)];
        if (!file.rows.empty()) {
            result.row = file.rows.back();
            result.missing = Missing::None;
        } else {
            result.missing = whyStateMissing(output_, file, state);
        }
    }
}

RunResults RunResults::read(const std::string &runFolder) {
    auto stateFile = [&runFolder](AnalysedState state) {
        return StateFile::read(
            stateFolder(runFolder, limitStateIndex(state), tensionStiffeningIndex(state)));
    };
    RunResults run(KeyValues::read(runFolder + protocol::outputFile),
                   stateFile(AnalysedState::ServiceabilityWithoutTs),
                   stateFile(AnalysedState::ServiceabilityWithTs), stateFile(AnalysedState::Ultimate),
                   readSectionClasses(runFolder), DesignVerdicts::read(runFolder),
                   KeyValues::read(runFolder + class3File));
    run.connection_ = ShearConnection::read(runFolder, run.output_);
    return run;
}

bool RunResults::calculated() const { return output_.has(key::V_pl_Rd); }

const StateResult &RunResults::state(AnalysedState state) const { return states_[indexOf(state)]; }

std::optional<double> RunResults::shearForce(AnalysedState state) const {
    const std::optional<double> v = output_.find(isUltimate(state) ? key::V_Ed_t : key::V_Ed_g);
    if (!v) return std::nullopt;
    return units::kilonewtons(*v);
}

std::optional<double> RunResults::moment(AnalysedState state) const {
    const std::optional<double> m = output_.find(isUltimate(state) ? key::M_Ed_t : key::M_Ed_g);
    if (!m) return std::nullopt;
    return units::kilonewtonMetres(*m);
}

Missing RunResults::limitMomentsMissing() const {
    for (const char *limit : {key::M_min_el, key::M_max_el, key::M_min_pl, key::M_max_pl})
        if (!output_.has(limit)) {
            const Missing ultimate = state(AnalysedState::Ultimate).missing;
            return ultimate == Missing::ShearFailure ? ultimate : Missing::NoCalculation;
        }
    return Missing::None;
}

}  // namespace results
