#pragma once
// What one run folder holds, read once: the labelled values of the run and the
// strain state of each analysed state, with the reason for every result the
// engine did not compute. A result that was not computed is missing, never 0:
// the views say "nicht ermittelt" with its reason instead of a number.
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "protocol/result_files.h"
#include "results/design_verdicts.h"
#include "results/result_reader.h"
#include "results/section_class.h"
#include "results/shear_connection_result.h"
#include "results/state_summary.h"

namespace results {

// Why a result is missing.
enum class Missing {
    None,            // computed
    ShearFailure,    // |V_Ed| exceeds V_pl,Rd: the engine skipped the state
    SectionFailure,  // the engine found no strain state for the design moment
    NoCalculation,   // the run folder holds no result of the engine
};

// "Querkraftversagen", "Querschnittsversagen", "keine Berechnung"; empty for None.
QString missingReason(Missing missing);
// "nicht ermittelt (Querkraftversagen)"; empty for None.
QString notDetermined(Missing missing);

// The three analysed states of a run (serviceability without and with tension
// stiffening, ultimate limit state), as the result files name them.
using AnalysedState = protocol::AnalysedState;

// The state of the folder arguments of stateFolder() (the ultimate state for
// limitState 1, else serviceability with or without tension stiffening).
AnalysedState analysedState(int limitState, int withTs);

// Folder arguments of stateFolder() for a state.
int limitStateIndex(AnalysedState state);
int tensionStiffeningIndex(AnalysedState state);

// A state output file as read: its number rows and whether it holds the
// engine's failure line.
struct StateFile {
    std::vector<NumberRow> rows;  // M, V, kappa, Z_na, EI_i per row
    bool failureLine = false;

    static StateFile read(const std::string &stateFolder);
};

struct StateResult {
    std::optional<NumberRow> row;  // the last row: M, V, kappa, Z_na, EI_i
    Missing missing = Missing::NoCalculation;

    bool computed() const { return row.has_value(); }
    // Curvature, neutral axis and stiffness; zero when not computed.
    StateSummary summary() const;
};

class RunResults {
public:
    RunResults() = default;
    RunResults(KeyValues output, const StateFile &serviceabilityWithoutTs,
               const StateFile &serviceabilityWithTs, const StateFile &ultimate,
               SectionClasses sectionClasses = {}, DesignVerdicts verdicts = {},
               KeyValues class3 = {});

    static RunResults read(const std::string &runFolder);

    const KeyValues &output() const { return output_; }
    // The cross-section classes of both bending directions; rows not present
    // in a run folder without "Querschnittsklasse.txt" (an older run).
    const SectionClasses &sectionClasses() const { return sectionClasses_; }
    // The engine's design checks (Nachweise.txt); not present in a run
    // folder without them (an older run, or a run the engine stopped).
    const DesignVerdicts &verdicts() const { return verdicts_; }
    // The values of a Class 3 section's two routes (Klasse3_Nachweis.txt).
    const KeyValues &class3() const { return class3_; }
    // The studs of a partial connection; not present without them.
    const ShearConnection &connection() const { return connection_; }
    // The engine wrote its results into the run folder's output.txt.
    bool calculated() const;
    const StateResult &state(AnalysedState state) const;

    // Design actions of a state in kN and kNm; missing without a calculation.
    std::optional<double> shearForce(AnalysedState state) const;
    std::optional<double> moment(AnalysedState state) const;

    // Why the limit moments of the ultimate limit state are missing (None when
    // the engine wrote them).
    Missing limitMomentsMissing() const;

private:
    KeyValues output_;
    std::array<StateResult, 3> states_;
    SectionClasses sectionClasses_;
    DesignVerdicts verdicts_;
    KeyValues class3_;
    ShearConnection connection_;
};

}  // namespace results
