#pragma once
// The verdicts of a run, decided once from the run folder's values and used
// by the check panel, the design report and the outcome of the run. A check
// whose values the engine did not compute has no verdict: it is "not
// determined" with the reason, never passed or failed on zeros.
#include "results/run_results.h"

namespace results {

enum class Verdict { Passed, Failed, NotDetermined };

// EN 1994-1-1 6.2.2.2: the plastic shear resistance must exceed |V_Ed|.
struct ShearCheck {
    Verdict verdict = Verdict::NotDetermined;
    double vEd = 0.0;  // |V_Ed| in kN, valid when the action is known
    double vPl = 0.0;  // V_pl,Rd in kN, valid unless not determined
    Missing missing = Missing::NoCalculation;  // why not determined
};

// Where M_Ed lies between the limit moments of its own sign.
enum class MomentRange { Elastic, PartlyPlastic, BeyondPlastic };

// EN 1994-1-1 6.2.2.4: M_Ed against the elastic and the plastic limit moment
// of its sign, both reduced for V_Ed.
struct InteractionCheck {
    Verdict verdict = Verdict::NotDetermined;
    bool sagging = true;        // M_Ed >= 0: the limits of positive moments
    double mEl = 0.0;           // kNm, valid when limitsKnown
    double mPl = 0.0;           // kNm, valid when limitsKnown
    bool limitsKnown = false;
    MomentRange range = MomentRange::Elastic;  // valid when limitsKnown
    bool sectionFailed = false;  // the engine found no strain state for M_Ed
    Missing missing = Missing::NoCalculation;  // why the limits are missing
};

struct UltimateChecks {
    bool actionsKnown = false;
    double mEd = 0.0;  // kNm, with sign
    double vEd = 0.0;  // kN, with sign
    ShearCheck shear;
    InteractionCheck interaction;

    bool failed() const;
};

// Every ultimate-limit-state verdict of the run, in one place.
UltimateChecks checkUltimateLimitState(const RunResults &run);

enum class MinimumReinforcementVerdict {
    Present,        // A_s,vor >= A_s,min
    Absent,         // A_s,vor < A_s,min
    FullyCompressed,  // no tensile zone in the slab: the check does not govern
    NoMoment,       // M_Ed = 0 in the serviceability state: no check
    NotDetermined,
};

// Minimum reinforcement of the slab's tensile zone (EN 1994-1-1 7.4.2).
struct MinimumReinforcementCheck {
    MinimumReinforcementVerdict verdict = MinimumReinforcementVerdict::NotDetermined;
    double required = 0.0;  // A_s,min in mm²
    double provided = 0.0;  // A_s,vor in mm²
    Missing missing = Missing::NoCalculation;  // why not determined
};

// The engine checks the tensile zone of the slab under the serviceability
// moment, with the neutral axis of the state without tension stiffening.
// When that axis lies below the slab underside (sagging) or above the slab
// top (hogging) there is no tensile zone and the engine writes A_s,min =
// A_s,vor = 0; the check then does not govern.
MinimumReinforcementCheck checkMinimumReinforcement(const RunResults &run);

}  // namespace results
